import QtQuick 2.0

// Test stand-in for a skinned mesh attachment. A deform animation may
// target it too, so it has vertices as well.
SpineImage {
    property bool packed: false
    property var uvs: []
    property var triangles: []
    property var boneCounts: []
    property list<BoneTransform> bones
    property var boneVertices: []
    property var weights: []
    property var vertices: []
    property var edges: []
}
