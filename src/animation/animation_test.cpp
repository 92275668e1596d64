#include "animation.h"
#include "bone_timelines.h"
#include "deform_timelines.h"
#include "slot_timelines.h"
#include "timeline.h"

#include "test_text.h"

#include <QtTest>

namespace {

QString action(const char *target, const char *property, const char *value)
{
    return QStringLiteral("PropertyAction { target: %1; property: \"%2\"; value: %3 }")
            .arg(QLatin1String(target), QLatin1String(property), QLatin1String(value));
}

} // namespace

class AnimationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void milliseconds_data();
    void milliseconds();
    void easing_data();
    void easing();
    void rotation_data();
    void rotation();
    void wholeAnimation_data();
    void wholeAnimation();
    void boneTimelines_data();
    void boneTimelines();
    void slotTimelines_data();
    void slotTimelines();
    void deformTimelines_data();
    void deformTimelines();
    void deformDebugLinesStayOutOfTheText();
};

void AnimationTest::milliseconds_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<int>("milliseconds");
    QTest::newRow("half a second") << 0.5 << 500;
    QTest::newRow("truncated, not rounded") << 0.0337 << 33;
    QTest::newRow("product rounded to a double first") << 0.3 << 300;
    QTest::newRow("a key before its predecessor lasts nothing") << -0.2505 << 0;
    QTest::newRow("huge clamps to the int range") << 1e300 << INT_MAX;
    QTest::newRow("huge negative lasts nothing") << -1e300 << 0;
    QTest::newRow("infinite clamps") << qInf() << INT_MAX;
    QTest::newRow("just past the int range") << 2147483.648 << INT_MAX;
}

void AnimationTest::milliseconds()
{
    QFETCH(double, seconds);
    QFETCH(int, milliseconds);
    QCOMPARE(segmentMilliseconds(seconds), milliseconds);
}

void AnimationTest::easing_data()
{
    QTest::addColumn<QByteArray>("curve");
    QTest::addColumn<QString>("text");
    QTest::newRow("bezier") << QByteArray("[0.25, 0, 0.75, 1]")
                            << "; easing.bezierCurve: [ 0.25, 0, 0.75, 1, 1,1 ]";
    QTest::newRow("empty array") << QByteArray("[]") << "; easing.bezierCurve: [ 1,1 ]";
    QTest::newRow("every element, non-numbers as 0")
            << QByteArray(R"([1, 2, 3, 4, 5, 6, 7, "x"])")
            << "; easing.bezierCurve: [ 1, 2, 3, 4, 5, 6, 7, 0, 1,1 ]";
    QTest::newRow("stepped is no easing") << QByteArray(R"("stepped")") << "";
    QTest::newRow("number is no easing") << QByteArray("3") << "";
}

void AnimationTest::easing()
{
    QFETCH(QByteArray, curve);
    QFETCH(QString, text);
    const QJsonValue value = QJsonDocument::fromJson("[" + curve + "]").array().at(0);
    QCOMPARE(easingText(value), text);
}

void AnimationTest::rotation_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("value");
    QTest::newRow("negated") << 90.0 << -90.0;
    QTest::newRow("wrapped down") << 200.0 << 160.0;
    QTest::newRow("wrapped up") << -200.0 << -160.0;
    QTest::newRow("upper bound stays") << 180.0 << -180.0;
    QTest::newRow("lower bound stays") << -180.0 << 180.0;
    QTest::newRow("wrapped once only") << 600.0 << -240.0;
    QTest::newRow("wrapped once only, other side") << -600.0 << 240.0;
}

void AnimationTest::rotation()
{
    QFETCH(double, angle);
    QFETCH(double, value);
    QCOMPARE(rotationValue(angle), value);
}

void AnimationTest::wholeAnimation_data()
{
    QTest::addColumn<QByteArray>("animations");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("a curve shapes the segment after its key")
            << QByteArray(R"({"walk cycle": {"bones": {"hip": {"rotate": [
                   {"time": 0, "angle": 10},
                   {"time": 0.5, "angle": -20, "curve": [0.25, 0, 0.75, 1]},
                   {"time": 1, "angle": 10}]}}}})")
            << "walk cycle"
            << lines({"ParallelAnimation {", "\tid: walkCycle", "\tSequentialAnimation {",
                      action("hipBone", "dangle", "-10"),
                      "PropertyAnimation { target: hipBone; property: \"dangle\"; from: -10; "
                      "to: 20; duration: 500 }",
                      "PropertyAnimation { target: hipBone; property: \"dangle\"; from: 20; "
                      "to: -10; duration: 500; easing.bezierCurve: [ 0.25, 0, 0.75, 1, 1,1 ] }",
                      "\t}", "}"});
    QTest::newRow("no timelines: the frame alone")
            << QByteArray(R"({"Run-Fast": {"events": []}})") << "Run-Fast"
            << lines({"ParallelAnimation {", "\tid: run_Fast", "}"});
    QTest::newRow("missing animation") << QByteArray("{}") << "default"
                                       << lines({"ParallelAnimation {", "\tid: _default", "}"});
    QTest::newRow("slots before bones before deform")
            << QByteArray(R"({"a": {"ffd": {"s": {"l": {"m": [{"time": 0}]}}},
                                    "bones": {"b": {"rotate": []}},
                                    "slots": {"s": {"attachment": [{"time": 0, "name": "x"}]}}}})")
            << "a"
            << lines({"ParallelAnimation {", "\tid: a", "\tSequentialAnimation {",
                      "ScriptAction { script: sSlot.attach(xAttachment); }", "}",
                      "\tSequentialAnimation {", "\t}", "\tSequentialAnimation {",
                      "PropertyAction { target: sLM; property: \"vertices\"; value: [  ] }",
                      "\t}", "}"});
}

void AnimationTest::wholeAnimation()
{
    QFETCH(QByteArray, animations);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QCOMPARE(writeAnimation(object(animations), name, QJsonArray(), QJsonObject()), text);
}

void AnimationTest::boneTimelines_data()
{
    QTest::addColumn<QByteArray>("bones");
    QTest::addColumn<QString>("text");
    QTest::newRow("translate: x as read, y negated, stepped is pause and jump")
            << QByteArray(R"({"left arm": {"translate": [{"time": 0, "x": 5, "y": 2},
                  {"time": 0.25, "x": 0, "y": -3, "curve": "stepped"},
                  {"time": 0.5, "x": 5, "y": 2}]}})")
            << lines({"\tSequentialAnimation {", action("leftArmBone", "dx", "5"),
                      "PropertyAnimation { target: leftArmBone; property: \"dx\"; from: 5; to: 0; "
                      "duration: 250 }",
                      "PauseAnimation { duration: 250 }", action("leftArmBone", "dx", "5"), "\t}",
                      "\tSequentialAnimation {", action("leftArmBone", "dy", "-2"),
                      "PropertyAnimation { target: leftArmBone; property: \"dy\"; from: -2; to: 3; "
                      "duration: 250 }",
                      "PauseAnimation { duration: 250 }", action("leftArmBone", "dy", "-2"),
                      "\t}"});
    QTest::newRow("empty and null timelines still write their sequences")
            << QByteArray(R"({"a": {"rotate": []}, "b": {"rotate": null}, "c": {"other": []}})")
            << lines({"\tSequentialAnimation {", "\t}", "\tSequentialAnimation {", "\t}"});
    QTest::newRow("scale starts from 1, a missing field animates to 0")
            << QByteArray(R"({"hip": {"scale": [{"time": 0.2, "x": 1.5}]}})")
            << lines({"\tSequentialAnimation {",
                      "PropertyAnimation { target: hipBone; property: \"dxScale\"; from: 1; "
                      "to: 1.5; duration: 200 }",
                      "\t}", "\tSequentialAnimation {",
                      "PropertyAnimation { target: hipBone; property: \"dyScale\"; from: 1; "
                      "to: 0; duration: 200 }",
                      "\t}"});
    QTest::newRow("rotate, scale, translate order; time 0 keeps the previous time")
            << QByteArray(R"({"hip": {"translate": [{"time": 0.1, "x": 1}],
                  "rotate": [{"time": 0, "angle": 30}, {"time": 0, "angle": 200},
                             {"time": 0.3, "angle": 0, "curve": 5}]}})")
            << lines({"\tSequentialAnimation {", action("hipBone", "dangle", "-30"),
                      action("hipBone", "dangle", "160"),
                      "PropertyAnimation { target: hipBone; property: \"dangle\"; from: 160; "
                      "to: 0; duration: 300 }",
                      "\t}", "\tSequentialAnimation {",
                      "PropertyAnimation { target: hipBone; property: \"dx\"; from: 0; to: 1; "
                      "duration: 100 }",
                      "\t}", "\tSequentialAnimation {",
                      "PropertyAnimation { target: hipBone; property: \"dy\"; from: 0; to: 0; "
                      "duration: 100 }",
                      "\t}"});
    QTest::newRow("keys out of order and equal times last nothing")
            << QByteArray(R"({"b": {"rotate": [{"time": 0.5}, {"time": 0.25}, {"time": 0.25}]}})")
            << lines({"\tSequentialAnimation {",
                      "PropertyAnimation { target: bBone; property: \"dangle\"; from: 0; to: 0; "
                      "duration: 500 }",
                      "PropertyAnimation { target: bBone; property: \"dangle\"; from: 0; to: 0; "
                      "duration: 0 }",
                      "PropertyAnimation { target: bBone; property: \"dangle\"; from: 0; to: 0; "
                      "duration: 0 }",
                      "\t}"});
}

void AnimationTest::boneTimelines()
{
    QFETCH(QByteArray, bones);
    QFETCH(QString, text);
    QCOMPARE(writeBoneTimelines(object(bones)), text);
}

void AnimationTest::slotTimelines_data()
{
    QTest::addColumn<QByteArray>("animatedSlots");
    QTest::addColumn<QString>("text");
    QTest::newRow("attachments switch after pauses, null shows none")
            << QByteArray(R"({"eye": {"attachment": [{"time": 0, "name": "eye open"},
                  {"time": 1.5, "name": null}, {"time": 2, "name": "eye open"}]}})")
            << lines({"\tSequentialAnimation {",
                      "ScriptAction { script: eyeSlot.attach(eyeOpenAttachment); }",
                      "PauseAnimation { duration: 1500 }",
                      "ScriptAction { script: eyeSlot.attach(null); }",
                      "PauseAnimation { duration: 500 }",
                      "ScriptAction { script: eyeSlot.attach(eyeOpenAttachment); }", "}"});
    QTest::newRow("colour from the setup colour, stepped jump")
            << QByteArray(R"({"eye": {"color": [{"time": 0.5, "color": "00ff0080"},
                  {"time": 1, "color": "0000ffff", "curve": "stepped"},
                  {"time": 2, "color": "ffffffff"}]}})")
            << lines({"\tSequentialAnimation {",
                      "ColorAnimation { target: eyeSlot; property: \"color\"; from: \"#ffff0000\"; "
                      "to: \"#8000ff00\"; duration: 500 }",
                      "ColorAnimation { target: eyeSlot; property: \"color\"; from: \"#8000ff00\"; "
                      "to: \"#ff0000ff\"; duration: 500 }",
                      "PauseAnimation { duration: 1000 }",
                      action("eyeSlot", "color", "\"#ffffffff\""), "}"});
    QTest::newRow("no setup colour starts from white; bezier; no colour text animates as white")
            << QByteArray(R"({"mouth": {"color": [{"time": 0, "color": "ff00ff00", "curve": [1, 2, 3, 4]},
                  {"time": 0.25, "color": "ff\"00ff00"}]}})")
            << lines({"\tSequentialAnimation {", action("mouthSlot", "color", "\"#00ff00ff\""),
                      "ColorAnimation { target: mouthSlot; property: \"color\"; "
                      "from: \"#00ff00ff\"; to: \"#ffffffff\"; duration: 250; "
                      "easing.bezierCurve: [ 1, 2, 3, 4, 1,1 ] }",
                      "}"});
    QTest::newRow("colours of the wrong type or length set white, six digits kept")
            << QByteArray(R"({"mouth": {"color": [{"time": 0, "color": 7}, {"time": 0, "color": "abc"},
                  {"time": 0, "color": "a0b0c0"}]}})")
            << lines({"\tSequentialAnimation {", action("mouthSlot", "color", "\"#ffffffff\""),
                      action("mouthSlot", "color", "\"#ffffffff\""),
                      action("mouthSlot", "color", "\"#c0a0b0c0\""), "}"});
    QTest::newRow("empty or non-array timelines write nothing")
            << QByteArray(R"({"a": {"attachment": [], "color": {}}, "b": {}})") << QString();
    QTest::newRow("attachment before colour; unnamed key, first key after 0")
            << QByteArray(R"({"eye": {"color": [{"time": 0, "color": "ffffffff"}],
                  "attachment": [{"time": 0.25}]}})")
            << lines({"\tSequentialAnimation {", "PauseAnimation { duration: 250 }",
                      "ScriptAction { script: eyeSlot.attach(_Attachment); }", "}",
                      "\tSequentialAnimation {", action("eyeSlot", "color", "\"#ffffffff\""),
                      "}"});
}

void AnimationTest::slotTimelines()
{
    QFETCH(QByteArray, animatedSlots);
    QFETCH(QString, text);
    const QJsonArray skeletonSlots =
            object(R"({"slots": [{"name": "eye", "color": "00000000"}, {"name": "mouth"},
                                 {"name": "eye", "bone": "head", "color": "ff0000ff"}]})")
                    .value(QLatin1String("slots"))
                    .toArray();
    QCOMPARE(writeSlotTimelines(object(animatedSlots), skeletonSlots), text);
}

void AnimationTest::deformTimelines_data()
{
    QTest::addColumn<QByteArray>("ffd");
    QTest::addColumn<QString>("text");
    QTest::newRow("deltas over the setup list, never accumulated")
            << QByteArray(R"({"default": {"face": {"mouth": [{"time": 0},
                  {"time": 0.4, "offset": 2, "vertices": [5, -5], "curve": [0.5, 0, 0.5, 1]},
                  {"time": 0.8}]}}})")
            << lines({"\tSequentialAnimation {",
                      "PropertyAction { target: defaultSkinFaceMouth; property: \"vertices\"; "
                      "value: [ 0, 0, 10, 0, 10, 10, 0, 10 ] }",
                      "PropertyAnimation { target: defaultSkinFaceMouth; property: \"vertices\"; "
                      "from: [ 0, 0, 10, 0, 10, 10, 0, 10 ] ; to: [ 0, 0, 15, -5, 10, 10, 0, 10 ] "
                      "; duration: 400 }",
                      "PropertyAnimation { target: defaultSkinFaceMouth; property: \"vertices\"; "
                      "from: [ 0, 0, 15, -5, 10, 10, 0, 10 ] ; to: [ 0, 0, 10, 0, 10, 10, 0, 10 ] "
                      "; duration: 400; easing.bezierCurve: [ 0.5, 0, 0.5, 1, 1,1 ] }",
                      "\t}"});
    QTest::newRow("every attachment of the slot, excess deltas dropped, stepped")
            << QByteArray(R"({"default": {"face": {"mouth": [
                  {"time": 0.5, "offset": 6, "vertices": [1, 2, 3, 4], "curve": "stepped"},
                  {"time": 1, "offset": 1e10}], "zz": [{"time": 0}]}}})")
            << lines({"\tSequentialAnimation {",
                      "PropertyAnimation { target: defaultSkinFaceMouth; property: \"vertices\"; "
                      "from: [ 0, 0, 10, 0, 10, 10, 0, 10 ] ; to: [ 0, 0, 10, 0, 10, 10, 1, 12 ] "
                      "; duration: 500 }",
                      "PauseAnimation { duration: 500 }",
                      "PropertyAction { target: defaultSkinFaceMouth; property: \"vertices\"; "
                      "value: [ 0, 0, 10, 0, 10, 10, 0, 10 ] }",
                      "\t}",
                      "\tSequentialAnimation {",
                      "PropertyAction { target: defaultSkinFaceZz; property: \"vertices\"; "
                      "value: [  ] }",
                      "\t}"});
    QTest::newRow("unknown attachment has an empty setup list")
            << QByteArray(R"({"arms": {"left": {"hand mesh": [{"time": 0, "vertices": [1]}]}}})")
            << lines({"\tSequentialAnimation {",
                      "PropertyAction { target: armsLeftHandMesh; property: \"vertices\"; "
                      "value: [  ] }",
                      "\t}"});
    QTest::newRow("empty section, slot naming no attachment")
            << QByteArray(R"({"default": {"face": {}, "hair": 3}})") << QString();
}

void AnimationTest::deformTimelines()
{
    QFETCH(QByteArray, ffd);
    QFETCH(QString, text);
    const QJsonObject root = object(R"({"skins": {"default": {"face": {"mouth":
            {"type": "mesh", "vertices": [0, 0, 10, 0, 10, 10, 0, 10]}}}}})");
    QCOMPARE(writeDeformTimelines(object(ffd), root), text);
}

namespace {
QStringList debugLines;
void collectDebugLines(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        debugLines.append(message);
}
} // namespace

void AnimationTest::deformDebugLinesStayOutOfTheText()
{
    debugLines.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectDebugLines);
    const QString text = writeDeformTimelines(object(R"({"a": {"s": {}, "t": {"m": []}}})"),
                                              QJsonObject());
    qInstallMessageHandler(previous);
    QCOMPARE(debugLines, QStringList({"one ffd", "one slot", "one slot"}));
    QCOMPARE(text, lines({"\tSequentialAnimation {", "\t}"}));
}

QTEST_APPLESS_MAIN(AnimationTest)
#include "animation_test.moc"
