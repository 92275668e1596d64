// Animations of generated documents, played in a real QML engine on a clock
// moved by hand: every key's value is reached at that key's own time.
#include "playback.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJSValue>
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
    void drawOrderEventsAndIkChangeAtTheirKeys();
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

namespace {

// Slots told apart by their setup colours; an IK constraint whose setup mix
// and bend the animation changes; events over their setup values.
const char keyedSkeleton[] = R"({
  "bones": [{"name": "root"}, {"name": "leg", "parent": "root"}],
  "slots": [
    {"name": "body", "bone": "root", "color": "000001ff"},
    {"name": "arm", "bone": "root", "color": "000002ff"},
    {"name": "hand", "bone": "root", "color": "000003ff"}
  ],
  "ik": [{"name": "reach", "target": "root", "bones": ["leg"], "mix": 0.5}],
  "events": {"footstep": {"string": "left", "audio": "step.ogg", "volume": 0.75}},
  "animations": {"act": {
    "ik": {"reach": [
      {"time": 0.1, "mix": 0.2, "bendPositive": false},
      {"time": 0.3, "mix": 1, "curve": "stepped"},
      {"time": 0.5, "mix": 0}
    ]},
    "drawOrder": [
      {"time": 0.2, "offsets": [{"slot": "body", "offset": 2}]},
      {"time": 0.4}
    ],
    "events": [
      {"time": 0.15, "name": "footstep", "int": 2},
      {"time": 0.15, "name": "footstep", "float": 0.5, "balance": -1},
      {"time": 0.35, "name": "land", "int": 3e10, "string": "hard"}
    ]
  }}
})";

// A game that receives the events in the form the README gives, and notes
// each call with its arguments.
const char gameQml[] =
        "import QtQuick 2.0\n"
        "Skeleton {\n"
        "    property var calls: []\n"
        "    onSpineEvent: function(name, intValue, floatValue, stringValue, audioPath, volume,"
        " balance) {\n"
        "        calls.push(JSON.stringify([name, intValue, floatValue, stringValue, audioPath,"
        " volume, balance]))\n"
        "    }\n"
        "}\n";

// What the document shows at one time.
struct Pose {
    QString order; // slot names from the lowest z up
    double mix;
    bool bendPositive;
    int calls;

    bool operator==(const Pose &other) const
    {
        return order == other.order && qFuzzyCompare(1 + mix, 1 + other.mix)
                && bendPositive == other.bendPositive && calls == other.calls;
    }
};

QString describe(const Pose &pose)
{
    return QStringLiteral("%1, mix %2, bend %3, %4 events")
            .arg(pose.order)
            .arg(pose.mix)
            .arg(pose.bendPositive ? QStringLiteral("+") : QStringLiteral("-"))
            .arg(pose.calls);
}

QStringList messages;
void collect(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        messages.append(message);
}

} // namespace

void PlaybackTest::drawOrderEventsAndIkChangeAtTheirKeys()
{
    Playback playback;
    QObject *game = playback.create(keyedSkeleton, gameQml);
    QVERIFY2(game, qPrintable(playback.error()));
    QObject *act = playback.animation(QStringLiteral("act"));
    QVERIFY(act);
    QMap<QString, QObject *> slotByColor;
    QObject *joint = nullptr;
    for (QObject *child : game->findChildren<QObject *>()) {
        if (child->metaObject()->indexOfProperty("setupColor") >= 0)
            slotByColor.insert(child->property("setupColor").toString(), child);
        if (child->metaObject()->indexOfProperty("bendPositive") >= 0)
            joint = child;
    }
    QCOMPARE(slotByColor.size(), 3);
    QVERIFY(joint);
    const QVector<QPair<QString, QObject *>> slotItems = {{"body", slotByColor.value("#ff000001")},
                                                          {"arm", slotByColor.value("#ff000002")},
                                                          {"hand", slotByColor.value("#ff000003")}};
    const auto poseNow = [&] {
        QMultiMap<double, QString> byZ;
        for (const auto &slot : slotItems)
            byZ.insert(slot.second->property("z").toDouble(), slot.first);
        const QStringList order = byZ.values();
        return Pose{order.join(QLatin1Char(' ')), joint->property("mix").toDouble(),
                    joint->property("bendPositive").toBool(),
                    int(game->property("calls").value<QJSValue>().property("length").toInt())};
    };

    QHash<int, Pose> poses;
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    playback.play(act, 520, [&](int t) { poses.insert(t, poseNow()); });
    qInstallMessageHandler(previous);
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));

    // Just before and just after each key (a key may land on its own
    // millisecond or the next); the mix between keys is linear.
    const QVector<QPair<int, Pose>> expected = {
            {1, {"body arm hand", 0.5, true, 0}},    {99, {"body arm hand", 0.5, true, 0}},
            {101, {"body arm hand", 0.204, false, 0}}, {149, {"body arm hand", 0.396, false, 0}},
            {151, {"body arm hand", 0.404, false, 2}}, {199, {"body arm hand", 0.596, false, 2}},
            {201, {"arm hand body", 0.604, false, 2}}, {299, {"arm hand body", 0.996, false, 2}},
            {301, {"arm hand body", 1, true, 2}},    {349, {"arm hand body", 1, true, 2}},
            {351, {"arm hand body", 1, true, 3}},    {399, {"arm hand body", 1, true, 3}},
            {401, {"body arm hand", 1, true, 3}},    {499, {"body arm hand", 1, true, 3}},
            {501, {"body arm hand", 0, true, 3}},
    };
    for (const auto &check : expected) {
        QVERIFY2(poses.value(check.first) == check.second,
                 qPrintable(QStringLiteral("at %1 ms: %2, expected %3")
                                    .arg(check.first)
                                    .arg(describe(poses.value(check.first)),
                                         describe(check.second))));
    }
    // The arguments in the order of the keys: each key's own values over the
    // event's setup, the defaults for an event without one, the int clamped.
    const QStringList calls = game->property("calls").value<QJSValue>().toVariant().toStringList();
    QCOMPARE(calls, QStringList({
                            R"(["footstep",2,0,"left","step.ogg",0.75,0])",
                            R"(["footstep",0,0.5,"left","step.ogg",0.75,-1])",
                            R"(["land",2147483647,0,"hard","",1,0])",
                    }));
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
