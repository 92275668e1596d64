// The skins of a 3.x binary export and the attachments they hold.

#include "reader_3x.h"

namespace {

enum AttachmentType { Region, BoundingBox, Mesh, LinkedMesh, Path, Point, Clipping };

const char *const attachmentTypeNames[] = {"region", "boundingbox", "mesh", "linkedmesh",
                                           "path",   "point",       "clipping"};

// Where an attachment is, for the messages.
struct AttachmentPlace {
    QString key;
    QString slot;
    QString description() const
    {
        return QStringLiteral("attachment %1 of slot %2").arg(quotedName(key), quotedName(slot));
    }
};

void putColour(Reader3x &r, QJsonObject &attachment, const char *omitted)
{
    insertColor(attachment, quint32(r.input.readInt32()), omitted);
}

void readPathText(Reader3x &r, QJsonObject &attachment, const QString &shownName)
{
    insertPath(attachment, readRef(r), shownName);
}

QJsonArray readFloats(Reader3x &r, qint64 count, int decimals)
{
    QJsonArray values;
    for (qint64 i = 0; i < count; ++i)
        values.append(readNumber(r, decimals));
    return values;
}

QJsonArray readShorts(Reader3x &r)
{
    const int count = r.input.readCount(2);
    QJsonArray values;
    for (int i = 0; i < count; ++i)
        values.append(int(r.input.readUnsignedShort()));
    return values;
}

// Weighted vertices as the JSON export flattens them: per vertex the bone
// count, then bone index, x, y and weight per bone.
QJsonArray readWeightedVertices(Reader3x &r, int vertexCount)
{
    QJsonArray vertices;
    for (int v = 0; v < vertexCount; ++v) {
        // Bone index, x, y and weight.
        const int boneCount = r.input.readCount(13);
        vertices.append(boneCount);
        for (int b = 0; b < boneCount; ++b) {
            vertices.append(readTableIndex(r, r.bones.size(), "bone", "bones"));
            vertices.append(readNumber(r, 5));
            vertices.append(readNumber(r, 5));
            vertices.append(readNumber(r, 5));
        }
    }
    return vertices;
}

void readVertices(Reader3x &r, int vertexCount, QJsonObject &attachment, const AttachmentPlace &place)
{
    ContextScope scope(r.input, QStringLiteral("the vertices of ") + place.description());
    const bool weighted = r.input.readBool();
    attachment.insert(QStringLiteral("vertices"), weighted ? readWeightedVertices(r, vertexCount)
                                                           : readFloats(r, 2 * qint64(vertexCount), 5));
}

void readRegion(Reader3x &r, QJsonObject &a, const QString &shownName)
{
    readPathText(r, a, shownName);
    readPlacement(r, a);
    a.insert(QStringLiteral("width"), readNumber(r, 2));
    a.insert(QStringLiteral("height"), readNumber(r, 2));
    putColour(r, a, "ffffffff");
}

void readBoundingBox(Reader3x &r, QJsonObject &a, const AttachmentPlace &place)
{
    const int vertexCount = r.input.readCount(1);
    a.insert(QStringLiteral("vertexCount"), vertexCount);
    readVertices(r, vertexCount, a, place);
    if (r.nonessential)
        putColour(r, a, "60f000ff");
}

// The size the editor shows a mesh at, nonessential.
void readMeshSize(Reader3x &r, QJsonObject &a)
{
    readNumberUnless(r, a, QStringLiteral("width"), 2, 0);
    readNumberUnless(r, a, QStringLiteral("height"), 2, 0);
}

void readMesh(Reader3x &r, QJsonObject &a, const QString &shownName, const AttachmentPlace &place)
{
    readPathText(r, a, shownName);
    putColour(r, a, "ffffffff");
    // Two numbers of uvs per vertex at least.
    const int vertexCount = r.input.readCount(8);
    a.insert(QStringLiteral("uvs"), readFloats(r, 2 * qint64(vertexCount), 5));
    a.insert(QStringLiteral("triangles"), readShorts(r));
    readVertices(r, vertexCount, a, place);
    a.insert(QStringLiteral("hull"), readNonNegative(r, "hull length"));
    if (!r.nonessential)
        return;
    a.insert(QStringLiteral("edges"), readShorts(r));
    readMeshSize(r, a);
}

void readLinkedMesh(Reader3x &r, QJsonObject &a, const QString &shownName)
{
    readPathText(r, a, shownName);
    putColour(r, a, "ffffffff");
    const QString skin = readRef(r);
    if (!skin.isNull())
        a.insert(QStringLiteral("skin"), skin);
    a.insert(QStringLiteral("parent"), readRequiredRef(r, QStringLiteral("the parent mesh")));
    if (!r.input.readBool())
        a.insert(QStringLiteral("deform"), false);
    if (r.nonessential)
        readMeshSize(r, a);
}

void readPath(Reader3x &r, QJsonObject &a, const AttachmentPlace &place)
{
    if (r.input.readBool())
        a.insert(QStringLiteral("closed"), true);
    if (!r.input.readBool())
        a.insert(QStringLiteral("constantSpeed"), false);
    const int vertexCount = r.input.readCount(1);
    a.insert(QStringLiteral("vertexCount"), vertexCount);
    readVertices(r, vertexCount, a, place);
    a.insert(QStringLiteral("lengths"), readFloats(r, vertexCount / 3, 2));
    if (r.nonessential)
        putColour(r, a, "ff7f00ff");
}

void readPoint(Reader3x &r, QJsonObject &a)
{
    readRotationAndPosition(r, a);
    if (r.nonessential)
        putColour(r, a, "f1f100ff");
}

void readClipping(Reader3x &r, QJsonObject &a, const AttachmentPlace &place)
{
    a.insert(QStringLiteral("end"), readSlotName(r));
    const int vertexCount = r.input.readCount(1);
    a.insert(QStringLiteral("vertexCount"), vertexCount);
    readVertices(r, vertexCount, a, place);
    // The export writes a clipping colour even when it is the default.
    if (r.nonessential)
        putColour(r, a, nullptr);
}

int readAttachmentType(Reader3x &r)
{
    const int type = r.input.readByte();
    const int known = r.features.v36 ? Clipping : Path;
    if (type > known)
        failIn(r, QStringLiteral("an unknown attachment type %1").arg(type));
    return type;
}

QJsonObject readAttachment(Reader3x &r, const AttachmentPlace &place)
{
    ContextScope scope(r.input, place.description());
    QJsonObject a;
    const QString name = readRef(r);
    if (!name.isNull() && name != place.key)
        a.insert(QStringLiteral("name"), name);
    const QString shownName = name.isNull() ? place.key : name;
    const int type = readAttachmentType(r);
    if (type != Region)
        a.insert(QStringLiteral("type"), QLatin1String(attachmentTypeNames[type]));
    switch (type) {
    case Region:
        readRegion(r, a, shownName);
        break;
    case BoundingBox:
        readBoundingBox(r, a, place);
        break;
    case Mesh:
        readMesh(r, a, shownName, place);
        break;
    case LinkedMesh:
        readLinkedMesh(r, a, shownName);
        break;
    case Path:
        readPath(r, a, place);
        break;
    case Point:
        readPoint(r, a);
        break;
    case Clipping:
        readClipping(r, a, place);
        break;
    }
    return a;
}

// The slot entries of one skin, {slotName: {key: attachment}}; a slot that
// comes twice gets the attachments of both.
JsonMembers2 readSkinAttachments(Reader3x &r, int slotCount)
{
    JsonMembers2 attachments;
    for (int i = 0; i < slotCount; ++i) {
        const QString slot = readSlotName(r);
        JsonMembers &slotAttachments = attachments[slot];
        // A key, a name and a type at least.
        const int count = r.input.readCount(3);
        for (int k = 0; k < count; ++k) {
            const QString key = readRequiredRef(r, QStringLiteral("an attachment of slot ") + quotedName(slot));
            slotAttachments.insert(key, readAttachment(r, {key, slot}));
        }
    }
    return attachments;
}

// The bones or constraints a 3.8.14+ skin names.
void putSkinList(Reader3x &r, QJsonObject &skin, const QString &key, const QStringList &table,
                 const char *what, const char *tableName)
{
    insertUnlessEmpty(skin, key, readNameList(r, table, what, tableName));
}

QJsonObject readNamedSkinListed(Reader3x &r, const QString &name)
{
    QJsonObject skin;
    skin.insert(QStringLiteral("name"), name);
    putSkinList(r, skin, QStringLiteral("bones"), r.bones, "bone", "bones");
    putSkinList(r, skin, QStringLiteral("ik"), r.ikConstraints, "IK constraint", "IK constraints");
    putSkinList(r, skin, QStringLiteral("transform"), r.transformConstraints, "transform constraint",
                "transform constraints");
    putSkinList(r, skin, QStringLiteral("path"), r.pathConstraints, "path constraint",
                "path constraints");
    // A slot index and an attachment count per slot at least.
    skin.insert(QStringLiteral("attachments"), toObject(readSkinAttachments(r, r.input.readCount(2))));
    return skin;
}

// Before 3.8.14: {skinName: {slotName: {key: attachment}}}. A skin name that
// comes twice gets the slots of both rather than losing the first.
void mergeSkin(JsonMembers3 &skins, const QString &name, const JsonMembers2 &attachments)
{
    JsonMembers2 &merged = skins[name];
    for (auto slot = attachments.begin(); slot != attachments.end(); ++slot) {
        JsonMembers &mergedSlot = merged[slot.key()];
        for (auto it = slot.value().begin(); it != slot.value().end(); ++it)
            mergedSlot.insert(it.key(), it.value());
    }
}

} // namespace

QJsonValue readSkins3x(Reader3x &r)
{
    ContextScope scope(r.input, QStringLiteral("the skins"));
    const bool listed = r.features.skinBones;
    JsonMembers3 skinObject;
    QJsonArray skinArray;
    const int defaultSlots = r.input.readCount(2);
    if (defaultSlots > 0) {
        const QString name = QStringLiteral("default");
        ContextScope inner(r.input, QStringLiteral("the default skin"));
        const JsonMembers2 attachments = readSkinAttachments(r, defaultSlots);
        if (listed)
            skinArray.append(QJsonObject{{QStringLiteral("name"), name},
                                         {QStringLiteral("attachments"), toObject(attachments)}});
        else
            mergeSkin(skinObject, name, attachments);
        r.skins.append(name);
    }
    // A name and a slot count at least; 3.8.14+ four lists more.
    const int count = r.input.readCount(listed ? 6 : 2);
    for (int i = 0; i < count; ++i) {
        const QString name = listed ? readRequiredRef(r, QStringLiteral("skin %1").arg(i))
                                    : r.input.readName(QStringLiteral("skin %1").arg(i));
        ContextScope inner(r.input, QStringLiteral("skin ") + quotedName(name));
        if (listed)
            skinArray.append(readNamedSkinListed(r, name));
        else
            mergeSkin(skinObject, name, readSkinAttachments(r, r.input.readCount(2)));
        r.skins.append(name);
    }
    return listed ? QJsonValue(skinArray) : QJsonValue(toObject(skinObject));
}
