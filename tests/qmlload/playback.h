// Plays generated documents in a real QML engine on a clock the test moves
// by hand, one millisecond at a time, so that what a property holds at a
// given time of an animation can be read exactly, whatever the machine's load.
#pragma once

#include <QAnimationDriver>
#include <QByteArray>
#include <QObject>
#include <QQmlEngine>
#include <QScopedPointer>
#include <QString>
#include <QTemporaryDir>

#include <functional>

// The animation clock: time moves only when step() is called.
class ManualAnimationDriver : public QAnimationDriver
{
public:
    qint64 elapsed() const override { return m_now; }
    void step()
    {
        ++m_now;
        advance();
    }

private:
    qint64 m_now = 0;
};

class Playback
{
public:
    Playback();
    ~Playback();

    // Converts a skeleton with the built rigsmith and creates its document,
    // or, when a game's document is given, that one: it may use the
    // converted one as the type Skeleton. Null, with the reason in error(),
    // when any step fails or warns.
    QObject *create(const QByteArray &skeletonJson, const QByteArray &gameQml = QByteArray());
    QString error() const { return m_error; }
    QObject *root() const { return m_root.data(); }

    // The document's animation of that Spine name (its alias "<name>Animation").
    QObject *animation(const QString &spineName) const;

    // Starts the animation and calls atMillisecond(t) after it was at time t,
    // for t = 0 … lastMillisecond. Animation time and the clock match exactly.
    void play(QObject *animation, int lastMillisecond,
              const std::function<void(int)> &atMillisecond);

private:
    QTemporaryDir m_work;
    QQmlEngine m_engine;
    ManualAnimationDriver m_driver;
    QScopedPointer<QObject> m_metronome;
    QScopedPointer<QObject> m_root;
    QString m_error;
};
