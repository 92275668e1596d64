#include "identifier.h"
#include "qml_ids.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

class QmlIdsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nameRule_data();
    void nameRule();
    void nonStringNamesAreEmpty();
    void repair_data();
    void repair();
    void idsOfEachKind_data();
    void idsOfEachKind();
};

void QmlIdsTest::nameRule_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("identifier");
    QTest::newRow("words joined in camel case") << "left arm" << "leftArm";
    QTest::newRow("first capital lowered") << "Hip" << "hip";
    QTest::newRow("only the first letter lowered") << "Big Head" << "bigHead";
    QTest::newRow("dash slash dot become underscores") << "L-leg/upper.2" << "l_leg_upper_2";
    QTest::newRow("two spaces drop the empty word") << "a  b" << "aB";
    QTest::newRow("leading digit kept") << "2nd bone" << "2ndBone";
    QTest::newRow("spaces only") << "   " << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("words after dashes") << "Animation Walk-2" << "animationWalk_2";
    QTest::newRow("accented capital lowered") << QString::fromUtf8("Émile")
                                              << QString::fromUtf8("émile");
    QTest::newRow("word starting with sharp s upper-cased as a string")
            << QString::fromUtf8("a ßb") << QString::fromUtf8("aSSb");
    QTest::newRow("other punctuation untouched") << "a(b)$" << "a(b)$";
    QTest::newRow("leading space: the joined word is lowered again") << " x" << "x";
}

void QmlIdsTest::nameRule()
{
    QFETCH(QString, name);
    QFETCH(QString, identifier);
    QCOMPARE(qmlIdentifier(name), identifier);
    QCOMPARE(qmlIdentifier(QJsonValue(name)), identifier);
}

void QmlIdsTest::nonStringNamesAreEmpty()
{
    QCOMPARE(qmlIdentifier(QJsonValue(3.0)), QString());
    QCOMPARE(qmlIdentifier(QJsonValue(true)), QString());
    QCOMPARE(qmlIdentifier(QJsonValue(QJsonValue::Null)), QString());
    QCOMPARE(qmlIdentifier(QJsonValue(QJsonArray{QStringLiteral("a")})), QString());
    QCOMPARE(qmlIdentifier(QJsonValue(QJsonValue::Undefined)), QString());
}

void QmlIdsTest::repair_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("repaired");
    QTest::newRow("valid id untouched") << "leftArmBone" << "leftArmBone";
    QTest::newRow("underscore start is valid") << "_x" << "_x";
    QTest::newRow("valid CJK after a lower-case letter untouched")
            << QString::fromUtf8("a骨骼") << QString::fromUtf8("a骨骼");
    QTest::newRow("leading digit") << "2ndBoneBone" << "_2ndBoneBone";
    QTest::newRow("upper-case start") << "Bone" << "_Bone";
    QTest::newRow("CJK start is not lower case") << QString::fromUtf8("骨骼Bone")
                                                 << QString::fromUtf8("_骨骼Bone");
    QTest::newRow("reserved word") << "default" << "_default";
    QTest::newRow("global that would be masked") << "print" << "_print";
    QTest::newRow("literal that fails as alias target") << "null" << "_null";
    QTest::newRow("this") << "this" << "_this";
    QTest::newRow("parenthesis and dollar") << "a(b)$" << "a_b__";
    QTest::newRow("quote backslash newline") << "a\"\\\nb" << "a___b";
    QTest::newRow("superscript digit is no decimal digit") << QString::fromUtf8("x²")
                                                           << "x_";
    QTest::newRow("combining mark") << QString::fromUtf8("e\u0301") << "e_";
    QTest::newRow("letter outside the basic plane, per code unit")
            << QString::fromUtf8("a\U0001D400") << "a__";
    QTest::newRow("empty") << "" << "_";
    QTest::newRow("repaired text equal to a reserved word") << "$for" << "_for";
    QTest::newRow("reserved word is case-sensitive") << "Default" << "_Default";
    QTest::newRow("the root's own id") << "root" << "_root";
    QTest::newRow("the attachments item's id") << "attachments" << "_attachments";
    QTest::newRow("a root property an id would shadow") << "imageFolder" << "_imageFolder";
}

void QmlIdsTest::repair()
{
    QFETCH(QString, id);
    QFETCH(QString, repaired);
    QCOMPARE(validQmlId(id), repaired);
    QVERIFY(isValidQmlId(repaired));
}

void QmlIdsTest::idsOfEachKind_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("expected");
    QTest::newRow("bone") << boneId(QStringLiteral("left arm")) << "leftArmBone";
    QTest::newRow("unnamed bone") << boneId(QString()) << "_Bone";
    QTest::newRow("bone with leading digit") << boneId(QStringLiteral("2nd bone"))
                                             << "_2ndBoneBone";
    QTest::newRow("slot") << slotId(QStringLiteral("left hand")) << "leftHandSlot";
    QTest::newRow("joint") << jointId(QStringLiteral("left leg IK")) << "leftLegIKJoint";
    QTest::newRow("unnamed joint joins the suffix first") << jointId(QString()) << "joint";
    QTest::newRow("container") << containerId(QStringLiteral("hand-1")) << "hand_1Attachment";
    QTest::newRow("skin item") << skinItemId(QStringLiteral("default skin")) << "defaultSkin";
    QTest::newRow("skin item named as a reserved word") << skinItemId(QStringLiteral("default"))
                                                        << "_default";
    QTest::newRow("attachment item")
            << attachmentItemId(QStringLiteral("default skin"), QStringLiteral("left hand"),
                                QStringLiteral("hand-1"))
            << "defaultSkinLeftHandHand_1";
    QTest::newRow("animation") << animationId(QStringLiteral("Run-Fast")) << "run_Fast";
    QTest::newRow("animation named print") << animationId(QStringLiteral("print")) << "_print";
    QTest::newRow("bone alias") << boneAliasName(QStringLiteral("2nd")) << "a_2ndBone";
    QTest::newRow("animation alias") << animationAliasName(QStringLiteral("default"))
                                     << "_defaultAnimation";
    QTest::newRow("image alias from skin and attachment only")
            << imageAliasName(QStringLiteral("default skin"), QStringLiteral("hand-1"))
            << "adefaultSkinHand_1";
    QTest::newRow("image alias repaired as a whole")
            << imageAliasName(QStringLiteral("goblin"), QStringLiteral("eye (left)"))
            << "agoblinEye_left_";
}

void QmlIdsTest::idsOfEachKind()
{
    QFETCH(QString, id);
    QFETCH(QString, expected);
    QCOMPARE(id, expected);
}

QTEST_APPLESS_MAIN(QmlIdsTest)
#include "qml_ids_test.moc"
