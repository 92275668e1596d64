// The 3.x binary reader on hand-made files: one per layout family with the
// JSON tree its export holds, every cut of those files, and a table of
// malformed files with the message and offset each must give.

#include "binary/binary_input.h"
#include "binary/skeleton_3x.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QtTest>

namespace {

QString dataPath(const QString &name)
{
    return QDir(QStringLiteral(BINARY3X_DIR)).filePath(name);
}

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

// Hex bytes; "#" starts a comment that runs to the end of the line.
QByteArray readHex(const QString &path)
{
    QString text = readText(path);
    text.remove(QRegularExpression(QStringLiteral("#[^\n]*")));
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return QByteArray::fromHex(text.toLatin1());
}

// The value of a "# <name>: <value>" line.
QString commentValue(const QString &path, const QString &name)
{
    const QRegularExpression line(QStringLiteral("^# %1: (.*)$").arg(name),
                                  QRegularExpression::MultilineOption);
    return line.match(readText(path)).captured(1);
}

void addRowPerFile(const QString &folder)
{
    QTest::addColumn<QString>("path");
    const QDir dir(dataPath(folder));
    for (const QString &name : dir.entryList({QStringLiteral("*.hex")}, QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(name.chopped(4))) << dir.filePath(name);
}

QByteArray indented(const QJsonObject &tree)
{
    return QJsonDocument(tree).toJson();
}

} // namespace

class Binary3xTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layouts_data() { addRowPerFile(QStringLiteral("layouts")); }
    void layouts()
    {
        QFETCH(QString, path);
        const QByteArray bytes = readHex(path);
        QString jsonPath = path;
        jsonPath.replace(QRegularExpression(QStringLiteral("\\.hex$")), QStringLiteral(".json"));
        const QJsonObject expected = QJsonDocument::fromJson(readText(jsonPath).toUtf8()).object();
        QVERIFY(!expected.isEmpty());
        try {
            QCOMPARE(indented(readSkeleton3x(bytes)), indented(expected));
        } catch (const BinaryError &error) {
            QFAIL(qPrintable(QStringLiteral("%1 at byte %2").arg(error.what).arg(error.offset)));
        }
        const QString version = expected.value(QStringLiteral("skeleton"))[QStringLiteral("spine")].toString();
        QCOMPARE(headerVersion3x(bytes), version);
    }

    // A file cut anywhere is refused as cut short, at or before the cut.
    void truncated_data() { addRowPerFile(QStringLiteral("layouts")); }
    void truncated()
    {
        QFETCH(QString, path);
        const QByteArray whole = readHex(path);
        for (int size = 0; size < whole.size(); ++size) {
            try {
                readSkeleton3x(whole.left(size));
                QFAIL(qPrintable(QStringLiteral("read when cut to %1 bytes").arg(size)));
            } catch (const BinaryError &error) {
                const bool cutShort = error.what.startsWith(QLatin1String("the file ends inside "))
                                      || error.what.contains(QLatin1String("bytes left could hold"));
                if (!cutShort || error.offset < 0 || error.offset > size)
                    QFAIL(qPrintable(QStringLiteral("cut to %1 bytes: %2 at byte %3")
                                             .arg(size)
                                             .arg(error.what)
                                             .arg(error.offset)));
            }
        }
    }

    void malformed_data() { addRowPerFile(QStringLiteral("malformed")); }
    void malformed()
    {
        QFETCH(QString, path);
        try {
            readSkeleton3x(readHex(path));
            QFAIL("read a malformed file");
        } catch (const BinaryError &error) {
            QCOMPARE(error.what, commentValue(path, QStringLiteral("error")));
            QCOMPARE(error.offset, commentValue(path, QStringLiteral("offset")).toInt());
        }
    }

    void versions_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("readable");
        const QStringList lines = readText(dataPath(QStringLiteral("versions.txt"))).split(QLatin1Char('\n'));
        for (const QString &line : lines) {
            const QStringList fields = line.split(QLatin1Char(' '));
            if (fields.size() == 2 && !line.startsWith(QLatin1Char('#')))
                QTest::newRow(qPrintable(fields.at(0))) << fields.at(0) << (fields.at(1) == QLatin1String("read"));
        }
    }
    void versions()
    {
        QFETCH(QString, version);
        QFETCH(bool, readable);
        QCOMPARE(isReadableVersion3x(version), readable);
    }
};

QTEST_APPLESS_MAIN(Binary3xTest)
#include "binary3x_test.moc"
