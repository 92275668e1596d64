// Each case file under tests/binary/cases holds the bytes of a binary export
// (written as skel text) and, beside it, the JSON tree the same version's
// JSON export holds for it, worked out by hand from the layout.
#include "binary/binary_skeleton.h"

#include "skel_text.h"

#include <QDir>
#include <QJsonDocument>
#include <QtTest>

class BinarySkeletonTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsTheJsonTree_data();
    void readsTheJsonTree();
    void startsLikeBinary_data();
    void startsLikeBinary();
};

void BinarySkeletonTest::readsTheJsonTree_data()
{
    QTest::addColumn<QString>("base");
    const QDir cases(QStringLiteral(BINARY_CASES));
    const QStringList files = cases.entryList({QStringLiteral("*.skel.txt")}, QDir::Files, QDir::Name);
    QVERIFY(!files.isEmpty());
    for (const QString &file : files) {
        const QString base = file.chopped(int(qstrlen(".skel.txt")));
        QTest::newRow(qPrintable(base)) << cases.filePath(base);
    }
}

void BinarySkeletonTest::readsTheJsonTree()
{
    QFETCH(QString, base);
    const QByteArray bytes = assembleSkelFile(base + QLatin1String(".skel.txt"));
    QFile expectedFile(base + QLatin1String(".json"));
    QVERIFY(expectedFile.open(QIODevice::ReadOnly));
    QJsonParseError error;
    const QJsonDocument expected = QJsonDocument::fromJson(expectedFile.readAll(), &error);
    QCOMPARE(error.errorString(), QStringLiteral("no error occurred"));
    QVERIFY(startsLikeBinarySkeleton(bytes));
    BinarySkeleton skeleton;
    try {
        skeleton = readBinarySkeleton(bytes);
    } catch (const BinaryError &failure) {
        QFAIL(qPrintable(QStringLiteral("%1 at byte %2").arg(failure.what).arg(failure.offset)));
    }
    QCOMPARE(skeleton.version, expected.object().value(QLatin1String("skeleton"))
                                       .toObject().value(QLatin1String("spine")).toString());
    // Compared as text: a failure shows both trees.
    QCOMPARE(QString::fromUtf8(QJsonDocument(skeleton.root).toJson()),
             QString::fromUtf8(expected.toJson()));
}

void BinarySkeletonTest::startsLikeBinary_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("binary");
    const QString hash = QStringLiteral("00 00 00 00 00 00 00 00 ");
    QTest::newRow("4.x header of a read layout") << hash + QStringLiteral("\"4.1.20\"") << true;
    QTest::newRow("first 4.0 beta of the final layout") << hash + QStringLiteral("\"4.0.27-beta\"") << true;
    QTest::newRow("a 4.0 beta before it") << hash + QStringLiteral("\"4.0.26-beta\"") << false;
    QTest::newRow("4.0 stable restarts its patches") << hash + QStringLiteral("\"4.0.07\"") << true;
    QTest::newRow("first 4.2 beta of the final layout") << hash + QStringLiteral("\"4.2.32-beta\"") << true;
    QTest::newRow("4.x header of a refused layout") << hash + QStringLiteral("\"4.2.09-beta\"") << false;
    QTest::newRow("a suffix that names no release") << hash + QStringLiteral("\"4.2.22-dev\"") << false;
    QTest::newRow("4.3 is not read") << hash + QStringLiteral("\"4.3.01\"") << false;
    QTest::newRow("JSON text") << QStringLiteral("7b 22 62 6f 6e 65 73 22 3a") << false;
    QTest::newRow("too short for a hash") << QStringLiteral("01 02 03") << false;
}

void BinarySkeletonTest::startsLikeBinary()
{
    QFETCH(QString, text);
    QFETCH(bool, binary);
    QCOMPARE(startsLikeBinarySkeleton(assembleSkel(text)), binary);
}

QTEST_APPLESS_MAIN(BinarySkeletonTest)
#include "binary_skeleton_test.moc"
