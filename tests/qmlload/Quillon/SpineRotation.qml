import QtQuick 2.0

QtObject {
    property real angle: 0
}
