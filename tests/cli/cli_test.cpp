// Runs the built binary in a temporary folder: its messages, exit status, the
// files it writes and the files it must leave alone.
#include "skel_text.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
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
    void deformDiagnosticsOnlyInDebugBuilds();
    void binaryConvertsAsItsJsonTwin_data();
    void binaryConvertsAsItsJsonTwin();
    void binaryNames_data();
    void binaryNames();
    void binaryFailures_data();
    void binaryFailures();
    void binaryCutAtEveryByte_data();
    void binaryCutAtEveryByte();
    void binaryNamesCannotOutgrowTheFile();
};

namespace {

QString binaryTestFile(const QString &name)
{
    return QStringLiteral(BINARY_TESTS "/") + name;
}

QStringList skelTextFiles(const QString &folder)
{
    return QDir(binaryTestFile(folder)).entryList({QStringLiteral("*.skel.txt")}, QDir::Files,
                                                 QDir::Name);
}

QString caseName(const QString &file)
{
    return file.chopped(int(qstrlen(".skel.txt")));
}

// The run of a binary that must fail: its messages, and every file as it was.
void checkFailedRun(const QString &folder, const QByteArray &bytes, const QString &inputName,
                    QByteArray &messages)
{
    const QString output = folder + QStringLiteral("/Hero.qml");
    writeFile(output, previousOutput);
    writeFile(folder + QLatin1Char('/') + inputName, bytes);
    const Run run = runIn(folder, {inputName});
    messages = run.messages;
    QCOMPARE(run.status, 1);
    QCOMPARE(readFile(output), previousOutput);
    QCOMPARE(filesIn(folder), QStringList({"Hero.qml", inputName}));
}

} // namespace

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
    QTest::newRow("--version names the build and its Qt")
            << QStringList({"--version"})
            << QByteArray("rigsmith " RIGSMITH_VERSION " (Qt " QT_VERSION_STR ")\n") << 0;
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
                  "skins": [], "animations": {"a": {"transform": {"t": [{"time": 1}]}}}})");
    const Run run = runIn(folder.path(), {"--strict", "in.json", "out.qml"});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.errors, QByteArray("in.json: note: read as a Spine 4.2.11 file\n"
                                    "in.json: note: not carried over: bone shear (1), "
                                    "transform constraint timelines (1)\n"));
    QVERIFY(readFile(folder.filePath(QStringLiteral("out.qml"))).contains("\tid: rootBone\n"));
}

// The deform writer's two fixed lines go to Qt's debug log, which a Release
// build compiles out; a Debug build may show them, and nothing else.
void CliTest::deformDiagnosticsOnlyInDebugBuilds()
{
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("in.json")),
              R"({"bones": [{"name": "root"}], "slots": [{"name": "s", "bone": "root"}],
                  "skins": {"default": {"s": {"m": {"type": "mesh", "uvs": [0, 0, 1, 0, 0, 1],
                    "triangles": [0, 1, 2], "vertices": [0, 0, 1, 0, 0, 1], "hull": 3}}}},
                  "animations": {"a": {"ffd": {"default": {"s": {"m": [
                    {"time": 0}, {"time": 1, "vertices": [1, 1]}]}}}}}})");
    const Run run = runIn(folder.path(), {"in.json", "out.qml"});
    QCOMPARE(run.status, 0);
#ifdef QT_NO_DEBUG_OUTPUT
    QCOMPARE(run.errors, QByteArray());
#else
    QByteArray others = run.errors;
    others.replace("one ffd\n", "").replace("one slot\n", "");
    QCOMPARE(others, QByteArray());
#endif
}

// Every case's binary file gives the document of the JSON tree it reads as;
// only the version note says that the input was binary.
void CliTest::binaryConvertsAsItsJsonTwin_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &file : skelTextFiles(QStringLiteral("cases")))
        QTest::newRow(qPrintable(caseName(file))) << caseName(file);
}

void CliTest::binaryConvertsAsItsJsonTwin()
{
    QFETCH(QString, name);
    const QString base = binaryTestFile(QStringLiteral("cases/") + name);
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("hero.skel")), assembleSkelFile(base + ".skel.txt"));
    writeFile(folder.filePath(QStringLiteral("hero.json")), readFile(base + ".json"));
    const Run binary = runIn(folder.path(), {"hero.skel", "A.qml"});
    const Run json = runIn(folder.path(), {"hero.json", "B.qml"});
    QCOMPARE(binary.status, 0);
    QCOMPARE(json.status, 0);
    QCOMPARE(binary.messages, QByteArray(json.messages).replace("hero.json", "hero.skel")
                                      .replace("B.qml", "A.qml"));
    const QString expectedErrors = QString::fromUtf8(json.errors)
            .replace(QLatin1String("hero.json:"), QLatin1String("hero.skel:"))
            .replace(QRegularExpression(QStringLiteral("(read as a Spine \\S+) file")),
                     QStringLiteral("\\1 binary file"));
    QCOMPARE(QString::fromUtf8(binary.errors), expectedErrors);
    QCOMPARE(readFile(folder.filePath(QStringLiteral("A.qml"))),
             readFile(folder.filePath(QStringLiteral("B.qml"))));
}

void CliTest::binaryNames_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QByteArray>("messages");
    const QByteArray done = "The deed is done.\n";
    QTest::newRow(".skel") << QStringList({"hero.skel"}) << "hero.skel" << "Hero.qml"
                           << "Saving QML file to: Hero.qml\nReading Spine JSON file from: hero.skel\n"
                                      + done;
    QTest::newRow(".SKEL.BYTES: the whole extension goes")
            << QStringList({"hero.SKEL.BYTES"}) << "hero.SKEL.BYTES" << "Hero.qml"
            << "Saving QML file to: Hero.qml\nReading Spine JSON file from: hero.SKEL.BYTES\n" + done;
    QTest::newRow("auto .skel.bytes") << QStringList({"auto", "hero.skel.bytes"})
                                      << "hero.skel.bytes" << "Hero.qml"
                                      << "Reading Spine JSON file from: hero.skel.bytes\n" + done;
    QTest::newRow("binary named .json: read as binary when it is no JSON")
            << QStringList({"hero.json"}) << "hero.json" << "Hero.qml"
            << "Saving QML file to: Hero.qml\nReading Spine JSON file from: hero.json\n" + done;
    QTest::newRow("--strict: notes are no warnings") << QStringList({"--strict", "hero.skel"})
            << "hero.skel" << "Hero.qml"
            << "Saving QML file to: Hero.qml\nReading Spine JSON file from: hero.skel\n" + done;
}

void CliTest::binaryNames()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(QByteArray, messages);
    QTemporaryDir folder;
    writeFile(folder.filePath(input),
              assembleSkelFile(binaryTestFile(QStringLiteral("cases/v4.2_minimal.skel.txt"))));
    const Run run = runIn(folder.path(), arguments);
    QCOMPARE(run.messages, messages);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.errors, (input + ": note: read as a Spine 4.2.22 binary file\n").toUtf8());
    QVERIFY(readFile(folder.filePath(output)).contains("\timageFolder: \"hero_images\"\n"));
}

// Each file names the message it must give in its first line.
void CliTest::binaryFailures_data()
{
    QTest::addColumn<QString>("inputName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("message");
    for (const QString &file : skelTextFiles(QStringLiteral("failures"))) {
        const QByteArray text = readFile(binaryTestFile(QStringLiteral("failures/") + file));
        const QByteArray firstLine = text.left(text.indexOf('\n') + 1);
        QVERIFY(firstLine.startsWith("# message: "));
        QTest::newRow(qPrintable(caseName(file)))
                << "hero.skel" << assembleSkel(QString::fromUtf8(text)) << firstLine.mid(11);
    }
    // A refused version is only named for a binary name: a file named JSON
    // that holds one gets the JSON error.
    const QByteArray refused = assembleSkel(QStringLiteral("00 00 00 00 00 00 00 00 \"4.3.01\""));
    QTest::newRow("refused version named .json")
            << "hero.json" << refused
            << QByteArray("Couldn't parse input file: illegal value at line 1, column 2.\n");
}

void CliTest::binaryFailures()
{
    QFETCH(QString, inputName);
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, message);
    QTemporaryDir folder;
    QByteArray messages;
    checkFailedRun(folder.path(), bytes, inputName, messages);
    QCOMPARE(messages, "Saving QML file to: Hero.qml\nReading Spine JSON file from: "
                               + inputName.toUtf8() + "\n" + message);
}

void CliTest::binaryCutAtEveryByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    for (const QString name : {"v4.2_minimal", "v4.1_sequences", "v4.0_beta_mixes"}) {
        const QByteArray whole = assembleSkelFile(
                binaryTestFile(QStringLiteral("cases/%1.skel.txt").arg(name)));
        for (int size = 0; size < whole.size(); ++size)
            QTest::newRow(qPrintable(QStringLiteral("%1 cut to %2 bytes").arg(name).arg(size)))
                    << whole.left(size);
    }
}

void CliTest::binaryCutAtEveryByte()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir folder;
    QByteArray messages;
    checkFailedRun(folder.path(), bytes, QStringLiteral("hero.skel"), messages);
    static const QRegularExpression failure(QStringLiteral(
            "\\nCouldn't parse input file: (the file ends inside .+|no Spine version in the header|"
            "a count of \\d+ in .+, more than the \\d+ bytes left could hold) at byte (\\d+)\\.\\n$"));
    const QRegularExpressionMatch match = failure.match(QString::fromUtf8(messages));
    QVERIFY2(match.hasMatch(), messages.constData());
    QVERIFY(match.captured(2).toInt() <= bytes.size());
}

// A one-byte reference to a long name, repeated, would make the tree a
// thousand times the file: the reader stops instead.
void CliTest::binaryNamesCannotOutgrowTheFile()
{
    const QString longName = QStringLiteral("\"%1\"").arg(QString(4000, QLatin1Char('n')));
    const QString keys = QStringLiteral("f0.0 v1 ").repeated(1000);
    const QByteArray bytes = assembleSkel(
            "00 00 00 00 00 00 00 00 \"4.2.22\" f0.0 f0.0 f0.0 f0.0 f100.0 00 v1 " + longName
            + " v1 \"r\" f0.0 f0.0 f0.0 f1.0 f1.0 f0.0 f0.0 f0.0 00 00"
              " v1 \"s\" v0 ff ff ff ff ff ff ff ff null v0 00 00 00 00 00 00 00"
              " v1 \"a\" v1 v1 v0 v1 00 v1000 " + keys + " 00 00 00 00 00 00 00 00");
    QTemporaryDir folder;
    QByteArray messages;
    checkFailedRun(folder.path(), bytes, QStringLiteral("hero.skel"), messages);
    QVERIFY2(messages.contains("\nCouldn't parse input file: names repeated beyond "), messages);
}

QTEST_GUILESS_MAIN(CliTest)
#include "cli_test.moc"
