#include "bone.h"
#include "ik_joint.h"
#include "slot.h"

#include "test_text.h"

#include <QtTest>

class SkeletonTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bone_data();
    void bone();
    void slot_data();
    void slot();
    void ikJoint_data();
    void ikJoint();
};

void SkeletonTest::bone_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<QString>("text");
    QTest::newRow("every key, y and rotation negated")
            << R"({"name": "left upper-arm", "parent": "Torso", "x": 12.25, "y": -3,
                  "rotation": -45.5, "length": 60, "inheritRotation": false})"
            << lines({"property alias aleftUpper_armBone : leftUpper_armBone",
                      "BoneTransform {", "\tid: leftUpper_armBone", "\tparentBone: torsoBone",
                      "\tx: 12.25", "\ty: 3", "\tangle: 45.5", "\tinheritRotation: false",
                      "\tlength: 60", "}"});
    QTest::newRow("name only")
            << R"({"name": "root"})"
            << lines({"property alias arootBone : rootBone", "BoneTransform {",
                      "\tid: rootBone", "}"});
    QTest::newRow("line order fixed, scale and inheritScale")
            << R"({"inheritScale": true, "scaleY": 2, "scaleX": 1.234567, "name": "Hip Left"})"
            << lines({"property alias ahipLeftBone : hipLeftBone", "BoneTransform {",
                      "\tid: hipLeftBone", "\txScale: 1.23457", "\tyScale: 2",
                      "\tinheritScale: true", "}"});
    QTest::newRow("unnamed bone gets a valid id")
            << R"({})"
            << lines({"property alias a_Bone : _Bone", "BoneTransform {", "\tid: _Bone", "}"});
    QTest::newRow("wrong types read as defaults")
            << R"({"name": "b", "parent": null, "x": "5", "inheritScale": 0, "rotation": 90,
                  "y": -7.5})"
            << lines({"property alias abBone : bBone", "BoneTransform {", "\tid: bBone",
                      "\tparentBone: _Bone", "\tx: 0", "\ty: 7.5", "\tangle: -90",
                      "\tinheritScale: false", "}"});
    QTest::newRow("zero y is written without sign")
            << R"({"name": "b", "y": 0})"
            << lines({"property alias abBone : bBone", "BoneTransform {", "\tid: bBone",
                      "\ty: 0", "}"});
}

void SkeletonTest::bone()
{
    QFETCH(QString, json);
    QFETCH(QString, text);
    QCOMPARE(writeBone(object(json.toUtf8())), text);
}

void SkeletonTest::slot_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<QString>("text");
    QTest::newRow("every key")
            << R"({"name": "left hand", "bone": "left-hand", "attachment": "hand 1",
                  "color": "ff8000c0"})"
            << lines({"Slot {", "\tid: leftHandSlot", "\tparent: root", "\tbone: left_handBone",
                      "\tsetupAttachment: hand1Attachment", "\tsetupColor: \"#c0ff8000\"", "}"});
    QTest::newRow("name and bone only")
            << R"({"name": "body", "bone": "root"})"
            << lines({"Slot {", "\tid: bodySlot", "\tparent: root", "\tbone: rootBone", "}"});
    QTest::newRow("missing name and bone")
            << R"({})"
            << lines({"Slot {", "\tid: _Slot", "\tparent: root", "\tbone: _Bone", "}"});
    QTest::newRow("null attachment is present")
            << R"({"name": "s", "bone": "b", "attachment": null})"
            << lines({"Slot {", "\tid: sSlot", "\tparent: root", "\tbone: bBone",
                      "\tsetupAttachment: _Attachment", "}"});
    QTest::newRow("colour not a string")
            << R"({"name": "s", "bone": "b", "color": 5})"
            << lines({"Slot {", "\tid: sSlot", "\tparent: root", "\tbone: bBone",
                      "\tsetupColor: \"#\"", "}"});
    QTest::newRow("colour case kept, six digits")
            << R"({"name": "s", "bone": "b", "color": "ff0000"})"
            << lines({"Slot {", "\tid: sSlot", "\tparent: root", "\tbone: bBone",
                      "\tsetupColor: \"#00ff0000\"", "}"});
    QTest::newRow("quote in a colour is escaped")
            << R"({"name": "s", "bone": "b", "color": "ff\"0000ff"})"
            << lines({"Slot {", "\tid: sSlot", "\tparent: root", "\tbone: bBone",
                      "\tsetupColor: \"#ffff\\\"000\"", "}"});
}

void SkeletonTest::slot()
{
    QFETCH(QString, json);
    QFETCH(QString, text);
    QCOMPARE(writeSlot(object(json.toUtf8())), text);
}

void SkeletonTest::ikJoint_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<QString>("text");
    QTest::newRow("two bones, every key")
            << R"({"name": "left leg IK", "target": "left foot target",
                  "bones": ["left thigh", "left shin"], "bendPositive": false, "mix": 0.75})"
            << lines({"IKJoint {", "\tid: leftLegIKJoint", "\ttarget: leftFootTargetBone",
                      "\tfirst: leftThighBone", "\tsecond: leftShinBone",
                      "\tbendPositive: false", "\tmix: 0.75", "}"});
    QTest::newRow("one bone has no second")
            << R"({"name": "a", "target": "t", "bones": ["x"], "mix": 1})"
            << lines({"IKJoint {", "\tid: aJoint", "\ttarget: tBone", "\tfirst: xBone",
                      "\tmix: 1", "}"});
    QTest::newRow("three bones write only the first")
            << R"({"name": "a", "target": "t", "bones": ["x", "y", "z"]})"
            << lines({"IKJoint {", "\tid: aJoint", "\ttarget: tBone", "\tfirst: xBone", "}"});
    QTest::newRow("no bones: no first line")
            << R"({"name": "a", "target": "t", "bones": []})"
            << lines({"IKJoint {", "\tid: aJoint", "\ttarget: tBone", "}"});
    QTest::newRow("bones not an array: no first line")
            << R"({"name": "a", "target": "t", "bones": "x"})"
            << lines({"IKJoint {", "\tid: aJoint", "\ttarget: tBone", "}"});
    QTest::newRow("unnamed joint, untargeted: the target names the unnamed bone")
            << R"({"bones": [3], "bendPositive": "yes"})"
            << lines({"IKJoint {", "\tid: joint", "\ttarget: _Bone", "\tfirst: _Bone",
                      "\tbendPositive: false", "}"});
    QTest::newRow("bend positive")
            << R"({"name": "a", "target": "t", "bones": ["x"], "bendPositive": true})"
            << lines({"IKJoint {", "\tid: aJoint", "\ttarget: tBone", "\tfirst: xBone",
                      "\tbendPositive: true", "}"});
}

void SkeletonTest::ikJoint()
{
    QFETCH(QString, json);
    QFETCH(QString, text);
    QCOMPARE(writeIkJoint(object(json.toUtf8())), text);
}

QTEST_APPLESS_MAIN(SkeletonTest)
#include "skeleton_test.moc"
