#include "attachment_index.h"
#include "attachment_item.h"
#include "skinned_mesh_item.h"
#include "skins.h"

#include "test_text.h"

#include <QtTest>

namespace {

const QByteArray twoBones = R"({"bones": [{"name": "root"}, {"name": "left arm"}]})";

} // namespace

class SkinsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void attachmentContainers_data();
    void attachmentContainers();
    void skinsSection();
    void skinsSectionEdges_data();
    void skinsSectionEdges();
    void attachmentItems_data();
    void attachmentItems();
    void imageAliases();
    void skinnedVertices_data();
    void skinnedVertices();
};

void SkinsTest::attachmentContainers_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("text");
    QTest::newRow("skins and setup attachments, sorted, setup slot named")
            << QByteArray(R"({"skins": {"default": {"left hand": {"hand 1": {}, "hand 2": {}},
                                                     "head": {"head": {}}},
                                         "goblin": {"head": {"goblin head": {}}}},
                              "slots": [{"name": "left hand", "bone": "arm", "attachment": "hand 1"},
                                        {"name": "head", "bone": "neck", "attachment": "head"}]})")
            << lines({"Item {", "\tid: attachments", "\tvisible: false", "",
                      "Attachment { id: goblinHeadAttachment }",
                      "Attachment { id: hand1Attachment; setupParent: leftHandSlot }",
                      "Attachment { id: hand2Attachment }",
                      "Attachment { id: headAttachment; setupParent: headSlot }", "}"});
    QTest::newRow("nothing at all")
            << QByteArray("{}")
            << lines({"Item {", "\tid: attachments", "\tvisible: false", "", "}"});
    QTest::newRow("later slot wins, name held by several skins declared once")
            << QByteArray(R"({"skins": {"a": {"s": {"x": {}}}, "b": {"t": {"x": {}}}},
                              "slots": [{"name": "one", "attachment": "x"},
                                        {"name": "two", "attachment": "x"}]})")
            << lines({"Item {", "\tid: attachments", "\tvisible: false", "",
                      "Attachment { id: xAttachment; setupParent: twoSlot }", "}"});
    QTest::newRow("setup attachment no skin holds, null name, unnamed slot")
            << QByteArray(R"({"slots": [{"name": "s", "attachment": null},
                                        {"attachment": "lonely"}]})")
            << lines({"Item {", "\tid: attachments", "\tvisible: false", "",
                      "Attachment { id: _Attachment; setupParent: sSlot }",
                      "Attachment { id: lonelyAttachment }", "}"});
}

void SkinsTest::attachmentContainers()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, text);
    QCOMPARE(writeAttachments(object(json)), text);
}

void SkinsTest::skinsSection()
{
    const QJsonObject skins = object(R"({"default": {"head": {"head": {}}},
                                         "goblin": {"head": {"goblin head": {}}}})");
    QMap<QString, QString> aliases;
    const QString expected = lines({
            "property Item skins: Item {", "visible: false", "", "states: [", "State {",
            "\tname: \"DEFAULT\"",
            "PropertyChanges { target: defaultSkinHeadHead; parent: headAttachment }", "},",
            "State {", "\tname: \"GOBLIN\"",
            "PropertyChanges { target: goblinHeadGoblinHead; parent: goblinHeadAttachment }",
            "}", "]", "Item {", "\tid: defaultSkin", "", "\tSpineImage {",
            "\t\tid: defaultSkinHeadHead", "\t\tsource: imageFolderAndDash + \"head.png\"",
            "\t\tparent: headAttachment", "\t}", "\t}", "Item {", "\tid: goblin", "", "\tSpineImage {",
            "\t\tid: goblinHeadGoblinHead", "\t\tsource: imageFolderAndDash + \"goblin head.png\"",
            "\t}", "\t}", "}"});
    QCOMPARE(writeSkins(false, skins, QJsonObject(), aliases), expected);
    QCOMPARE(aliases.keys(), QStringList({"adefaultSkinHead", "agoblinGoblinHead"}));
}

void SkinsTest::skinsSectionEdges_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("text");
    QTest::newRow("no skins")
            << QByteArray("{}")
            << lines({"property Item skins: Item {", "visible: false", "", "}"});
    QTest::newRow("one skin without slots, no comma")
            << QByteArray(R"({"Default": {}})")
            << lines({"property Item skins: Item {", "visible: false", "", "states: [",
                      "State {", "\tname: \"DEFAULT\"", "}", "]", "Item {", "\tid: _default",
                      "", "}", "}"});
    QTest::newRow("second item continues the trailing tab, same name in two slots")
            << QByteArray(R"({"red": {"a": {"x": {"type": "boundingbox"}},
                                      "b": {"x": {"type": "boundingbox"}}}})")
            << lines({"property Item skins: Item {", "visible: false", "", "states: [",
                      "State {", "\tname: \"RED\"",
                      "PropertyChanges { target: redAX; parent: xAttachment }",
                      "PropertyChanges { target: redBX; parent: xAttachment }", "}", "]",
                      "Item {", "\tid: red", "", "\tItem {", "\t\tid: redAX", "\t}",
                      "\t\tItem {", "\t\tid: redBX", "\t}", "\t}", "}"});
    QTest::newRow("state name upper-cased and escaped")
            << QByteArray(R"({"say \"hi\"": {}})")
            << lines({"property Item skins: Item {", "visible: false", "", "states: [",
                      "State {", "\tname: \"SAY \\\"HI\\\"\"", "}", "]", "Item {",
                      "\tid: say_hi_", "", "}", "}"});
}

void SkinsTest::skinsSectionEdges()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, text);
    QMap<QString, QString> aliases;
    QCOMPARE(writeSkins(false, object(json), QJsonObject(), aliases), text);
}

void SkinsTest::attachmentItems_data()
{
    QTest::addColumn<bool>("packed");
    QTest::addColumn<QString>("skin");
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("text");
    QTest::newRow("image of the default skin")
            << false << "default skin"
            << QByteArray(R"({"x": 10.5, "y": -3, "rotation": 90, "width": 64, "height": 32})")
            << lines({"SpineImage {", "\tid: defaultSkinLeftHandHand_1",
                      "\tsource: imageFolderAndDash + \"hand-1.png\"",
                      "\tparent: hand_1Attachment", "\ttrans.x: 10.5", "\ttrans.y: 3",
                      "\trot.angle: -90", "\twidth: 64", "\theight: 32", "}"});
    QTest::newRow("packed image of another skin, named file, wrong types")
            << true << "goblin"
            << QByteArray(R"({"type": "Mesh", "name": "img/hand", "x": null, "y": 0,
                              "scaleX": 2, "scaleY": "3"})")
            << lines({"SpineImagePacked {", "\tid: goblinLeftHandHand_1",
                      "\tsource: imageFolderAndDash + \"img/hand.png\"", "\ttrans.x: 0",
                      "\ttrans.y: 0", "\tscale.xScale: 2", "\tscale.yScale: 0", "}"});
    QTest::newRow("image name not a string, quote in the name escaped")
            << false << "goblin" << QByteArray(R"({"name": 7})")
            << lines({"SpineImage {", "\tid: goblinLeftHandHand_1",
                      "\tsource: imageFolderAndDash + \".png\"", "}"});
    QTest::newRow("mesh: vertices as they stand, every list line")
            << false << "default skin"
            << QByteArray(R"({"type": "mesh", "name": "a\"b", "uvs": [0, 1], "triangles": [1000000],
                              "vertices": [1, 2, 3, 4], "edges": "none", "width": 5})")
            << lines({"SpineMeshItem {", "\tid: defaultSkinLeftHandHand_1", "\tpacked: false",
                      "\tsource: imageFolderAndDash + \"a\\\"b.png\"",
                      "\tparent: hand_1Attachment", "\twidth: 5", "\tuvs: [ 0, 1 ] ",
                      "\ttriangles: [ 1e+06 ] ", "\tvertices: [ 1, 2, 3, 4 ] ",
                      "\tedges: [  ] ", "}"});
    QTest::newRow("packed mesh keeps its type")
            << true << "goblin" << QByteArray(R"({"type": "mesh"})")
            << lines({"SpineMeshItem {", "\tid: goblinLeftHandHand_1", "\tpacked: true",
                      "\tsource: imageFolderAndDash + \"hand-1.png\"", "}"});
    QTest::newRow("skinned mesh: four lists, bone vertices flipped")
            << false << "goblin"
            << QByteArray(R"({"type": "skinnedmesh", "uvs": [0.5], "edges": [2],
                              "vertices": [2, 0, 10, 20, 0.25, 1, -5, 6, 0.75, 1, 1, 3, 4, 1]})")
            << lines({"SpineSkinnedMeshItem {", "\tid: goblinLeftHandHand_1", "\tpacked: false",
                      "\tsource: imageFolderAndDash + \"hand-1.png\"", "\tuvs: [ 0.5 ] ",
                      "\tboneCounts: [ 2, 1 ] ", "\tbones: [ rootBone, leftArmBone, leftArmBone ]",
                      "\tboneVertices: [ 10, -20, -5, -6, 3, -4 ] ",
                      "\tweights: [ 0.25, 0.75, 1 ] ", "\tedges: [ 2 ] ", "}"});
    QTest::newRow("skinned mesh without vertices writes none of the four")
            << true << "goblin" << QByteArray(R"({"type": "skinnedmesh", "triangles": []})")
            << lines({"SpineSkinnedMeshItem {", "\tid: goblinLeftHandHand_1", "\tpacked: true",
                      "\tsource: imageFolderAndDash + \"hand-1.png\"", "\ttriangles: [  ] ",
                      "}"});
    QTest::newRow("bounding box: points flipped, trailing separator kept")
            << true << "default skin"
            << QByteArray(R"({"type": "boundingbox", "vertices": [1, 2, 3, 4], "x": 9})")
            << lines({"Item {", "\tid: defaultSkinLeftHandHand_1", "\tparent: hand_1Attachment",
                      "\tproperty var vertices: [ Qt.point( 1, -2), Qt.point( 3, -4),  ] ",
                      "}"});
    QTest::newRow("bounding box of odd length drops the unpaired value")
            << false << "goblin" << QByteArray(R"({"type": "boundingbox", "vertices": [1, 0, 3]})")
            << lines({"Item {", "\tid: goblinLeftHandHand_1",
                      "\tproperty var vertices: [ Qt.point( 1, 0),  ] ", "}"});
    QTest::newRow("bounding box without vertices")
            << false << "goblin" << QByteArray(R"({"type": "boundingbox"})")
            << lines({"Item {", "\tid: goblinLeftHandHand_1", "}"});
}

void SkinsTest::attachmentItems()
{
    QFETCH(bool, packed);
    QFETCH(QString, skin);
    QFETCH(QByteArray, json);
    QFETCH(QString, text);
    QMap<QString, QString> aliases;
    QCOMPARE(attachmentItem(packed, object(json), QStringLiteral("hand-1"),
                            QStringLiteral("left hand"), skin, object(twoBones), aliases),
             text);
    const bool isImage = text.startsWith(QLatin1String("SpineImage"));
    QCOMPARE(aliases.size(), isImage ? 1 : 0);
}

void SkinsTest::imageAliases()
{
    // Two slots of one skin with an attachment of the same name: one alias,
    // naming the item of the later slot.
    QMap<QString, QString> aliases;
    writeSkins(false, object(R"({"default": {"a": {"hand-1": {}}, "b": {"hand-1": {}}}})"),
               QJsonObject(), aliases);
    QMap<QString, QString> expected;
    expected.insert(QStringLiteral("adefaultSkinHand_1"), QStringLiteral("defaultSkinBHand_1"));
    QCOMPARE(aliases, expected);
}

void SkinsTest::skinnedVertices_data()
{
    QTest::addColumn<QByteArray>("vertices");
    QTest::addColumn<VertexList>("counts");
    QTest::addColumn<QStringList>("bones");
    QTest::addColumn<VertexList>("boneVertices");
    QTest::addColumn<VertexList>("weights");
    QTest::newRow("empty") << QByteArray("[]") << VertexList{} << QStringList{} << VertexList{}
                           << VertexList{};
    QTest::newRow("zero and negative counts read no influences")
            << QByteArray("[0, -2, 0]") << VertexList{0, -2, 0} << QStringList{} << VertexList{}
            << VertexList{};
    QTest::newRow("bad bone indices give the unnamed bone")
            << QByteArray("[3, -1, 1, 2, 1, 7, 3, 4, 1, 3e9, 5, 6, 1]") << VertexList{3}
            << QStringList{"_Bone", "_Bone", "_Bone"} << VertexList{1, 2, 3, 4, 5, 6}
            << VertexList{1, 1, 1};
    QTest::newRow("count promising more than remains: vertex dropped, splitting stops")
            << QByteArray("[1, 0, 1, 2, 1, 2, 1, 5, 6, 1]") << VertexList{1}
            << QStringList{"rootBone"} << VertexList{1, 2} << VertexList{1};
    QTest::newRow("last influence short of values dropped")
            << QByteArray("[1, 1, 1, 2, 1, 1, 1, 3, 4]") << VertexList{1}
            << QStringList{"leftArmBone"} << VertexList{1, 2} << VertexList{1};
    QTest::newRow("count far beyond the int range")
            << QByteArray("[1e300, 0, 1, 2, 1]") << VertexList{} << QStringList{}
            << VertexList{} << VertexList{};
    QTest::newRow("counts and indices rounded half up, as strings parsed")
            << QByteArray(R"([0.5, 0.6, 1, 2, 1, "1", "1", 3, 4, 1])") << VertexList{1, 1}
            << QStringList{"leftArmBone", "leftArmBone"} << VertexList{1, 2, 3, 4}
            << VertexList{1, 1};
}

void SkinsTest::skinnedVertices()
{
    QFETCH(QByteArray, vertices);
    QFETCH(VertexList, counts);
    QFETCH(QStringList, bones);
    QFETCH(VertexList, boneVertices);
    QFETCH(VertexList, weights);
    const SkinnedVertices split =
            splitSkinnedVertices(QJsonDocument::fromJson(vertices).array(),
                                 object(twoBones).value(QLatin1String("bones")).toArray());
    QCOMPARE(split.boneCounts, counts);
    QCOMPARE(split.bones, bones);
    QCOMPARE(split.boneVertices, boneVertices);
    QCOMPARE(split.weights, weights);
}

QTEST_APPLESS_MAIN(SkinsTest)
#include "skins_test.moc"
