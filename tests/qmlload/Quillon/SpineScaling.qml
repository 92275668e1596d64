import QtQuick 2.0

QtObject {
    property real xScale: 1
    property real yScale: 1
}
