import QtQuick 2.0

// Test stand-in for an IK constraint.
QtObject {
    property BoneTransform target: null
    property BoneTransform first: null
    property BoneTransform second: null
    property bool bendPositive: true
    property real mix: 1
}
