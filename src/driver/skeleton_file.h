#pragma once

#include <QJsonObject>
#include <QString>

class QTextStream;

// A skeleton as read from its file: the JSON tree, whichever format held it.
struct LoadedSkeleton {
    QJsonObject root;
    // The header's version text of a binary export; null for JSON.
    QString binaryVersion;
};

// True for a name the user gives a binary export: ".skel" or ".skel.bytes"
// in any case of ASCII letters.
bool isBinarySkeletonName(const QString &path);

// Reads the skeleton at path, telling messages what it reads and why it
// fails. A binary name is read as a binary export; any other file as JSON,
// or as a binary export when it is not JSON but starts like one. False when
// the file cannot be read or parsed.
bool loadSkeleton(const QString &path, LoadedSkeleton &skeleton, QTextStream &messages);

// 1-based line and column (in characters) of a byte offset into UTF-8 text.
struct TextPosition {
    int line;
    int column;
};
TextPosition textPositionAt(const QByteArray &utf8, int offset);
