#include "skinned_mesh_item.h"

#include "attachment_lines.h"
#include "mesh_item.h"

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

} // namespace

SkinnedVertices splitSkinnedVertices(const QJsonArray &vertices, const IdTable &ids)
{
    SkinnedVertices split;
    const int size = vertices.size();
    int i = 0;
    while (i < size) {
        const int count = variantInt(vertices.at(i));
        if (count > 0 && (size - i - 1) / 4 < count)
            break;
        split.boneCounts.append(count);
        ++i;
        for (int influence = 0; influence < count; ++influence, i += 4) {
            split.bones.append(ids.boneAt(variantInt(vertices.at(i))));
            split.boneVertices.append(vertexValue(vertices.at(i + 1)));
            split.boneVertices.append(vertexValue(vertices.at(i + 2)));
            split.weights.append(vertexValue(vertices.at(i + 3)));
        }
    }
    return split;
}

QString skinnedMeshItem(const QJsonObject &attachment, const QString &attachmentName,
                        const AttachmentPlace &place, const IdTable &ids)
{
    QString out;
    appendMeshHeader(out, "SpineSkinnedMeshItem", attachment, attachmentName, place);
    appendNumberListLine(out, "uvs", attachment, "uvs");
    appendNumberListLine(out, "triangles", attachment, "triangles");
    if (attachment.contains(QLatin1String("vertices"))) {
        const SkinnedVertices split = splitSkinnedVertices(
                attachment.value(QLatin1String("vertices")).toArray(), ids);
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
