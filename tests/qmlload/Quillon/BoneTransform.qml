import QtQuick 2.0

// Test stand-in: a bone's setup pose (written by the document) and the
// offsets and factors that animations drive.
QtObject {
    property BoneTransform parentBone: null
    property real x: 0
    property real y: 0
    property real xScale: 1
    property real yScale: 1
    property real angle: 0
    property bool inheritScale: true
    property bool inheritRotation: true
    property real length: 0

    property real dangle: 0
    property real dx: 0
    property real dy: 0
    property real dxScale: 1
    property real dyScale: 1
}
