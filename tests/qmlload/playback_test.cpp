// Animations of generated documents, played in a real QML engine on a clock
// moved by hand: every key's value is reached at that key's own time.
#include "playback.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <cmath>

namespace {

struct Key {
    double time;
    double x;
};

// A skeleton whose bone "b" is translated through the keys, and whose
// bone "c" is keyed once at 0: the animation runs as long as the last key.
QByteArray skeletonWithKeys(const QVector<Key> &keys)
{
    QJsonArray translate;
    for (const Key &key : keys)
        translate.append(QJsonObject{{"time", key.time}, {"x", key.x}, {"y", 0}});
    const QJsonObject bones{{"b", QJsonObject{{"translate", translate}}}};
    const QJsonObject skeleton{
            {"bones", QJsonArray{QJsonObject{{"name", "root"}},
                                 QJsonObject{{"name", "b"}, {"parent", "root"}}}},
            {"animations", QJsonObject{{"run", QJsonObject{{"bones", bones}}}}}};
    return QJsonDocument(skeleton).toJson();
}

QVector<Key> evenKeys(int count, double step, double firstTime)
{
    QVector<Key> keys;
    for (int i = 0; i < count; ++i)
        keys.append({firstTime + i * step, double(10 * (i % 7) + i + 1)});
    return keys;
}

int nearestMillisecond(double seconds)
{
    return int(std::round(seconds * 1000));
}

} // namespace

Q_DECLARE_METATYPE(QVector<Key>)

class PlaybackTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keysAreReachedAtTheirTimes_data();
    void keysAreReachedAtTheirTimes();
};

void PlaybackTest::keysAreReachedAtTheirTimes_data()
{
    QTest::addColumn<QVector<Key>>("keys");
    QTest::newRow("30 keys a frame apart at 30 fps, the last at 1 s") << evenKeys(31, 1.0 / 30, 0);
    QTest::newRow("120 keys a frame apart at 60 fps") << evenKeys(120, 1.0 / 60, 0);
    QTest::newRow("first key after 0 holds the setup value until it")
            << evenKeys(40, 1.0 / 24, 0.25);
    QTest::newRow("times between milliseconds")
            << QVector<Key>{{0, 1}, {0.0337, 5}, {0.0671, -3}, {0.6667, 8}, {0.6675, 2},
                            {1.0005, 9}};
}

void PlaybackTest::keysAreReachedAtTheirTimes()
{
    QFETCH(QVector<Key>, keys);
    Playback playback;
    QVERIFY2(playback.create(skeletonWithKeys(keys)), qPrintable(playback.error()));
    QObject *run = playback.animation(QStringLiteral("run"));
    QVERIFY(run);
    QObject *bone = playback.root()->property("abBone").value<QObject *>();
    QVERIFY(bone);

    QHash<int, double> valueAt;
    const int last = nearestMillisecond(keys.last().time) + 5;
    playback.play(run, last, [&](int t) { valueAt.insert(t, bone->property("dx").toDouble()); });

    // Before the first key, the setup value (0).
    for (int t = 0; t < nearestMillisecond(keys.first().time); ++t)
        QVERIFY2(valueAt.value(t) == 0, qPrintable(QStringLiteral("at %1 ms: %2").arg(t).arg(valueAt.value(t))));
    // Each key's value, at its time to within a millisecond.
    for (const Key &key : keys) {
        const int t = nearestMillisecond(key.time);
        bool reached = false;
        for (int at = t - 1; at <= t + 1; ++at)
            reached = reached || qFuzzyCompare(1 + valueAt.value(at), 1 + key.x);
        QVERIFY2(reached, qPrintable(QStringLiteral("key at %1 s: %2 expected near %3 ms, got %4")
                                             .arg(key.time).arg(key.x).arg(t).arg(valueAt.value(t))));
    }
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    PlaybackTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "playback_test.moc"
