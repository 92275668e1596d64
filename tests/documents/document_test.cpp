// Converts whole skeletons with the built binary and holds every output file
// to its expected bytes, in normal and in packed mode, and its warning and
// note lines to <name>.expected.txt (none when there is no such file).
// Inputs sit in this folder and in its subfolders. regenerate.sh rewrites the
// expected files after an intended change.
#include <QDir>
#include <QDirIterator>
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

// The warning and note lines of a run on the input file name.
QByteArray diagnosticLines(const QByteArray &errors, const QString &fileName)
{
    const QByteArray prefix = fileName.toUtf8() + ": ";
    QByteArray out;
    for (const QByteArray &line : errors.split('\n')) {
        if (line.startsWith(prefix))
            out += line + '\n';
    }
    return out;
}

} // namespace

class DocumentTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeDocument_data();
    void wholeDocument();
    void sameSkeletonInEveryLayout_data();
    void sameSkeletonInEveryLayout();
};

void DocumentTest::wholeDocument_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("stem");
    QTest::addColumn<bool>("packed");
    QStringList inputs;
    const QDir documents(QStringLiteral(DOCUMENTS_DIR));
    QDirIterator files(documents.path(), {QStringLiteral("*.json")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        if (!file.contains(QLatin1String("/equivalence/")))
            inputs.append(file);
    }
    inputs.sort();
    for (const QString &input : inputs) {
        const QString name = documents.relativeFilePath(input).chopped(5);
        QTest::newRow(qPrintable(name)) << input << input.chopped(5) << false;
        QTest::newRow(qPrintable(name + QLatin1String(" packed")))
                << input << input.chopped(5) << true;
    }
    // The bundled example's expected files sit here too.
    const QString example = QStringLiteral(EXAMPLE_SKELETON);
    const QString exampleStem = documents.filePath(QStringLiteral("hero"));
    QTest::newRow("examples/hero") << example << exampleStem << false;
    QTest::newRow("examples/hero packed") << example << exampleStem << true;
}

void DocumentTest::wholeDocument()
{
    QFETCH(QString, input);
    QFETCH(QString, stem);
    QFETCH(bool, packed);
    const QString expectedPath =
            stem + (packed ? QLatin1String(".packed.expected.qml") : QLatin1String(".expected.qml"));
    const QByteArray expected = readFile(expectedPath);
    QVERIFY2(!expected.isEmpty(), qPrintable(expectedPath));

    QTemporaryDir work;
    // The file keeps its name: the image folder is derived from it.
    const QString fileName = QFileInfo(input).fileName();
    QVERIFY(QFile::copy(input, work.filePath(fileName)));
    QStringList arguments = {fileName, QStringLiteral("out.qml")};
    if (packed)
        arguments.append(QStringLiteral("packed"));
    QProcess process;
    process.setWorkingDirectory(work.path());
    process.start(QStringLiteral(RIGSMITH_BINARY), arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);

    const QByteArray actual = readFile(work.filePath(QStringLiteral("out.qml")));
    QVERIFY2(actual == expected, qPrintable(firstDifference(actual, expected)));
    const QByteArray lines = diagnosticLines(process.readAllStandardError(), fileName);
    const QByteArray expectedLines = readFile(stem + QLatin1String(".expected.txt"));
    QVERIFY2(lines == expectedLines, qPrintable(firstDifference(lines, expectedLines)));
}

// equivalence/<case>/ holds one skeleton written in several layouts: each
// file, converted under the one name <case>.json, gives <case>/expected.qml.
void DocumentTest::sameSkeletonInEveryLayout_data()
{
    QTest::addColumn<QString>("input");
    const QDir cases(QStringLiteral(DOCUMENTS_DIR "/equivalence"));
    for (const QString &name : cases.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir layouts(cases.filePath(name));
        for (const QString &file : layouts.entryList({QStringLiteral("*.json")}, QDir::Files))
            QTest::newRow(qPrintable(name + QLatin1Char('/') + file)) << layouts.filePath(file);
    }
}

void DocumentTest::sameSkeletonInEveryLayout()
{
    QFETCH(QString, input);
    const QDir folder = QFileInfo(input).dir();
    const QByteArray expected = readFile(folder.filePath(QStringLiteral("expected.qml")));
    QVERIFY(!expected.isEmpty());
    QTemporaryDir work;
    const QString fileName = folder.dirName() + QLatin1String(".json");
    QVERIFY(QFile::copy(input, work.filePath(fileName)));
    QProcess process;
    process.setWorkingDirectory(work.path());
    process.start(QStringLiteral(RIGSMITH_BINARY), {fileName, QStringLiteral("out.qml")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    const QByteArray actual = readFile(work.filePath(QStringLiteral("out.qml")));
    QVERIFY2(actual == expected, qPrintable(firstDifference(actual, expected)));
}

QTEST_GUILESS_MAIN(DocumentTest)
#include "document_test.moc"
