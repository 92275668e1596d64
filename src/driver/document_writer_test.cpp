#include "document_wrapper.h"

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

// Line feeds at every place of an eight-unit run and across its end.
QString lineFeedsEverywhere()
{
    QString text;
    for (int run = 0; run < 17; ++run)
        text += QString(run, QLatin1Char('x')) + QLatin1Char('\n');
    return text;
}

} // namespace

// The writer encodes and indents in one pass, eight ASCII units at a time
// where it can; its bytes must stay those of wrapDocument and toUtf8 however
// the body is cut into blocks.
class DocumentWriterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encodesLikeToUtf8_data();
    void encodesLikeToUtf8();
    void reportsFailedWrites();
};

void DocumentWriterTest::encodesLikeToUtf8_data()
{
    QTest::addColumn<QStringList>("blocks");
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
    QTest::newRow("line feed at every place of a run") << QStringList({lineFeedsEverywhere()});
    QTest::newRow("non-ASCII after every run length")
            << QStringList({QStringLiteral("abcdefg\u00e9abcdefgh\u00e9abcdefghi\u9aa8\n")});
    // Two-byte characters across the write chunk boundary.
    QTest::newRow("non-ASCII across a write chunk")
            << QStringList({QString(600000, QChar(0xe9)) + QLatin1Char('\n'),
                            QString(600000, QChar(0x9aa8)) + QLatin1Char('\n')});
}

void DocumentWriterTest::encodesLikeToUtf8()
{
    QFETCH(QStringList, blocks);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    DocumentWriter writer(&buffer, QStringLiteral("f"));
    for (const QString &block : blocks)
        writer.appendBody(block);
    QVERIFY(writer.finish());
    QString document = blocks.join(QString());
    wrapDocument(document, QStringLiteral("f"));
    QCOMPARE(bytes, document.toUtf8());
}

void DocumentWriterTest::reportsFailedWrites()
{
    QBuffer closed;
    DocumentWriter writer(&closed, QStringLiteral("f"));
    writer.appendBody(QStringLiteral("x\n"));
    QVERIFY(!writer.finish());
}

QTEST_APPLESS_MAIN(DocumentWriterTest)
#include "document_writer_test.moc"
