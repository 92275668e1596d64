// Converts whole skeletons with the built binary and holds every output file
// to its expected bytes, in normal and in packed mode. regenerate.sh rewrites
// the expected files after an intended change.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The line where two texts first differ, for a readable failure.
QString firstDifference(const QByteArray &actual, const QByteArray &expected)
{
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    for (int i = 0; i < qMax(a.size(), e.size()); ++i) {
        const QByteArray left = a.value(i, "<end>");
        const QByteArray right = e.value(i, "<end>");
        if (left != right) {
            return QStringLiteral("line %1:\n  actual:   %2\n  expected: %3")
                    .arg(i + 1)
                    .arg(QString::fromUtf8(left), QString::fromUtf8(right));
        }
    }
    return QString();
}

} // namespace

class DocumentTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeDocument_data();
    void wholeDocument();
};

void DocumentTest::wholeDocument_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("packed");
    QStringList inputs;
    const QDir documents(QStringLiteral(DOCUMENTS_DIR));
    for (const QString &name : documents.entryList({QStringLiteral("*.json")}, QDir::Files))
        inputs.append(documents.filePath(name));
    inputs.append(QStringLiteral(EXAMPLE_SKELETON));
    for (const QString &input : inputs) {
        const QString name = QFileInfo(input).completeBaseName();
        QTest::newRow(qPrintable(name)) << input << false;
        QTest::newRow(qPrintable(name + QLatin1String(" packed"))) << input << true;
    }
}

void DocumentTest::wholeDocument()
{
    QFETCH(QString, input);
    QFETCH(bool, packed);
    const QString name = QFileInfo(input).completeBaseName();
    const QString expectedPath = QStringLiteral(DOCUMENTS_DIR "/%1%2.expected.qml")
            .arg(name, packed ? QStringLiteral(".packed") : QString());
    const QByteArray expected = readFile(expectedPath);
    QVERIFY2(!expected.isEmpty(), qPrintable(expectedPath));

    QTemporaryDir work;
    QVERIFY(QFile::copy(input, work.filePath(name + QLatin1String(".json"))));
    QStringList arguments = {name + QLatin1String(".json"), QStringLiteral("out.qml")};
    if (packed)
        arguments.append(QStringLiteral("packed"));
    QProcess process;
    process.setWorkingDirectory(work.path());
    process.start(QStringLiteral(RIGSMITH_BINARY), arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);

    const QByteArray actual = readFile(work.filePath(QStringLiteral("out.qml")));
    QVERIFY2(actual == expected, qPrintable(firstDifference(actual, expected)));
}

QTEST_GUILESS_MAIN(DocumentTest)
#include "document_test.moc"
