import QtQuick 2.0

// Test stand-in for the runtime's root item: it only holds what a generated
// document sets. The document declares imageFolderAndDash, skins and the
// aliases itself.
Item {
    property string imageFolder
}
