#include "binary_input.h"

#include <QtTest>

#include <cmath>

// The reader's primitives, one value per row. Each row's bytes follow one
// byte already read, so every value starts at offset 1: an error naming the
// offset where reading stopped instead would show.
class BinaryInputTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numbers_data();
    void numbers();
    void strings_data();
    void strings();
    void malformed_data();
    void malformed();
};

namespace {

// A row's bytes, after the one byte read before the value.
QByteArray file(const char *hex)
{
    return QByteArray(1, '\xEE') + QByteArray::fromHex(hex);
}

// Exact, with the sign of zero: QCOMPARE on doubles is fuzzy.
QString exact(double value)
{
    // QString::number drops the sign of -0.
    return (std::signbit(value) ? QStringLiteral("-") : QString()) + QString::number(std::fabs(value), 'g', 17);
}

// A row of the current table: what to read, then the bytes.
QTestData &row(const char *name, const char *kind, const char *hex)
{
    return QTest::newRow(name) << QByteArray(kind) << file(hex);
}

// One value of a row's kind, through the reader that kind names.
QVariant read(BinaryInput &input, const QByteArray &kind)
{
    if (kind == "int32") return input.readInt32();
    if (kind == "u16") return input.readUnsignedShort();
    if (kind == "float") return double(input.readFloat());
    if (kind == "varint") return input.readVarint();
    if (kind == "zigzag") return input.readZigzag();
    if (kind == "count") return input.readCount();
    if (kind == "count4") return input.readCount(4);
    if (kind == "index3") return input.readIndex(3, QStringLiteral("bone index"));
    if (kind == "string") return input.readString();
    if (kind == "name") return input.readName(QStringLiteral("bone 2"));
    if (kind == "byte") return input.readByte();
    if (kind == "bytes4") return input.readBytes(4);
    qFatal("unknown kind %s", kind.constData());
    return QVariant();
}

} // namespace

void BinaryInputTest::numbers_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("left");
    row("int32 big-endian", "int32", "12 34 56 78") << double(0x12345678) << 0;
    row("int32 minimum", "int32", "80 00 00 00") << -2147483648.0 << 0;
    row("u16 big-endian", "u16", "12 34 99") << double(0x1234) << 1;
    row("u16 not sign-extended", "u16", "ff fe") << 65534.0 << 0;
    row("float one", "float", "3f 80 00 00") << 1.0 << 0;
    row("float 0.1f, not 0.1", "float", "3d cc cc cd") << 0.100000001490116119384765625 << 0;
    row("float -0 keeps its sign", "float", "80 00 00 00") << -0.0 << 0;
    row("float subnormal is finite", "float", "00 00 00 01") << 1.4012984643248171e-45 << 0;
    row("varint 1 byte", "varint", "7f 7f") << 127.0 << 1;
    row("varint 2 bytes", "varint", "80 01") << 128.0 << 0;
    row("varint 3 bytes", "varint", "ff ff 01") << 32767.0 << 0;
    row("varint 4 bytes", "varint", "ff ff ff 7f") << 268435455.0 << 0;
    row("varint 5th byte is bit 28", "varint", "80 80 80 80 01") << 268435456.0 << 0;
    row("varint 5th byte gives bit 31", "varint", "80 80 80 80 08") << -2147483648.0 << 0;
    row("varint -1", "varint", "ff ff ff ff 0f") << -1.0 << 0;
    // Bits past 31 are dropped and the 5th byte's top bit continues nothing.
    row("varint 5th byte high bits dropped", "varint", "81 80 80 80 10") << 1.0 << 0;
    row("varint stops after 5 bytes", "varint", "80 80 80 80 ff 01") << -268435456.0 << 1;
    row("zigzag 1 is -1", "zigzag", "01") << -1.0 << 0;
    row("zigzag 2 is 1", "zigzag", "02") << 1.0 << 0;
    row("zigzag 127 is -64", "zigzag", "7f") << -64.0 << 0;
    row("zigzag int32 maximum", "zigzag", "fe ff ff ff 0f") << 2147483647.0 << 0;
    row("zigzag int32 minimum", "zigzag", "ff ff ff ff 0f") << -2147483648.0 << 0;
    row("count 0 at the end", "count", "00") << 0.0 << 0;
    row("count of 1-byte elements fills the file", "count", "02 00 00") << 2.0 << 2;
    row("count of 4-byte elements at the bound", "count4", "03 000000000000000000000000") << 3.0 << 12;
    row("index last of the table", "index3", "02") << 2.0 << 0;
}

void BinaryInputTest::numbers()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, kind);
    QFETCH(double, value);
    QFETCH(int, left);
    BinaryInput input(bytes);
    input.readByte();
    QCOMPARE(exact(read(input, kind).toDouble()), exact(value));
    QCOMPARE(input.bytesLeft(), left);
}

void BinaryInputTest::strings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    // Every row ends with one byte past the string, which must stay unread.
    QTest::newRow("length 0 is null") << file("00 41") << QString();
    QTest::newRow("length 1 is empty, not null") << file("01 41") << QStringLiteral("");
    QTest::newRow("ascii") << file("03 68 69 41") << QStringLiteral("hi");
    QTest::newRow("2-byte form") << file("03 c3 a9 41") << QStringLiteral("\u00e9");
    QTest::newRow("3-byte form") << file("04 e2 82 ac 41") << QStringLiteral("\u20ac");
    QTest::newRow("4-byte form") << file("05 f0 9f 98 80 41") << QString::fromUtf16(u"\xd83d\xde00");
    QTest::newRow("last code point") << file("05 f4 8f bf bf 41") << QString::fromUtf16(u"\xdbff\xdfff");
    QTest::newRow("pair as two 3-byte forms") << file("07 ed a0 bd ed b8 80 41")
                                              << QString::fromUtf16(u"\xd83d\xde00");
    QTest::newRow("mixed lengths") << file("0b 61 c3 a9 e2 82 ac f0 9f 98 80 41")
                                   << QString::fromUtf16(u"a\u00e9\u20ac\xd83d\xde00");
}

void BinaryInputTest::strings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    BinaryInput input(bytes);
    input.readByte();
    const QString read = input.readString();
    QCOMPARE(read, text);
    QCOMPARE(read.isNull(), text.isNull());
    QCOMPARE(input.bytesLeft(), 1);
}

void BinaryInputTest::malformed_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("what");
    const QString hip = QStringLiteral("bone \"hip\"");
    const QString ends = QStringLiteral("the file ends inside bone \"hip\"");
    const QString notFinite = QStringLiteral("a number that is not finite in bone \"hip\"");
    const QString notUtf8 = QStringLiteral("text that is not UTF-8 in bone \"hip\"");
    row("float NaN", "float", "7f c0 00 00") << hip << notFinite;
    row("float +infinity", "float", "7f 80 00 00") << hip << notFinite;
    row("float -infinity", "float", "ff 80 00 00") << hip << notFinite;
    row("count negative", "count", "ff ff ff ff 0f") << hip << QStringLiteral("a negative count (-1) in bone \"hip\"");
    row("count one past the bound", "count4", "03 0000000000000000000000")
            << hip << QStringLiteral("a count of 3 in bone \"hip\", more than the 11 bytes left could hold");
    row("count times size past int32", "count4", "ff ff ff ff 07 00")
            << hip << QStringLiteral("a count of 2147483647 in bone \"hip\", more than the 1 bytes left could hold");
    row("index past its table", "index3", "03") << hip << QStringLiteral("bone index 3, but there are 3");
    row("index negative", "index3", "ff ff ff ff 0f")
            << hip << QStringLiteral("bone index 4294967295, but there are 3");
    row("name null", "name", "00") << hip << QStringLiteral("no name for bone 2");
    row("utf8 continuation as lead", "string", "02 80") << hip << notUtf8;
    row("utf8 5-byte lead", "string", "06 f8 88 80 80 80") << hip << notUtf8;
    row("utf8 missing continuation", "string", "03 c3 41") << hip << notUtf8;
    row("utf8 overlong 2 bytes", "string", "03 c0 80") << hip << notUtf8;
    row("utf8 overlong 3 bytes", "string", "04 e0 81 bf") << hip << notUtf8;
    row("utf8 overlong 4 bytes", "string", "05 f0 8f bf bf") << hip << notUtf8;
    row("utf8 past U+10FFFF", "string", "05 f4 90 80 80") << hip << notUtf8;
    row("utf8 lone high surrogate", "string", "04 ed a0 bd") << hip << notUtf8;
    row("utf8 high surrogate then text", "string", "05 ed a0 bd 61") << hip << notUtf8;
    row("utf8 text between surrogates", "string", "08 ed a0 bd 61 ed b8 80") << hip << notUtf8;
    row("utf8 lone low surrogate", "string", "04 ed b8 80") << hip << notUtf8;
    // The byte after the string would complete the sequence.
    row("utf8 sequence cut by the length", "string", "03 e2 82 ac") << hip << notUtf8;
    row("end: byte", "byte", "") << hip << ends;
    row("end: int32", "int32", "00 00 00") << hip << ends;
    row("end: u16", "u16", "00") << hip << ends;
    row("end: float", "float", "3f 80") << hip << ends;
    row("end: varint inside", "varint", "80 80") << hip << ends;
    row("end: varint before its 5th byte", "varint", "80 80 80 80") << hip << ends;
    row("end: count", "count", "ff") << hip << ends;
    row("end: string length", "string", "85") << hip << ends;
    row("end: string text", "string", "06 61 62") << hip << ends;
    row("end: string negative length", "string", "ff ff ff ff 0f 61") << hip << ends;
    row("end: bytes", "bytes4", "00 00 00") << hip << ends;
    row("end outside any context", "int32", "00") << QString() << QStringLiteral("the file ends inside the skeleton");
}

void BinaryInputTest::malformed()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, kind);
    QFETCH(QString, context);
    QFETCH(QString, what);
    BinaryInput input(bytes);
    input.readByte();
    try {
        // The innermost context names the error, the outer one does not.
        QScopedPointer<ContextScope> outer, inner;
        if (!context.isNull()) {
            outer.reset(new ContextScope(input, QStringLiteral("the bones")));
            inner.reset(new ContextScope(input, context));
        }
        read(input, kind);
        QFAIL("no error");
    } catch (const BinaryError &error) {
        QCOMPARE(error.what, what);
        QCOMPARE(error.offset, 1); // where the value starts, not where reading stopped
    }
    // Unwinding left no context behind.
    QCOMPARE(input.context(), QStringLiteral("the skeleton"));
}

QTEST_APPLESS_MAIN(BinaryInputTest)
#include "binary_input_test.moc"
