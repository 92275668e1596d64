// Runs the built binary in a temporary folder: its messages, exit status, the
// files it writes and the files it must leave alone.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray skeleton = R"({"bones": [{"name": "root"}]})";
const QByteArray previousOutput = "previous output, must survive\n";
const QByteArray usage = "Usage: rigsmith input.json [Output.qml] [packed]\n";
const QByteArray help = usage
        + "       rigsmith auto name.json [folder] [packed]\n"
          "       rigsmith --strict ...   any warning fails the run and leaves the output as it was\n"
          "       rigsmith --version\n";

struct Run {
    int status;
    QByteArray messages;
    QByteArray errors;
};

Run runIn(const QString &folder, const QStringList &arguments,
          const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(RIGSMITH_BINARY), arguments);
    if (!process.waitForFinished(60000))
        qFatal("rigsmith did not finish");
    const int status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {status, process.readAllStandardOutput(), process.readAllStandardError()};
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList filesIn(const QString &folder)
{
    QDir dir(folder);
    return dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

} // namespace

class CliTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void usageLine_data();
    void usageLine();
    void conversions_data();
    void conversions();
    void failuresLeaveFilesAlone_data();
    void failuresLeaveFilesAlone();
    void outputIsUtf8WhateverTheLocale();
    void newerFileIsNotedNotWarned();
};

void CliTest::usageLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("messages");
    QTest::addColumn<int>("status");
    QTest::newRow("no arguments fail") << QStringList() << usage << 1;
    QTest::newRow("four arguments fail") << QStringList({"a.json", "b.qml", "c", "packed"})
                                         << usage << 1;
    QTest::newRow("-h asks for it") << QStringList({"-h"}) << help << 0;
    QTest::newRow("--help asks for it") << QStringList({"--help"}) << help << 0;
    QTest::newRow("--version names the build")
            << QStringList({"--version"}) << QByteArray("rigsmith " RIGSMITH_VERSION "\n") << 0;
    QTest::newRow("--version with an input is an unknown option")
            << QStringList({"--version", "a.json"}) << usage << 1;
    QTest::newRow("an unknown option") << QStringList({"--fast", "a.json"}) << usage << 1;
    QTest::newRow("--strict alone leaves no input") << QStringList({"--strict"}) << usage << 1;
    QTest::newRow("packed alone leaves no input")
            << QStringList({"packed"}) << "Using spritesheets.\n" + usage << 1;
    QTest::newRow("auto alone leaves no input") << QStringList({"auto"}) << usage << 1;
    QTest::newRow("auto packed leaves no input")
            << QStringList({"auto", "packed"}) << "Using spritesheets.\n" + usage << 1;
}

void CliTest::usageLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, messages);
    QFETCH(int, status);
    QTemporaryDir folder;
    const Run run = runIn(folder.path(), arguments);
    QCOMPARE(run.messages, messages);
    QCOMPARE(run.status, status);
    QCOMPARE(filesIn(folder.path()), QStringList());
}

void CliTest::conversions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("messages");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QByteArray>("imageItem");
    const QByteArray sheets = "Using spritesheets.\n";
    const QByteArray saving = "Saving QML file to: Hero.qml\n";
    const QByteArray reading = "Reading Spine JSON file from: hero.json\n";
    const QByteArray done = "The deed is done.\n";
    const QByteArray image = "\tSpineImage {\n";
    const QByteArray packedImage = "\tSpineImagePacked {\n";
    QTest::newRow("output name derived")
            << QStringList({"hero.json"}) << saving + reading + done << "Hero.qml" << image;
    QTest::newRow("packed") << QStringList({"hero.json", "packed"})
                            << sheets + saving + reading + done << "Hero.qml" << packedImage;
    QTest::newRow("output named, packed")
            << QStringList({"hero.json", "out.qml", "packed"})
            << sheets + "Saving QML file to: out.qml\n" + reading + done << "out.qml" << packedImage;
    QTest::newRow("three arguments without packed ignore the second")
            << QStringList({"hero.json", "out.qml", "extra"}) << saving + reading + done
            << "Hero.qml" << image;
    QTest::newRow("packed not last is a name")
            << QStringList({"hero.json", "packed", "x"}) << saving + reading + done << "Hero.qml"
            << image;
    QTest::newRow("auto without folder: current directory")
            << QStringList({"auto", "hero.json"}) << reading + done << "Hero.qml" << image;
    QTest::newRow("auto with folder")
            << QStringList({"auto", "hero.json", "work"})
            << "Reading Spine JSON file from: work/hero.json\n" + done << "work/Hero.qml" << image;
    QTest::newRow("auto packed") << QStringList({"auto", "hero.json", "packed"})
                                 << sheets + reading + done << "Hero.qml" << packedImage;
}

void CliTest::conversions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, messages);
    QFETCH(QString, output);
    QFETCH(QByteArray, imageItem);
    QTemporaryDir folder;
    const QByteArray input = R"({"skins": {"default": {"s": {"a": {}}}}})";
    writeFile(folder.filePath(QStringLiteral("hero.json")), input);
    QDir(folder.path()).mkdir(QStringLiteral("work"));
    writeFile(folder.filePath(QStringLiteral("work/hero.json")), input);

    const Run run = runIn(folder.path(), arguments);
    QCOMPARE(run.messages, messages);
    QCOMPARE(run.status, 0);
    QVERIFY(!run.errors.contains(": warning: "));
    const QByteArray document = readFile(folder.filePath(output));
    QVERIFY(document.startsWith("import QtQuick 2.0\nimport Quillon 2.0\n"));
    QVERIFY(document.contains("\timageFolder: \"hero_images\"\n"));
    QVERIFY(document.contains(imageItem));
    QVERIFY(document.endsWith("\t}\n"));
    QCOMPARE(readFile(folder.filePath(QStringLiteral("hero.json"))), input);
}

void CliTest::failuresLeaveFilesAlone_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("messages");
    const QByteArray saving = "Saving QML file to: out.qml\nReading Spine JSON file from: in.json\n";
    const QByteArray unparsed = saving + "Couldn't parse input file: ";
    const QByteArray unopened = "Couldn't open input file.\n";
    const QStringList explicitRun = {"in.json", "out.qml"};
    QTest::newRow("missing input")
            << QStringList({"missing.json", "out.qml"}) << QByteArray()
            << "Saving QML file to: out.qml\nReading Spine JSON file from: missing.json\n" + unopened;
    QTest::newRow("folder as input")
            << QStringList({"folder", "out.qml"}) << QByteArray()
            << "Saving QML file to: out.qml\nReading Spine JSON file from: folder\n" + unopened;
    QTest::newRow("empty file") << explicitRun << QByteArray()
                                << unparsed + "illegal value at line 1, column 1.\n";
    QTest::newRow("truncated JSON")
            << explicitRun << QByteArray("{\n  \"bones\": [\n    {\"name\": \"root\"")
            << unparsed + "unterminated string at line 3, column 20.\n";
    QTest::newRow("top level is an array") << explicitRun << QByteArray("[{}]")
                                           << unparsed + "the top level is not a JSON object.\n";
    QTest::newRow("top level is a number") << explicitRun << QByteArray("42")
                                           << unparsed + "illegal value at line 1, column 2.\n";
    QTest::newRow("nested deeper than the parser allows")
            << explicitRun << "{\"a\": " + QByteArray(5000, '[')
            << unparsed + "too deeply nested document at line 1, column 1031.\n";
    QTest::newRow("not text at all") << explicitRun << QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11)
                                     << unparsed + "illegal value at line 1, column 1.\n";
    QTest::newRow("output folder does not exist")
            << QStringList({"in.json", "nowhere/out.qml"}) << skeleton
            << QByteArray("Saving QML file to: nowhere/out.qml\nCouldn't open output file.\n");
    QTest::newRow("output is a folder")
            << QStringList({"in.json", "folder"}) << skeleton
            << QByteArray("Saving QML file to: folder\nCouldn't open output file.\n");
    QTest::newRow("output is the input itself")
            << QStringList({"in.json", "./in.json"}) << skeleton
            << QByteArray("Saving QML file to: ./in.json\n"
                          "Couldn't open output file: it is the input file.\n");
    QTest::newRow("--strict: a warning stops the run")
            << QStringList({"--strict", "in.json", "out.qml"})
            << QByteArray(R"({"bones": [{"name": "a"}], "slots": [{"bone": "Root"}]})")
            << saving + "Stopped by --strict: the input has warnings.\n";
    QTest::newRow("auto: missing input")
            << QStringList({"auto", "missing.json"}) << QByteArray()
            << "Reading Spine JSON file from: missing.json\n" + unopened;
    QTest::newRow("auto: output cannot be opened")
            << QStringList({"auto", "in.json", "nowhere"}) << skeleton
            << QByteArray("Couldn't open output file.\n");
}

void CliTest::failuresLeaveFilesAlone()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, messages);
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("in.json")), input);
    writeFile(folder.filePath(QStringLiteral("out.qml")), previousOutput);
    writeFile(folder.filePath(QStringLiteral("Missing.qml")), previousOutput);
    QDir(folder.path()).mkdir(QStringLiteral("folder"));
    const QStringList before = filesIn(folder.path());

    const Run run = runIn(folder.path(), arguments);
    QCOMPARE(run.messages, messages);
    QCOMPARE(run.status, 1);
    // Only the strict run reads a skeleton that has something to warn about.
    QCOMPARE(run.errors.contains("in.json: warning: slot \"\" is on the bone \"Root\", which "
                                 "is no bone\n"),
             arguments.contains(QStringLiteral("--strict")));
    QCOMPARE(filesIn(folder.path()), before);
    QCOMPARE(readFile(folder.filePath(QStringLiteral("out.qml"))), previousOutput);
    QCOMPARE(readFile(folder.filePath(QStringLiteral("Missing.qml"))), previousOutput);
    QCOMPARE(readFile(folder.filePath(QStringLiteral("in.json"))), input);
    QCOMPARE(filesIn(folder.filePath(QStringLiteral("folder"))), QStringList());
}

void CliTest::outputIsUtf8WhateverTheLocale()
{
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("in.json")),
              QByteArray("{\"bones\": [{\"name\": \"\xe9\xaa\xa8\"}]}"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    const Run run = runIn(folder.path(), {"in.json", "out.qml"}, environment);
    QCOMPARE(run.status, 0);
    QVERIFY(readFile(folder.filePath(QStringLiteral("out.qml")))
                    .contains("\tid: _\xe9\xaa\xa8" "Bone\n"));
}

// A newer file says how it was read and what was lost; notes are no
// warnings, so --strict still writes the document.
void CliTest::newerFileIsNotedNotWarned()
{
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("in.json")),
              R"({"skeleton": {"spine": "4.2.11"}, "bones": [{"name": "root", "shearX": 5}],
                  "skins": [], "animations": {"a": {"events": [{"time": 1}]}}})");
    const Run run = runIn(folder.path(), {"--strict", "in.json", "out.qml"});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.errors, QByteArray("in.json: note: read as a Spine 4.2.11 file\n"
                                    "in.json: note: not carried over: bone shear (1), "
                                    "event timelines (1)\n"));
    QVERIFY(readFile(folder.filePath(QStringLiteral("out.qml"))).contains("\tid: rootBone\n"));
}

QTEST_GUILESS_MAIN(CliTest)
#include "cli_test.moc"
