import QtQuick 2.0

QtObject {
    property real x: 0
    property real y: 0
}
