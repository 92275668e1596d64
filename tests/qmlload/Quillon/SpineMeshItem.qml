import QtQuick 2.0

// Test stand-in for a mesh attachment: the lists are JavaScript arrays of
// numbers; deform animations drive vertices.
SpineImage {
    property bool packed: false
    property var uvs: []
    property var triangles: []
    property var vertices: []
    property var edges: []
}
