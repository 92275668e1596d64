// The skins of a 4.x export and their attachments.
#include "json_number.h"
#include "names_4x.h"
#include "reader_4x.h"

#include <QHash>

namespace {

QPair<QPair<int, int>, QString> meshKey(int skin, int slot, const QString &name)
{
    return {{skin, slot}, name};
}

enum AttachmentType { RegionType, BoundingBoxType, MeshType, LinkedMeshType, PathType, PointType, ClippingType };

// Flag bits of a 4.2 attachment.
enum AttachmentFlag { HasName = 8, Bit4 = 16, Bit5 = 32, Bit6 = 64, Bit7 = 128 };

void insertImageFields(QJsonObject &json, const ImageFields &fields, const QString &name)
{
    insertPath(json, fields.path, name);
    insertColor(json, fields.color, "ffffffff");
}

} // namespace

QJsonArray Reader4x::readSkins()
{
    QVector<SkinParts> skins;
    {
        ContextScope scope(m_in, QStringLiteral("the default skin"));
        const int slotCount = m_in.readCount(2);
        if (slotCount > 0) {
            const QString name = QStringLiteral("default");
            m_skins.names.append(name);
            SkinParts skin;
            skin.skin.insert(QStringLiteral("name"), name);
            readAttachmentBlock(skin, slotCount);
            skins.append(skin);
        }
    }
    ContextScope scope(m_in, QStringLiteral("the skins"));
    const int count = m_in.readCount(6);
    for (int i = 0; i < count; ++i)
        skins.append(readNamedSkin(i));
    resolveLinkedMeshes(skins);
    QJsonArray array;
    for (SkinParts &parts : skins) {
        // A slot listed twice in one skin holds the attachments of both
        // entries, rather than the later one alone.
        QHash<QString, int> slotAt;
        QVector<ObjectBuilder> perSlot;
        QStringList slotNames;
        for (const SlotAttachments &slot : qAsConst(parts.slots)) {
            auto at = slotAt.constFind(slot.slot);
            if (at == slotAt.constEnd()) {
                at = slotAt.insert(slot.slot, perSlot.size());
                perSlot.append(ObjectBuilder());
                slotNames.append(slot.slot);
            }
            for (const auto &attachment : slot.attachments)
                perSlot[at.value()].add(attachment.first, attachment.second);
        }
        ObjectBuilder attachments;
        for (int i = 0; i < perSlot.size(); ++i)
            attachments.add(slotNames.at(i), perSlot[i].build());
        if (!attachments.isEmpty())
            parts.skin.insert(QStringLiteral("attachments"), attachments.build());
        array.append(parts.skin);
    }
    return array;
}

Reader4x::SkinParts Reader4x::readNamedSkin(int index)
{
    const QString what = QStringLiteral("skin %1").arg(index);
    const QString name = m_layout.namesAsStrings ? m_in.readName(what)
                                                 : readRequiredStringRef(what);
    ContextScope scope(m_in, quotedName("skin", name));
    m_skins.names.append(name);
    SkinParts parts;
    QJsonObject &skin = parts.skin;
    skin.insert(QStringLiteral("name"), name);
    if (m_layout.skinColors && m_nonessential)
        insertColor(skin, quint32(m_in.readInt32()), "fe9e4fff");
    insertUnlessEmpty(skin, QStringLiteral("bones"), readNames(m_bones));
    insertUnlessEmpty(skin, QStringLiteral("ik"), readNames(m_ik));
    insertUnlessEmpty(skin, QStringLiteral("transform"), readNames(m_transform));
    insertUnlessEmpty(skin, QStringLiteral("path"), readNames(m_path));
    if (m_layout.physics)
        insertUnlessEmpty(skin, QStringLiteral("physics"), readNames(m_physics));
    readAttachmentBlock(parts, m_in.readCount(2));
    return parts;
}

void Reader4x::readAttachmentBlock(SkinParts &skin, int slotCount)
{
    for (int i = 0; i < slotCount; ++i) {
        const int slot = readIndex(m_slots);
        SlotAttachments entry;
        entry.slot = charge(m_slots.names.at(slot));
        ContextScope scope(m_in, QStringLiteral("the attachments of ") + quotedName("slot", entry.slot));
        // A key and a type at least.
        const int count = m_in.readCount(2);
        for (int k = 0; k < count; ++k) {
            const QString key = readRequiredStringRef(
                    QStringLiteral("an attachment of ") + quotedName("slot", entry.slot));
            const int linkedBefore = m_linkedMeshes.size();
            entry.attachments.append({key, readAttachment(key, slot)});
            if (m_linkedMeshes.size() > linkedBefore) {
                m_linkedMeshes.last().slotEntry = skin.slots.size();
                m_linkedMeshes.last().attachmentEntry = entry.attachments.size() - 1;
            }
        }
        if (!entry.attachments.isEmpty())
            skin.slots.append(entry);
    }
}

QJsonObject Reader4x::readAttachment(const QString &key, int slot)
{
    const QString description = quotedName("attachment", key) + QLatin1String(" of ")
            + quotedName("slot", m_slots.names.at(slot));
    ContextScope scope(m_in, description);
    int flags = 0;
    int type = 0;
    QString name;
    if (m_layout.flagFields) {
        flags = m_in.readByte();
        type = flags & 7;
        if (flags & HasName)
            name = readStringRef();
    } else {
        name = readStringRef();
        type = m_in.readByte();
    }
    if (name.isNull())
        name = key;
    QJsonObject json;
    if (name != key)
        json.insert(QStringLiteral("name"), name);
    const QString typeName = enumName(type, names4x::attachmentType, QStringLiteral("attachment type"));
    if (type != RegionType)
        json.insert(QStringLiteral("type"), typeName);
    switch (type) {
    case RegionType:
        readRegion(json, flags, name);
        break;
    case BoundingBoxType:
        readVertexAttachment(json, flags);
        if (m_nonessential)
            insertColor(json, quint32(m_in.readInt32()), "60f000ff");
        break;
    case MeshType:
        readMesh(json, flags, name);
        m_meshes.insert(meshKey(m_skins.names.size() - 1, slot, key));
        break;
    case LinkedMeshType:
        readLinkedMesh(json, flags, name, slot, key, description);
        m_meshes.insert(meshKey(m_skins.names.size() - 1, slot, key));
        break;
    case PathType:
        readPath(json, flags);
        break;
    case PointType:
        insertUnless(json, QStringLiteral("rotation"), readNumber(2), 0);
        json.insert(QStringLiteral("x"), readNumber(2));
        json.insert(QStringLiteral("y"), readNumber(2));
        if (m_nonessential)
            insertColor(json, quint32(m_in.readInt32()), "f1f100ff");
        break;
    case ClippingType:
        json.insert(QStringLiteral("end"), readReference(m_slots));
        readVertexAttachment(json, flags);
        // The export writes a clipping colour even when it is the default.
        if (m_nonessential)
            insertColor(json, quint32(m_in.readInt32()), nullptr);
        break;
    }
    return json;
}

// 4.2 regions and meshes start with the path, colour and sequence that
// flag bits 4 to 6 say are there.
ImageFields Reader4x::readFlaggedImageFields(QJsonObject &json, int flags)
{
    ImageFields fields;
    if (flags & Bit4)
        fields.path = readStringRef();
    if (flags & Bit5)
        fields.color = quint32(m_in.readInt32());
    if (flags & Bit6)
        json.insert(QStringLiteral("sequence"), readSequence());
    return fields;
}

void Reader4x::readSize(QJsonObject &json)
{
    json.insert(QStringLiteral("width"), readNumber(2));
    json.insert(QStringLiteral("height"), readNumber(2));
}

void Reader4x::readRegion(QJsonObject &json, int flags, const QString &name)
{
    ImageFields fields;
    double rotation = 0;
    if (m_layout.flagFields) {
        fields = readFlaggedImageFields(json, flags);
        if (flags & Bit7)
            rotation = readNumber(2);
    } else {
        fields.path = readStringRef();
        rotation = readNumber(2);
    }
    insertUnless(json, QStringLiteral("rotation"), rotation, 0);
    insertUnless(json, QStringLiteral("x"), readNumber(2), 0);
    insertUnless(json, QStringLiteral("y"), readNumber(2), 0);
    insertUnless(json, QStringLiteral("scaleX"), readNumber(4), 1);
    insertUnless(json, QStringLiteral("scaleY"), readNumber(4), 1);
    readSize(json);
    if (!m_layout.flagFields) {
        fields.color = quint32(m_in.readInt32());
        readSequenceIfThere(json);
    }
    insertImageFields(json, fields, name);
}

QJsonObject Reader4x::readSequence()
{
    ContextScope scope(m_in, QStringLiteral("the sequence of ") + m_in.context());
    QJsonObject sequence;
    sequence.insert(QStringLiteral("count"), m_in.readVarint());
    insertUnless(sequence, QStringLiteral("start"), m_in.readVarint(), 1);
    insertUnless(sequence, QStringLiteral("digits"), m_in.readVarint(), 0);
    insertUnless(sequence, QStringLiteral("setup"), m_in.readVarint(), 0);
    return sequence;
}

void Reader4x::readSequenceIfThere(QJsonObject &json)
{
    // 4.1: a bool says whether a sequence follows; 4.0 has none.
    if (m_layout.sequences && m_in.readBool())
        json.insert(QStringLiteral("sequence"), readSequence());
}

void Reader4x::readVertices(QJsonObject &json, int vertexCount, bool weighted)
{
    ContextScope scope(m_in, QStringLiteral("the vertices of ") + m_in.context());
    QJsonArray vertices;
    if (!weighted) {
        for (int i = 0; i < vertexCount * 2; ++i)
            vertices.append(readNumber(2));
    } else {
        for (int i = 0; i < vertexCount; ++i) {
            // A bone index and three floats each.
            const int bones = m_in.readCount(13);
            vertices.append(bones);
            for (int b = 0; b < bones; ++b) {
                vertices.append(readIndex(m_bones));
                vertices.append(readNumber(2));
                vertices.append(readNumber(2));
                vertices.append(readNumber(5));
            }
        }
    }
    json.insert(QStringLiteral("vertices"), vertices);
}

int Reader4x::readVertexCountAndVertices(QJsonObject &json, int flags, int weightedBit)
{
    // 4.2 says "weighted" in a flag bit before the count, 4.0/4.1 in a bool
    // after it. Every vertex takes at least two floats or a bone count.
    const int vertexCount = m_in.readCount(1);
    const bool weighted = m_layout.flagFields ? (flags & weightedBit) != 0 : m_in.readBool();
    readVertices(json, vertexCount, weighted);
    return vertexCount;
}

void Reader4x::readVertexAttachment(QJsonObject &json, int flags)
{
    json.insert(QStringLiteral("vertexCount"), readVertexCountAndVertices(json, flags, Bit4));
}

QJsonArray Reader4x::readIndices(int count)
{
    QJsonArray indices;
    for (int i = 0; i < count; ++i)
        indices.append(m_layout.flagFields ? m_in.readVarint() : int(qint16(m_in.readUnsignedShort())));
    return indices;
}

QJsonArray Reader4x::readUvs(int vertexCount)
{
    ContextScope scope(m_in, QStringLiteral("the uvs of ") + m_in.context());
    QJsonArray uvs;
    for (int i = 0; i < vertexCount * 2; ++i)
        uvs.append(readNumber(5));
    return uvs;
}

void Reader4x::readMesh(QJsonObject &json, int flags, const QString &name)
{
    ImageFields fields;
    int hull = 0;
    if (m_layout.flagFields) {
        fields = readFlaggedImageFields(json, flags);
        hull = m_in.readVarint();
        const int vertexCount = readVertexCountAndVertices(json, flags, Bit7);
        json.insert(QStringLiteral("uvs"), readUvs(vertexCount));
        ContextScope scope(m_in, QStringLiteral("the triangles of ") + m_in.context());
        const qint64 triangles = (2 * qint64(vertexCount) - hull - 2) * 3;
        if (hull < 0 || triangles < 0 || triangles > m_in.bytesLeft())
            m_in.fail(QStringLiteral("a hull of %1 of %2 vertices in %3")
                              .arg(hull).arg(vertexCount).arg(m_in.context()));
        json.insert(QStringLiteral("triangles"), readIndices(int(triangles)));
    } else {
        fields.path = readStringRef();
        fields.color = quint32(m_in.readInt32());
        const int vertexCount = m_in.readCount(8);
        json.insert(QStringLiteral("uvs"), readUvs(vertexCount));
        {
            ContextScope scope(m_in, QStringLiteral("the triangles of ") + m_in.context());
            json.insert(QStringLiteral("triangles"), readIndices(m_in.readCount(2)));
        }
        readVertices(json, vertexCount, m_in.readBool());
        hull = m_in.readVarint();
        readSequenceIfThere(json);
    }
    json.insert(QStringLiteral("hull"), hull);
    insertImageFields(json, fields, name);
    if (m_nonessential) {
        ContextScope scope(m_in, QStringLiteral("the edges of ") + m_in.context());
        json.insert(QStringLiteral("edges"), readIndices(m_in.readCount(m_layout.flagFields ? 1 : 2)));
        readSize(json);
    }
}

void Reader4x::readLinkedMesh(QJsonObject &json, int flags, const QString &name, int slot,
                              const QString &key, const QString &description)
{
    ImageFields fields;
    bool inheritTimelines = true;
    LinkedMesh link;
    link.ownerSkin = m_skins.names.size() - 1;
    link.slot = slot;
    link.key = key;
    link.description = description;
    if (m_layout.flagFields) {
        fields = readFlaggedImageFields(json, flags);
        inheritTimelines = flags & Bit7;
        link.offset = m_in.offset();
        link.skinIndex = m_in.readVarint();
    } else {
        fields.path = readStringRef();
        fields.color = quint32(m_in.readInt32());
        link.offset = m_in.offset();
        link.skinName = readStringRef();
        if (link.skinName.isNull())
            link.skinName = QStringLiteral("default");
    }
    link.parent = readRequiredStringRef(QStringLiteral("the parent of ") + description);
    json.insert(QStringLiteral("parent"), link.parent);
    if (!m_layout.flagFields) {
        inheritTimelines = m_in.readBool();
        readSequenceIfThere(json);
    }
    if (!inheritTimelines)
        json.insert(m_layout.linkedMeshTimelinesKey, false);
    insertImageFields(json, fields, name);
    if (m_nonessential)
        readSize(json);
    json.insert(QStringLiteral("skin"), link.skinName);
    m_linkedMeshes.append(link);
}

void Reader4x::readPath(QJsonObject &json, int flags)
{
    bool closed = false;
    bool constantSpeed = true;
    int vertexCount = 0;
    if (m_layout.flagFields) {
        closed = flags & Bit4;
        constantSpeed = flags & Bit5;
        vertexCount = readVertexCountAndVertices(json, flags, Bit6);
    } else {
        closed = m_in.readBool();
        constantSpeed = m_in.readBool();
        vertexCount = readVertexCountAndVertices(json, flags, 0);
    }
    insertIfTrue(json, QStringLiteral("closed"), closed);
    if (!constantSpeed)
        json.insert(QStringLiteral("constantSpeed"), false);
    json.insert(QStringLiteral("vertexCount"), vertexCount);
    ContextScope scope(m_in, QStringLiteral("the lengths of ") + m_in.context());
    QJsonArray lengths;
    for (int i = 0; i < vertexCount / 3; ++i)
        lengths.append(readNumber(2));
    json.insert(QStringLiteral("lengths"), lengths);
    if (m_nonessential)
        insertColor(json, quint32(m_in.readInt32()), "ff7f00ff");
}

// The parent of a linked mesh may be in a skin read after it: each is looked
// up once all skins are there. 4.2 names the skin by its index, which is
// only known now.
void Reader4x::resolveLinkedMeshes(QVector<SkinParts> &skins)
{
    QHash<QString, int> skinIndex;
    for (int i = m_skins.names.size() - 1; i >= 0; --i)
        skinIndex.insert(m_skins.names.at(i), i);
    for (const LinkedMesh &link : qAsConst(m_linkedMeshes)) {
        int skin = skinIndex.value(link.skinName, -1);
        QString skinName = link.skinName;
        if (m_layout.flagFields) {
            if (link.skinIndex < 0 || link.skinIndex >= m_skins.names.size())
                throw BinaryError{QStringLiteral("skin index %1 in %2, but the skeleton has %3 skins")
                                          .arg(quint32(link.skinIndex))
                                          .arg(link.description)
                                          .arg(m_skins.names.size()),
                                  link.offset};
            skin = link.skinIndex;
            skinName = m_skins.names.at(skin);
            QJsonObject &mesh = skins[link.ownerSkin].slots[link.slotEntry]
                                        .attachments[link.attachmentEntry].second;
            mesh.insert(QStringLiteral("skin"), charge(skinName));
        }
        if (!m_meshes.contains(meshKey(skin, link.slot, link.parent)))
            throw BinaryError{QStringLiteral("no mesh %1 in %2 for the parent of %3")
                                      .arg(quotedName("", link.parent).mid(1), quotedName("skin", skinName),
                                           link.description),
                              link.offset};
    }
}
