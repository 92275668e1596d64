import QtQuick 2.0

// Test stand-in for an image attachment drawn from a sprite sheet.
SpineImage {
}
