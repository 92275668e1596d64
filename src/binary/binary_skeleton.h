#pragma once

#include "binary_input.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// A binary export of a version no known layout covers (3.0 to 3.2, early
// betas, development builds, 4.3 and later).
struct UnreadableBinaryVersion {
    QString version;
};

struct BinarySkeleton {
    // The JSON tree the same editor version's JSON export holds.
    QJsonObject root;
    // The header's version text, for the version note.
    QString version;
};

// Reads a whole binary export. Throws BinaryError where it is malformed and
// UnreadableBinaryVersion where its layout is not known.
BinarySkeleton readBinarySkeleton(const QByteArray &bytes);

// True when the bytes start like a binary export of a version that is read:
// a file that fails as JSON is then read as a binary one.
bool startsLikeBinarySkeleton(const QByteArray &bytes);
