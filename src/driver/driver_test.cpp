#include "document_wrapper.h"
#include "output_names.h"
#include "skeleton_file.h"

#include <QBuffer>
#include <QtTest>

namespace {

QString units(std::initializer_list<ushort> codes)
{
    QString text;
    for (ushort code : codes)
        text.append(QChar(code));
    return text;
}

} // namespace

class DriverTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void names_data();
    void names();
    void textPosition_data();
    void textPosition();
    void writerEncodesLikeToUtf8_data();
    void writerEncodesLikeToUtf8();
    void writerReportsFailedWrites();
};

void DriverTest::names_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("imageFolder");
    QTest::addColumn<QString>("qmlName");
    QTest::newRow("plain name") << "hero.json" << "hero_images" << "Hero.qml";
    QTest::newRow("backslash path") << "c:\\art\\hero.json" << "c:\\art\\hero_images"
                                    << "C:\\art\\hero.qml";
    QTest::newRow("no dot") << "hero" << "hero_images" << "Hero.qml";
    QTest::newRow("leading dot: nothing to upper-case") << "./hero.json" << "./hero_images"
                                                        << "./hero.qml";
    QTest::newRow("last dot of several") << "hero.v2.json" << "hero.v2_images" << "Hero.v2.qml";
    QTest::newRow("binary export") << "hero.skel" << "hero_images" << "Hero.qml";
    QTest::newRow("binary export kept as .skel.bytes: the whole extension goes")
            << "art/hero.SKEL.Bytes" << "art/hero_images" << "Art/hero.qml";
    QTest::newRow("only .bytes is cut as any extension") << "hero.bytes" << "hero_images"
                                                          << "Hero.qml";
    QTest::newRow("non-ASCII first letter") << QString::fromUtf8("élan.json") << "élan_images"
                                            << QString::fromUtf8("Élan.qml");
}

void DriverTest::names()
{
    QFETCH(QString, input);
    QFETCH(QString, imageFolder);
    QFETCH(QString, qmlName);
    QCOMPARE(imageFolderFor(input), imageFolder);
    QCOMPARE(qmlNameFor(input), qmlName);
}

void DriverTest::textPosition_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::newRow("start") << QByteArray("{") << 0 << 1 << 1;
    QTest::newRow("second line") << QByteArray("{\n  x") << 4 << 2 << 3;
    QTest::newRow("columns count characters, not bytes")
            << QByteArray("\"\xc3\xa9\xc3\xa9\" x") << 6 << 1 << 5;
    QTest::newRow("offset past the end is clamped") << QByteArray("ab") << 99 << 1 << 3;
}

void DriverTest::textPosition()
{
    QFETCH(QByteArray, text);
    QFETCH(int, offset);
    QFETCH(int, line);
    QFETCH(int, column);
    const TextPosition position = textPositionAt(text, offset);
    QCOMPARE(position.line, line);
    QCOMPARE(position.column, column);
}

// The writer encodes and indents in one pass, eight ASCII units at a time
// where it can; its bytes must stay those of wrapDocument and toUtf8 however
// the body is cut into blocks.
void DriverTest::writerEncodesLikeToUtf8_data()
{
    QTest::addColumn<QStringList>("blocks");
    QString lineFeedsEverywhere; // at every place of an eight-unit run and across its end
    for (int run = 0; run < 17; ++run)
        lineFeedsEverywhere += QString(run, QLatin1Char('x')) + QLatin1Char('\n');
    QTest::newRow("no body") << QStringList();
    QTest::newRow("empty blocks") << QStringList({"", ""});
    QTest::newRow("blocks without and with line feeds") << QStringList({"a {\n", "", "\tb\n\n", "}\n"});
    QTest::newRow("surrogate pair cut between blocks")
            << QStringList({units({'a', 0xd83d}), units({0xde00, '\n'})});
    QTest::newRow("unpaired high surrogate before a line feed")
            << QStringList({units({0xd800, '\n', 'b', '\n'})});
    QTest::newRow("unpaired high surrogate ends the body") << QStringList({units({'a', 0xdbff})});
    QTest::newRow("unpaired low surrogate") << QStringList({units({'a', 0xdc00, 'b', '\n'})});
    QTest::newRow("noncharacters and the ends of each byte length")
            << QStringList({units({0x7f, 0x80, 0x7ff, 0x800, 0xfffe, 0xffff, '\n'})});
    QTest::newRow("line feed at every place of a run") << QStringList({lineFeedsEverywhere});
    QTest::newRow("non-ASCII after every run length")
            << QStringList({QStringLiteral("abcdefg\u00e9abcdefgh\u00e9abcdefghi\u9aa8\n")});
    QTest::newRow("non-ASCII across a write chunk")
            << QStringList({QString(600000, QChar(0xe9)) + QLatin1Char('\n'),
                            QString(600000, QChar(0x9aa8)) + QLatin1Char('\n')});
}

void DriverTest::writerEncodesLikeToUtf8()
{
    QFETCH(QStringList, blocks);
    const QString folder = QStringLiteral("c:\\art\\\"x\"");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    DocumentWriter writer(&buffer, folder);
    for (const QString &block : blocks)
        writer.appendBody(block);
    QVERIFY(writer.finish());
    QString document = blocks.join(QString());
    wrapDocument(document, folder);
    QCOMPARE(bytes, document.toUtf8());
    QVERIFY(bytes.contains("\n\timageFolder: \"c:\\\\art\\\\\\\"x\\\"\"\n"));
}

void DriverTest::writerReportsFailedWrites()
{
    QBuffer closed;
    DocumentWriter writer(&closed, QStringLiteral("f"));
    writer.appendBody(QStringLiteral("x\n"));
    QVERIFY(!writer.finish());
}

QTEST_APPLESS_MAIN(DriverTest)
#include "driver_test.moc"
