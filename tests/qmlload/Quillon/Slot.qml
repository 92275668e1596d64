import QtQuick 2.0

// Test stand-in: a slot names its bone and setup attachment; animations
// drive its colour and switch its attachment through attach().
Item {
    property BoneTransform bone: null
    property Attachment setupAttachment: null
    // Held as the text the document writes, so that a test can compare it
    // with the input.
    property string setupColor
    property color color: "white"
    property Attachment attachment: setupAttachment

    function attach(newAttachment) {
        attachment = newAttachment
    }
}
