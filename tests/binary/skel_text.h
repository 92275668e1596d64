#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a binary export written as text, so that a test file can be
// read and checked by hand next to the layout it follows:
//   ab          one byte in hex (two hex digits are always a byte: f1 is
//               0xf1, the float 1 is f1.0)
//   v300        a varint (a negative one takes five bytes, as draw-order
//               offsets do); z-3 a zig-zag varint
//   i-1         an int32, big-endian; f1.5 a float32, big-endian
//   "text"      a string: varint of the UTF-8 length + 1, then the bytes
//               (\" \\ and \xNN for a raw byte); null is the varint 0
//   # ...       a comment to the end of the line
// Throws nothing: a token it does not know ends the test with qFatal.
QByteArray assembleSkel(const QString &text);
QByteArray assembleSkelFile(const QString &path);
