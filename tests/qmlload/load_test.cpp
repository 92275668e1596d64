// Every document that rigsmith writes loads in a real QML engine.
//
// For each input of the corpus (and the bundled example), in normal and in
// packed mode, the built rigsmith binary writes a document into a temporary
// folder. The document is then loaded with QQmlEngine and QQmlComponent
// against the test-only stand-in of the runtime module (Quillon/ beside this
// file), created, its animations run for a moment and its skin states
// switched. Any error, and any warning or worse that reaches Qt's message
// handler on the way, fails the row. A few values are read back from the
// created objects and compared with the input's text.

#include "upgrade/upgrade.h"

#include <QtTest>

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QMutex>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QDirIterator>
#include <QQmlError>
#include <QQmlListReference>
#include <QRegularExpression>
#include <QDirIterator>
#include <QTemporaryDir>

namespace {

// How long each animation runs, and a bound on the whole test.
const int animationMilliseconds = 100;
const int converterTimeoutMilliseconds = 20000;

// Messages of warning level and above, collected while a row runs.
QMutex messagesMutex;
QStringList collectedMessages;
QtMessageHandler previousHandler = nullptr;

void collectMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) {
        QMutexLocker lock(&messagesMutex);
        collectedMessages.append(message);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

QStringList takeMessages()
{
    QMutexLocker lock(&messagesMutex);
    QStringList messages = collectedMessages;
    collectedMessages.clear();
    return messages;
}

// Installs the collecting handler for the lifetime of one row.
class MessageCollector
{
public:
    MessageCollector()
    {
        takeMessages();
        previousHandler = qInstallMessageHandler(collectMessage);
    }
    ~MessageCollector()
    {
        qInstallMessageHandler(previousHandler);
        previousHandler = nullptr;
    }
};

QString cutBeforeLastDot(const QString &path)
{
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? path : path.left(dot);
}

// Spine's RRGGBBAA as the document writes it: "#AARRGGBB".
QString documentColor(const QString &spineColor)
{
    return QLatin1Char('#') + spineColor.right(2) + spineColor.left(6);
}

QJsonObject readJsonObject(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QJsonObject();
    return QJsonDocument::fromJson(file.readAll()).object();
}

QStringList fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringList();
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

// The engine's errors, each with the line of QML it points at.
QString describeErrors(const QList<QQmlError> &errors, const QString &documentPath)
{
    const QStringList lines = fileLines(documentPath);
    QString text;
    for (const QQmlError &error : errors) {
        text += QLatin1String("\n  ") + error.toString();
        if (error.line() > 0 && error.line() <= lines.size())
            text += QLatin1String("\n    line ") + QString::number(error.line())
                    + QLatin1String(": ") + lines.at(error.line() - 1).trimmed();
    }
    return text;
}

// The messages, each followed by the line of QML it names, if any.
QString describeMessages(const QStringList &messages, const QString &documentPath)
{
    const QStringList lines = fileLines(documentPath);
    const QRegularExpression lineReference(QStringLiteral("\\.qml:(\\d+)"));
    QString text;
    for (const QString &message : messages) {
        text += QLatin1String("\n  ") + message;
        const QRegularExpressionMatch match = lineReference.match(message);
        const int line = match.hasMatch() ? match.captured(1).toInt() : 0;
        if (line > 0 && line <= lines.size())
            text += QLatin1String("\n    line ") + QString::number(line) + QLatin1String(": ")
                    + lines.at(line - 1).trimmed();
    }
    return text + QLatin1String("\n  in ") + documentPath;
}

bool hasProperty(const QObject *object, const char *name)
{
    return object->metaObject()->indexOfProperty(name) >= 0;
}

QString sourceText(const QObject *item)
{
    const QVariant source = item->property("source");
    if (source.userType() == QMetaType::QUrl)
        return QUrl::fromPercentEncoding(source.toUrl().toEncoded());
    return source.toString();
}

// What the input says the document must hold.
struct Expected {
    QStringList stateNames;     // skin names upper-cased, in key order
    QStringList imageNames;     // base names of the images of all items with a source
    QStringList slotColors;     // per slot in array order; "" when it has none
    int boneCount = 0;
};

// A newer file is held to what it says once upgraded, as the writers see it.
Expected expectedFrom(const QJsonObject &input)
{
    CarryOverReport lost;
    Diagnostics diagnostics;
    const QJsonObject root =
            needsUpgrade(input) ? upgradeSetup(input, lost, diagnostics).skeleton : input;
    Expected expected;
    const QJsonObject skins = root.value(QLatin1String("skins")).toObject();
    for (auto skin = skins.begin(); skin != skins.end(); ++skin) {
        expected.stateNames.append(skin.key().toUpper());
        const QJsonObject skinSlots = skin.value().toObject();
        for (const QJsonValue &slot : skinSlots) {
            const QJsonObject attachments = slot.toObject();
            for (auto it = attachments.begin(); it != attachments.end(); ++it) {
                const QJsonObject attachment = it.value().toObject();
                if (attachment.value(QLatin1String("type")).toString()
                    == QLatin1String("boundingbox"))
                    continue;
                expected.imageNames.append(attachment.contains(QLatin1String("name"))
                                                   ? attachment.value(QLatin1String("name"))
                                                             .toString()
                                                   : it.key());
            }
        }
    }
    const QJsonArray skeletonSlots = root.value(QLatin1String("slots")).toArray();
    for (const QJsonValue &element : skeletonSlots) {
        const QJsonObject slot = element.toObject();
        // Only six or eight hex digits are a colour; anything else is left out.
        const QString color = slot.value(QLatin1String("color")).toString();
        const bool isColor = QRegularExpression(QStringLiteral("^[0-9a-fA-F]{6}([0-9a-fA-F]{2})?$"))
                                     .match(color)
                                     .hasMatch();
        expected.slotColors.append(isColor ? documentColor(color) : QString());
    }
    expected.boneCount = root.value(QLatin1String("bones")).toArray().size();
    return expected;
}

} // namespace

class LoadTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void loads_data();
    void loads();
    void aliasNamesMayStartWithUnderscore();

private:
    QTemporaryDir m_temp;
};

void LoadTest::initTestCase()
{
    QVERIFY2(m_temp.isValid(), qPrintable(m_temp.errorString()));
    QVERIFY2(QFileInfo(QStringLiteral(RIGSMITH_BINARY)).isExecutable(), RIGSMITH_BINARY);
    QVERIFY(QFileInfo::exists(QStringLiteral(QMLLOAD_IMPORT_DIR "/Quillon/qmldir")));
}

void LoadTest::loads_data()
{
    // input: the JSON the expectations are read from; arguments: what
    // rigsmith is run with, in workDir; document: the file it writes.
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("workDir");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("imageFolder");

    const QString work = m_temp.path();
    QStringList inputs;
    inputs.append(QStringLiteral(QMLLOAD_HERO_EXAMPLE));
    const QDir corpus(QStringLiteral(QMLLOAD_CORPUS_DIR));
    const QStringList names = corpus.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    QVERIFY2(!names.isEmpty(), "the corpus is empty");
    for (const QString &name : names)
        inputs.append(corpus.filePath(name));
    // Every whole-document test input loads too.
    const QDir documents(QStringLiteral(QMLLOAD_DOCUMENTS_DIR));
    QDirIterator files(documents.path(), {QStringLiteral("*.json")}, QDir::Files,
                       QDirIterator::Subdirectories);
    QStringList documentInputs;
    while (files.hasNext())
        documentInputs.append(files.next());
    documentInputs.sort();
    inputs += documentInputs;

    for (const QString &input : inputs) {
        const QString name = input.startsWith(documents.path())
                ? QLatin1String("documents/") + documents.relativeFilePath(input)
                : QFileInfo(input).fileName();
        const QString base = QString(name).replace(QLatin1Char('/'), QLatin1Char('_')).chopped(5);
        for (const bool packed : {false, true}) {
            const QString mode = packed ? QStringLiteral("packed") : QStringLiteral("normal");
            const QString document = work + QLatin1Char('/') + base + QLatin1Char('-') + mode
                    + QLatin1String(".qml");
            QStringList arguments{input, document};
            if (packed)
                arguments.append(QStringLiteral("packed"));
            QTest::newRow(qPrintable(name + QLatin1Char('/') + mode))
                    << input << arguments << work << document
                    << cutBeforeLastDot(input) + QLatin1String("_images");
        }
    }

    // An input named like a Windows path, so that the image folder written
    // into the document holds backslashes (and a colon); the output name is
    // derived by rigsmith itself: C:\art\hero.qml in the work folder.
    const QString windowsName = QStringLiteral("c:\\art\\hero.json");
    const QString copied = work + QLatin1Char('/') + windowsName;
    QFile::remove(copied);
    QVERIFY(QFile::copy(corpus.filePath(QStringLiteral("hostile_strings.json")), copied));
    for (const bool packed : {false, true}) {
        const QString mode = packed ? QStringLiteral("packed") : QStringLiteral("normal");
        QStringList arguments{windowsName};
        if (packed)
            arguments.append(QStringLiteral("packed"));
        QTest::newRow(qPrintable(windowsName + QLatin1Char('/') + mode))
                << copied << arguments << work
                << work + QLatin1String("/C:\\art\\hero.qml")
                << QStringLiteral("c:\\art\\hero_images");
    }
}

void LoadTest::loads()
{
    QFETCH(QString, input);
    QFETCH(QStringList, arguments);
    QFETCH(QString, workDir);
    QFETCH(QString, document);
    QFETCH(QString, imageFolder);

    if (!QFileInfo::exists(input))
        QSKIP(qPrintable(input + QLatin1String(" is not there yet")));
    const bool packed = arguments.last() == QLatin1String("packed");

    // Convert.
    QFile::remove(document);
    QProcess converter;
    converter.setWorkingDirectory(workDir);
    converter.setProcessChannelMode(QProcess::MergedChannels);
    converter.start(QStringLiteral(RIGSMITH_BINARY), arguments);
    QVERIFY2(converter.waitForFinished(converterTimeoutMilliseconds), "rigsmith did not finish");
    const QString converterOutput = QString::fromUtf8(converter.readAll());
    QVERIFY2(converter.exitStatus() == QProcess::NormalExit && converter.exitCode() == 0,
             qPrintable(QLatin1String("rigsmith failed:\n") + converterOutput));
    QVERIFY2(QFileInfo::exists(document),
             qPrintable(document + QLatin1String(" not written:\n") + converterOutput));

    const Expected expected = expectedFrom(readJsonObject(input));
    MessageCollector collector;

    // Load: only the stand-in and Qt's own modules are on the import path.
    QQmlEngine engine;
    engine.setImportPathList({QStringLiteral(QMLLOAD_IMPORT_DIR),
                              QLibraryInfo::location(QLibraryInfo::Qml2ImportsPath)});
    QQmlComponent component(&engine, QUrl::fromLocalFile(document));
    QVERIFY2(!component.isError(),
             qPrintable(QLatin1String("load failed:") + describeErrors(component.errors(), document)));
    QStringList messages = takeMessages();
    QVERIFY2(component.isReady(),
             qPrintable(QLatin1String("not ready, status ") + QString::number(component.status())
                        + describeMessages(messages, document)));
    QVERIFY2(messages.isEmpty(),
             qPrintable(QLatin1String("warnings while loading:")
                        + describeMessages(messages, document)));

    // Create.
    QScopedPointer<QObject> root(component.create());
    QVERIFY2(root, qPrintable(QLatin1String("create failed:")
                              + describeErrors(component.errors(), document)));
    messages = takeMessages();
    QVERIFY2(messages.isEmpty(),
             qPrintable(QLatin1String("warnings while creating:")
                        + describeMessages(messages, document)));

    // Values read back equal the input's text.
    QCOMPARE(root->property("imageFolder").toString(), imageFolder);

    const QList<QObject *> objects = root->findChildren<QObject *>();
    QStringList sources;
    QStringList slotColors;
    int bones = 0;
    int packedImages = 0;
    for (QObject *object : objects) {
        if (hasProperty(object, "trans") && hasProperty(object, "source")) {
            sources.append(sourceText(object));
            if (QString::fromLatin1(object->metaObject()->className())
                        .startsWith(QLatin1String("SpineImagePacked")))
                ++packedImages;
        }
        if (hasProperty(object, "setupColor"))
            slotColors.append(object->property("setupColor").toString());
        if (hasProperty(object, "dangle"))
            ++bones;
    }
    QCOMPARE(sources.size(), expected.imageNames.size());
    // The whole of imageFolder + "/" + name: an id that shadowed imageFolder
    // or imageFolderAndDash would change the folder part.
    for (const QString &name : expected.imageNames) {
        const QString ending = imageFolder + QLatin1Char('/') + name + QLatin1String(".png");
        bool found = false;
        for (const QString &source : qAsConst(sources))
            found = found || source.endsWith(ending);
        QVERIFY2(found, qPrintable(QLatin1String("no item's source ends with ") + ending
                                   + QLatin1String("; sources: ")
                                   + sources.join(QLatin1String(" | "))));
    }
    if (!packed)
        QCOMPARE(packedImages, 0);
    QCOMPARE(slotColors, expected.slotColors);
    QCOMPARE(bones, expected.boneCount);

    // Run every animation a moment.
    const QMetaObject *meta = root->metaObject();
    int animations = 0;
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QString name = QString::fromLatin1(property.name());
        // Animation aliases may be numbered and image aliases may end in
        // "Animation": the count below makes sure that every one was found.
        QObject *animation = property.read(root.data()).value<QObject *>();
        if (!animation || !animation->inherits("QQuickParallelAnimation"))
            continue;
        ++animations;
        QVERIFY(animation->setProperty("running", true));
        QTest::qWait(animationMilliseconds);
        QVERIFY(animation->setProperty("running", false));
        messages = takeMessages();
        QVERIFY2(messages.isEmpty(),
                 qPrintable(QLatin1String("warnings while running ") + name + QLatin1Char(':')
                            + describeMessages(messages, document)));
    }
    QCOMPARE(animations, readJsonObject(input).value(QLatin1String("animations")).toObject().size());

    // Switch the skins through their states.
    QObject *skins = root->property("skins").value<QObject *>();
    QVERIFY2(skins, "no skins item");
    QQmlListReference states(skins, "states");
    QVERIFY(states.isValid());
    QStringList stateNames;
    for (int i = 0; i < states.count(); ++i)
        stateNames.append(states.at(i)->property("name").toString());
    // Skins whose names upper-case alike get numbered states: "A", "A_2".
    QCOMPARE(stateNames.size(), expected.stateNames.size());
    for (int i = 0; i < stateNames.size(); ++i) {
        QVERIFY2(stateNames.at(i) == expected.stateNames.at(i)
                         || stateNames.at(i).startsWith(expected.stateNames.at(i) + QLatin1Char('_')),
                 qPrintable(stateNames.at(i)));
    }
    QCOMPARE(QSet<QString>(stateNames.begin(), stateNames.end()).size(), stateNames.size());
    for (const QString &name : qAsConst(stateNames)) {
        QVERIFY(skins->setProperty("state", name));
        QCoreApplication::processEvents();
        QCOMPARE(skins->property("state").toString(), name);
        messages = takeMessages();
        QVERIFY2(messages.isEmpty(),
                 qPrintable(QLatin1String("warnings in state ") + name + QLatin1Char(':')
                            + describeMessages(messages, document)));
    }
    QVERIFY(skins->setProperty("state", QString()));

    root.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    messages = takeMessages();
    QVERIFY2(messages.isEmpty(),
             qPrintable(QLatin1String("warnings while destroying:")
                        + describeMessages(messages, document)));
}

// The engine takes root property names that begin with "_", as the alias of
// an animation named, say, "default" does ("_defaultAnimation").
void LoadTest::aliasNamesMayStartWithUnderscore()
{
    MessageCollector collector;
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQuick 2.0\n"
                      "Item {\n"
                      "    property alias _fooAnimation: _foo\n"
                      "    property alias a_2ndBone: _2ndBone\n"
                      "    property alias _Animation: _\n"
                      "    Item { ParallelAnimation { id: _foo } }\n"
                      "    Item { ParallelAnimation { id: _ } }\n"
                      "    QtObject { id: _2ndBone }\n"
                      "}\n",
                      QUrl(QStringLiteral("file:///underscore.qml")));
    QVERIFY2(!component.isError(), qPrintable(component.errorString()));
    QScopedPointer<QObject> root(component.create());
    QVERIFY(root);
    QVERIFY(root->property("_fooAnimation").value<QObject *>());
    QVERIFY(root->property("a_2ndBone").value<QObject *>());
    QVERIFY(root->property("_Animation").value<QObject *>());
    const QStringList messages = takeMessages();
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    LoadTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "load_test.moc"
