#include "playback.h"

#include <QCoreApplication>
#include <QFile>
#include <QMetaProperty>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlError>

namespace {

QString errorsText(const QList<QQmlError> &errors)
{
    QString text;
    for (const QQmlError &error : errors)
        text += error.toString() + QLatin1Char('\n');
    return text;
}

// While only pauses run, the engine would hand its clock to a real-time
// timer; one endless animation beside the document's keeps it on ours.
const char metronomeQml[] =
        "import QtQuick 2.0\n"
        "Item { NumberAnimation on x { from: 0; to: 1; duration: 100000000; running: true } }\n";

} // namespace

Playback::Playback()
{
    m_engine.addImportPath(QStringLiteral(QMLLOAD_IMPORT_DIR));
    m_driver.install();
    QQmlComponent metronome(&m_engine);
    metronome.setData(metronomeQml, QUrl());
    m_metronome.reset(metronome.create());
    if (!m_metronome)
        m_error = errorsText(metronome.errors());
    // The engine starts its timers through queued calls.
    for (int i = 0; i < 10 && !m_driver.isRunning(); ++i)
        QCoreApplication::processEvents();
    if (!m_driver.isRunning())
        m_error = QStringLiteral("the animation clock did not start");
    for (int i = 0; i < 10; ++i)
        m_driver.step();
}

Playback::~Playback()
{
    m_root.reset();
    m_metronome.reset();
    m_driver.uninstall();
}

QObject *Playback::create(const QByteArray &skeletonJson, const QByteArray &gameQml)
{
    const QString input = m_work.filePath(QStringLiteral("skeleton.json"));
    const QString document = m_work.filePath(QStringLiteral("Skeleton.qml"));
    QFile file(input);
    if (!file.open(QIODevice::WriteOnly) || file.write(skeletonJson) != skeletonJson.size()) {
        m_error = QStringLiteral("cannot write ") + input;
        return nullptr;
    }
    file.close();
    QProcess converter;
    converter.setProcessChannelMode(QProcess::MergedChannels);
    converter.start(QStringLiteral(RIGSMITH_BINARY), {input, document});
    if (!converter.waitForFinished(20000) || converter.exitCode() != 0) {
        m_error = QStringLiteral("rigsmith failed: ") + QString::fromUtf8(converter.readAll());
        return nullptr;
    }
    QString loaded = document;
    if (!gameQml.isEmpty()) {
        loaded = m_work.filePath(QStringLiteral("Game.qml"));
        QFile game(loaded);
        if (!game.open(QIODevice::WriteOnly) || game.write(gameQml) != gameQml.size()) {
            m_error = QStringLiteral("cannot write ") + loaded;
            return nullptr;
        }
    }
    QQmlComponent component(&m_engine, QUrl::fromLocalFile(loaded));
    m_root.reset(component.create());
    if (!m_root)
        m_error = errorsText(component.errors());
    return m_root.data();
}

QObject *Playback::animation(const QString &spineName) const
{
    const QMetaObject *meta = m_root->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        QObject *animation = meta->property(i).read(m_root.data()).value<QObject *>();
        if (animation && animation->inherits("QQuickParallelAnimation")
            && QString::fromLatin1(meta->property(i).name()) == spineName + QLatin1String("Animation"))
            return animation;
    }
    return nullptr;
}

void Playback::play(QObject *animation, int lastMillisecond,
                    const std::function<void(int)> &atMillisecond)
{
    // Starting sets the animation at time 0 at once; the engine takes it
    // into its ticks once the event loop has run.
    animation->setProperty("running", true);
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    atMillisecond(0);
    for (int t = 1; t <= lastMillisecond; ++t) {
        m_driver.step();
        atMillisecond(t);
    }
    animation->setProperty("running", false);
}
