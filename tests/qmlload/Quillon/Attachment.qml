import QtQuick 2.0

// Test stand-in: the container that skin states move attachment items into.
// setupParent is a Slot; typed Item, since Slot names Attachment and the
// engine refuses types that refer to each other.
Item {
    property Item setupParent: null
}
