#pragma once

#include <QJsonDocument>
#include <QString>

class QTextStream;

// Reads and parses the skeleton at path into document, telling messages what
// it reads and why it fails. False when the file cannot be read, is not valid
// JSON or does not hold a JSON object.
bool loadSkeletonJson(const QString &path, QJsonDocument &document, QTextStream &messages);

// 1-based line and column (in characters) of a byte offset into UTF-8 text.
struct TextPosition {
    int line;
    int column;
};
TextPosition textPositionAt(const QByteArray &utf8, int offset);
