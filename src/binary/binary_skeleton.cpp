#include "binary_skeleton.h"

#include "layout_4x.h"
#include "reader_4x.h"
#include "skeleton_3x.h"

namespace {

// The version text of a 4.x header (8 bytes of hash, then the text); null
// when the bytes do not hold one there.
QString headerVersion4x(const QByteArray &bytes)
{
    BinaryInput input(bytes);
    try {
        input.readBytes(8);
        return input.readString();
    } catch (const BinaryError &) {
        return QString();
    }
}

enum class Header { Layout4x, Layout3x, Refused, Unknown };

struct HeaderReading {
    Header kind = Header::Unknown;
    QString version;
    Layout4x layout;
};

// The 4.x header is tried first: the 8 bytes of a 4.x hash, read as a 3.x
// hash text, can look like a text.
HeaderReading readHeader(const QByteArray &bytes)
{
    HeaderReading reading;
    const QString version4x = headerVersion4x(bytes);
    const Layout4xKind kind = layoutFor4xVersion(version4x, reading.layout);
    if (kind == Layout4xKind::Readable) {
        reading.kind = Header::Layout4x;
        reading.version = version4x;
        return reading;
    }
    const QString version3x = headerVersion3x(bytes);
    if (!version3x.isNull()) {
        reading.kind = isReadableVersion3x(version3x) ? Header::Layout3x : Header::Refused;
        reading.version = version3x;
        return reading;
    }
    if (kind == Layout4xKind::Refused) {
        reading.kind = Header::Refused;
        reading.version = version4x;
    }
    return reading;
}

} // namespace

BinarySkeleton readBinarySkeleton(const QByteArray &bytes)
{
    const HeaderReading header = readHeader(bytes);
    BinarySkeleton skeleton;
    skeleton.version = header.version;
    switch (header.kind) {
    case Header::Layout4x: {
        BinaryInput input(bytes);
        Reader4x reader(input, header.layout);
        skeleton.root = reader.readSkeleton();
        break;
    }
    case Header::Layout3x:
        skeleton.root = readSkeleton3x(bytes);
        break;
    case Header::Refused:
        throw UnreadableBinaryVersion{header.version};
    case Header::Unknown:
        throw BinaryError{QStringLiteral("no Spine version in the header"), 0};
    }
    return skeleton;
}

bool startsLikeBinarySkeleton(const QByteArray &bytes)
{
    const Header kind = readHeader(bytes).kind;
    return kind == Header::Layout4x || kind == Header::Layout3x;
}
