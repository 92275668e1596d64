#include "skeleton_file.h"

#include "messages.h"

#include "binary/binary_skeleton.h"

#include <QFile>
#include <QJsonDocument>
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

bool isBinarySkeletonName(const QString &path)
{
    return path.endsWith(QLatin1String(".skel"), Qt::CaseInsensitive)
            || path.endsWith(QLatin1String(".skel.bytes"), Qt::CaseInsensitive);
}

namespace {

void sayParseFailure(QTextStream &messages, const QString &reason)
{
    say(messages, QLatin1String("Couldn't parse input file: ") + reason + QLatin1String(".\n"));
}

bool loadBinary(const QByteArray &bytes, LoadedSkeleton &skeleton, QTextStream &messages)
{
    try {
        BinarySkeleton binary = readBinarySkeleton(bytes);
        skeleton.root = binary.root;
        skeleton.binaryVersion = binary.version;
        return true;
    } catch (const BinaryError &error) {
        sayParseFailure(messages, QStringLiteral("%1 at byte %2").arg(error.what).arg(error.offset));
    } catch (const UnreadableBinaryVersion &refused) {
        sayParseFailure(messages, QStringLiteral("a Spine %1 binary file, which rigsmith does not "
                                                 "read (it reads binary files of Spine 3.3 to 4.2 and "
                                                 "JSON files of every version up to 4.3)")
                                          .arg(refused.version));
    }
    return false;
}

bool loadJson(const QByteArray &bytes, LoadedSkeleton &skeleton, QTextStream &messages)
{
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        if (startsLikeBinarySkeleton(bytes))
            return loadBinary(bytes, skeleton, messages);
        const TextPosition at = textPositionAt(bytes, error.offset);
        sayParseFailure(messages, QStringLiteral("%1 at line %2, column %3")
                                          .arg(error.errorString())
                                          .arg(at.line)
                                          .arg(at.column));
        return false;
    }
    if (!parsed.isObject()) {
        sayParseFailure(messages, QStringLiteral("the top level is not a JSON object"));
        return false;
    }
    skeleton.root = parsed.object();
    return true;
}

} // namespace

bool loadSkeleton(const QString &path, LoadedSkeleton &skeleton, QTextStream &messages)
{
    // Scripts match this line, so a binary export is announced the same way.
    say(messages, QLatin1String("Reading Spine JSON file from: ") + path + QLatin1Char('\n'));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        say(messages, QStringLiteral("Couldn't open input file.\n"));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        say(messages, QStringLiteral("Couldn't read input file: ") + file.errorString()
                    + QLatin1String(".\n"));
        return false;
    }
    file.close();
    if (isBinarySkeletonName(path))
        return loadBinary(bytes, skeleton, messages);
    return loadJson(bytes, skeleton, messages);
}
