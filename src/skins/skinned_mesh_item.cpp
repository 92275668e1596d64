#include "skinned_mesh_item.h"

#include "attachment_lines.h"
#include "mesh_item.h"
#include "qmltext/qml_ids.h"

#include <QHash>
#include <QVariant>

#include <climits>
#include <cmath>

namespace {

// A count or an index as QVariant::toInt reads it (numbers rounded half up,
// numeric strings parsed), but clamped to the int range instead of wrapping.
int variantInt(const QJsonValue &element)
{
    if (!element.isDouble())
        return element.toVariant().toInt();
    const double rounded = std::floor(element.toDouble() + 0.5);
    if (!(rounded >= double(INT_MIN)))
        return INT_MIN;
    if (rounded > double(INT_MAX))
        return INT_MAX;
    return int(rounded);
}

// The id of each skeleton bone, made the first time an influence of the mesh
// names it: a mesh names the same few bones over and over. Filled as the
// influences come, so that its cost follows the mesh, not the skeleton.
class BoneIds
{
public:
    explicit BoneIds(const QJsonArray &skeletonBones) : m_bones(skeletonBones) {}

    QString at(int index)
    {
        // Every index outside the skeleton names the bone without a name.
        if (index < 0 || index >= m_bones.size())
            index = -1;
        auto it = m_ids.constFind(index);
        if (it == m_ids.constEnd())
            it = m_ids.insert(index, boneId(nameAt(index)));
        return it.value();
    }

private:
    QString nameAt(int index) const
    {
        if (index < 0)
            return QString();
        return m_bones.at(index).toObject().value(QLatin1String("name")).toString();
    }

    const QJsonArray &m_bones;
    QHash<int, QString> m_ids;
};

} // namespace

SkinnedVertices splitSkinnedVertices(const QJsonArray &vertices, const QJsonArray &skeletonBones)
{
    SkinnedVertices split;
    BoneIds boneIds(skeletonBones);
    const int size = vertices.size();
    int i = 0;
    while (i < size) {
        const int count = variantInt(vertices.at(i));
        if (count > 0 && (size - i - 1) / 4 < count)
            break;
        split.boneCounts.append(count);
        ++i;
        for (int influence = 0; influence < count; ++influence, i += 4) {
            split.bones.append(boneIds.at(variantInt(vertices.at(i))));
            split.boneVertices.append(vertexValue(vertices.at(i + 1)));
            split.boneVertices.append(vertexValue(vertices.at(i + 2)));
            split.weights.append(vertexValue(vertices.at(i + 3)));
        }
    }
    return split;
}

QString skinnedMeshItem(bool packed, const QJsonObject &attachment, const QString &attachmentName,
                        const QString &slotName, const QString &skinName, const QJsonObject &root)
{
    QString out;
    appendMeshHeader(out, "SpineSkinnedMeshItem", packed, attachment, attachmentName, slotName,
                     skinName);
    appendNumberListLine(out, "uvs", attachment, "uvs");
    appendNumberListLine(out, "triangles", attachment, "triangles");
    if (attachment.contains(QLatin1String("vertices"))) {
        const SkinnedVertices split = splitSkinnedVertices(
                attachment.value(QLatin1String("vertices")).toArray(),
                root.value(QLatin1String("bones")).toArray());
        out += QLatin1String("\tboneCounts: [ ");
        appendNumberList(out, split.boneCounts);
        out += QLatin1String(" ] \n\tbones: [ ");
        out += split.bones.join(QLatin1String(", "));
        out += QLatin1String(" ]\n\tboneVertices: [ ");
        appendNumberList(out, flipVertexY(split.boneVertices));
        out += QLatin1String(" ] \n\tweights: [ ");
        appendNumberList(out, split.weights);
        out += QLatin1String(" ] \n");
    }
    appendNumberListLine(out, "edges", attachment, "edges");
    out += QLatin1String("}\n");
    return out;
}
