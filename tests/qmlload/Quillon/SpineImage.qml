import QtQuick 2.0

// Test stand-in for an image attachment. trans, scale and rot are grouped
// properties, as the document writes trans.x, scale.xScale and rot.angle;
// scale shadows Item's own number property of that name.
Item {
    property url source
    readonly property SpineTranslation trans: SpineTranslation {}
    readonly property SpineScaling scale: SpineScaling {}
    readonly property SpineRotation rot: SpineRotation {}
}
