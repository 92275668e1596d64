#include "skeleton_file.h"

#include "messages.h"

#include <QFile>
#include <QJsonParseError>

TextPosition textPositionAt(const QByteArray &utf8, int offset)
{
    TextPosition position{1, 1};
    const int end = qBound(0, offset, utf8.size());
    for (int i = 0; i < end; ++i) {
        const char byte = utf8.at(i);
        if (byte == '\n') {
            ++position.line;
            position.column = 1;
        } else if ((byte & 0xC0) != 0x80) {
            // Continuation bytes belong to the character before them.
            ++position.column;
        }
    }
    return position;
}

bool loadSkeletonJson(const QString &path, QJsonDocument &document, QTextStream &messages)
{
    say(messages, QLatin1String("Reading Spine JSON file from: ") + path + QLatin1Char('\n'));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        say(messages, QStringLiteral("Couldn't open input file.\n"));
        return false;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        say(messages, QStringLiteral("Couldn't read input file: ") + file.errorString()
                    + QLatin1String(".\n"));
        return false;
    }
    file.close();

    QJsonParseError error;
    QJsonDocument parsed = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        const TextPosition at = textPositionAt(bytes, error.offset);
        say(messages, QStringLiteral("Couldn't parse input file: %1 at line %2, column %3.\n")
                    .arg(error.errorString())
                    .arg(at.line)
                    .arg(at.column));
        return false;
    }
    if (!parsed.isObject()) {
        say(messages, QStringLiteral(
                "Couldn't parse input file: the top level is not a JSON object.\n"));
        return false;
    }
    // The parsed document holds everything; the raw bytes are not needed.
    bytes = QByteArray();
    document = parsed;
    return true;
}
