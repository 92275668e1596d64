// Every document that rigsmith writes loads in a real QML engine.
//
// For each input of the corpus, of the whole-document tests and the bundled
// example, in normal and in packed mode, the built rigsmith binary writes a
// document into a temporary folder. The document is then loaded with
// QQmlEngine and QQmlComponent against the test-only stand-in of the runtime
// module (Quillon/ beside this file), created, its animations run for a
// moment and then to their end, and its skin states switched. Any error, and
// any warning or worse that reaches Qt's message handler on the way, fails
// the row. A few values are read back from the created objects and compared
// with the input's text.

#include "upgrade/upgrade.h"

#include <QtTest>

#include <QDirIterator>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlError>
#include <QQmlListReference>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

// How long each animation runs, and a bound on each conversion.
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
struct MessageCollector {
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

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The messages or errors, each followed by the line of QML it names, if any.
QString describe(const QStringList &messages, const QString &documentPath)
{
    const QStringList lines = QString::fromUtf8(readFile(documentPath)).split(QLatin1Char('\n'));
    const QRegularExpression lineReference(QStringLiteral("\\.qml:(\\d+)"));
    QString text;
    for (const QString &message : messages) {
        text += QLatin1String("\n  ") + message;
        const int line = lineReference.match(message).captured(1).toInt();
        if (line > 0 && line <= lines.size())
            text += QStringLiteral("\n    line %1: %2").arg(line).arg(lines.at(line - 1).trimmed());
    }
    return text + QLatin1String("\n  in ") + documentPath;
}

QString describe(const QList<QQmlError> &errors, const QString &documentPath)
{
    QStringList messages;
    for (const QQmlError &error : errors)
        messages.append(error.toString());
    return describe(messages, documentPath);
}

// Empty when no warning came since the last call, else what came.
QString warningsWhile(const QString &stage, const QString &documentPath)
{
    const QStringList messages = takeMessages();
    return messages.isEmpty() ? QString()
                              : QLatin1String("warnings while ") + stage
                    + describe(messages, documentPath);
}

#define VERIFY_NO_WARNINGS(stage)                                        \
    do {                                                                 \
        const QString warnings = warningsWhile(stage, document);         \
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings));              \
    } while (false)

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
    QStringList stateNames; // skin names upper-cased, in key order
    QStringList imageNames; // base names of the images of all items with a source
    QStringList slotColors; // per slot in array order; "" when it has none
    int boneCount = 0;
    int animationCount = 0;
};

Expected expectedFrom(const QJsonObject &file)
{
    // A newer file is held to the 2.x layout it is read as.
    CarryOverReport lost;
    Diagnostics quiet;
    const QJsonObject root = needsUpgrade(file) ? upgradeSetup(file, lost, quiet).skeleton : file;
    Expected expected;
    const QJsonObject skins = root.value(QLatin1String("skins")).toObject();
    for (auto skin = skins.begin(); skin != skins.end(); ++skin) {
        expected.stateNames.append(skin.key().toUpper());
        for (const QJsonValue &slot : skin.value().toObject()) {
            const QJsonObject attachments = slot.toObject();
            for (auto it = attachments.begin(); it != attachments.end(); ++it) {
                const QJsonObject attachment = it.value().toObject();
                QJsonValue name = attachment.value(QLatin1String("path"));
                if (name.isUndefined())
                    name = attachment.value(QLatin1String("name"));
                if (attachment.value(QLatin1String("type")).toString() != QLatin1String("boundingbox"))
                    expected.imageNames.append(name.isUndefined() ? it.key() : name.toString());
            }
        }
    }
    // Only six or eight hex digits are a colour; anything else is left out.
    const QRegularExpression isColor(QStringLiteral("^[0-9a-fA-F]{6}([0-9a-fA-F]{2})?$"));
    for (const QJsonValue &slot : root.value(QLatin1String("slots")).toArray()) {
        const QString color = slot.toObject().value(QLatin1String("color")).toString();
        expected.slotColors.append(isColor.match(color).hasMatch()
                                           ? QLatin1Char('#') + color.right(2) + color.left(6)
                                           : QString());
    }
    expected.boneCount = root.value(QLatin1String("bones")).toArray().size();
    expected.animationCount = root.value(QLatin1String("animations")).toObject().size();
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
    // rigsmith is run with, in the work folder; document: the file it writes.
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("imageFolder");

    const QString work = m_temp.path();
    const QDir corpus(QStringLiteral(QMLLOAD_CORPUS_DIR));
    const QStringList names = corpus.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    QVERIFY2(!names.isEmpty(), "the corpus is empty");
    QStringList inputs = {QStringLiteral(QMLLOAD_HERO_EXAMPLE)};
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
                    << input << arguments << document
                    << input.chopped(5) + QLatin1String("_images");
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
        QStringList arguments{windowsName};
        if (packed)
            arguments.append(QStringLiteral("packed"));
        QTest::newRow(qPrintable(windowsName + (packed ? "/packed" : "/normal")))
                << copied << arguments << work + QLatin1String("/C:\\art\\hero.qml")
                << QStringLiteral("c:\\art\\hero_images");
    }
}

void LoadTest::loads()
{
    QFETCH(QString, input);
    QFETCH(QStringList, arguments);
    QFETCH(QString, document);
    QFETCH(QString, imageFolder);
    if (!QFileInfo::exists(input))
        QSKIP(qPrintable(input + QLatin1String(" is not there yet")));
    const bool packed = arguments.last() == QLatin1String("packed");

    // Convert.
    QFile::remove(document);
    QProcess converter;
    converter.setWorkingDirectory(m_temp.path());
    converter.setProcessChannelMode(QProcess::MergedChannels);
    converter.start(QStringLiteral(RIGSMITH_BINARY), arguments);
    QVERIFY2(converter.waitForFinished(converterTimeoutMilliseconds), "rigsmith did not finish");
    const QString converterOutput = QString::fromUtf8(converter.readAll());
    QVERIFY2(converter.exitStatus() == QProcess::NormalExit && converter.exitCode() == 0,
             qPrintable(QLatin1String("rigsmith failed:\n") + converterOutput));
    QVERIFY2(QFileInfo::exists(document),
             qPrintable(document + QLatin1String(" not written:\n") + converterOutput));
    const Expected expected = expectedFrom(QJsonDocument::fromJson(readFile(input)).object());
    MessageCollector collector;

    // Load: the stand-in comes before every other import path, Qt's own
    // modules included, so that no installed module of that name is taken.
    QQmlEngine engine;
    engine.addImportPath(QStringLiteral(QMLLOAD_IMPORT_DIR));
    QQmlComponent component(&engine, QUrl::fromLocalFile(document));
    QVERIFY2(!component.isError(),
             qPrintable(QLatin1String("load failed:") + describe(component.errors(), document)));
    QVERIFY2(component.isReady(), qPrintable(QLatin1String("not ready, status ")
                                             + QString::number(component.status())));
    VERIFY_NO_WARNINGS(QStringLiteral("loading"));

    // Create.
    QScopedPointer<QObject> root(component.create());
    QVERIFY2(root, qPrintable(QLatin1String("create failed:") + describe(component.errors(), document)));
    VERIFY_NO_WARNINGS(QStringLiteral("creating"));

    // Values read back equal the input's text.
    QCOMPARE(root->property("imageFolder").toString(), imageFolder);
    QStringList sources;
    QStringList slotColors;
    int bones = 0;
    int packedImages = 0;
    for (QObject *object : root->findChildren<QObject *>()) {
        if (hasProperty(object, "trans") && hasProperty(object, "source")) {
            sources.append(sourceText(object));
            packedImages += QString::fromLatin1(object->metaObject()->className())
                                    .startsWith(QLatin1String("SpineImagePacked"));
        }
        if (hasProperty(object, "setupColor"))
            slotColors.append(object->property("setupColor").toString());
        bones += hasProperty(object, "dangle");
    }
    QCOMPARE(sources.size(), expected.imageNames.size());
    // The whole of imageFolder + "/" + name: an id that shadowed imageFolder
    // or imageFolderAndDash would change the folder part.
    for (const QString &name : expected.imageNames) {
        const QString ending = imageFolder + QLatin1Char('/') + name + QLatin1String(".png");
        QVERIFY2(std::any_of(sources.begin(), sources.end(),
                             [&](const QString &source) { return source.endsWith(ending); }),
                 qPrintable(QLatin1String("no item's source ends with ") + ending
                            + QLatin1String("; sources: ") + sources.join(QLatin1String(" | "))));
    }
    if (!packed)
        QCOMPARE(packedImages, 0);
    QCOMPARE(slotColors, expected.slotColors);
    QCOMPARE(bones, expected.boneCount);

    // Run every animation a moment. Animation aliases may be numbered and may
    // start with "_", image aliases may end in "Animation": the count makes
    // sure that every one was found.
    const QMetaObject *meta = root->metaObject();
    int animations = 0;
    for (int i = 0; i < meta->propertyCount(); ++i) {
        QObject *animation = meta->property(i).read(root.data()).value<QObject *>();
        if (!animation || !animation->inherits("QQuickParallelAnimation"))
            continue;
        ++animations;
        QVERIFY(animation->setProperty("running", true));
        QTest::qWait(animationMilliseconds);
        // Then straight to its end, so that every statement runs once: one
        // that names no item fails the row however late its key lies.
        QVERIFY(QMetaObject::invokeMethod(animation, "complete"));
        QVERIFY(animation->setProperty("running", false));
        VERIFY_NO_WARNINGS(QLatin1String("running ") + QLatin1String(meta->property(i).name()));
    }
    QCOMPARE(animations, expected.animationCount);

    // Switch the skins through their states. Skins whose names upper-case
    // alike get numbered states: "A", "A_2".
    QObject *skins = root->property("skins").value<QObject *>();
    QVERIFY2(skins, "no skins item");
    QQmlListReference states(skins, "states");
    QVERIFY(states.isValid());
    QCOMPARE(states.count(), expected.stateNames.size());
    QSet<QString> stateNames;
    for (int i = 0; i < states.count(); ++i) {
        const QString name = states.at(i)->property("name").toString();
        QVERIFY2(name == expected.stateNames.at(i)
                         || name.startsWith(expected.stateNames.at(i) + QLatin1Char('_')),
                 qPrintable(name));
        stateNames.insert(name);
        QVERIFY(skins->setProperty("state", name));
        QCoreApplication::processEvents();
        QCOMPARE(skins->property("state").toString(), name);
        VERIFY_NO_WARNINGS(QLatin1String("in state ") + name);
    }
    QCOMPARE(stateNames.size(), states.count());
    QVERIFY(skins->setProperty("state", QString()));

    root.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    VERIFY_NO_WARNINGS(QStringLiteral("destroying"));
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
