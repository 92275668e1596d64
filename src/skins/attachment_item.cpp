#include "attachment_item.h"

#include "attachment_lines.h"
#include "bounding_box_item.h"
#include "mesh_item.h"
#include "skinned_mesh_item.h"

namespace {

QString attachmentType(const QJsonObject &attachment)
{
    return attachment.value(QLatin1String("type")).toString();
}

} // namespace

bool isImageAttachment(const QJsonObject &attachment)
{
    const QString type = attachmentType(attachment);
    return type != QLatin1String("mesh") && type != QLatin1String("skinnedmesh")
            && type != QLatin1String("boundingbox");
}

bool isMeshAttachment(const QJsonObject &attachment)
{
    const QString type = attachmentType(attachment);
    return type == QLatin1String("mesh") || type == QLatin1String("skinnedmesh");
}

QString imageItem(const QJsonObject &attachment, const QString &attachmentName,
                  const AttachmentPlace &place)
{
    QString out = place.packed ? QStringLiteral("SpineImagePacked {\n")
                               : QStringLiteral("SpineImage {\n");
    out += QLatin1String("\tid: ") + place.itemId + QLatin1Char('\n');
    appendSourceLine(out, attachment, attachmentName);
    appendDefaultSkinParentLine(out, place);
    appendTransformLines(out, attachment);
    out += QLatin1String("}\n");
    return out;
}

QString attachmentItem(const QJsonObject &attachment, const QString &attachmentName,
                       const AttachmentPlace &place, const IdTable &ids)
{
    const QString type = attachmentType(attachment);
    if (type == QLatin1String("mesh"))
        return meshItem(attachment, attachmentName, place);
    if (type == QLatin1String("skinnedmesh"))
        return skinnedMeshItem(attachment, attachmentName, place, ids);
    if (type == QLatin1String("boundingbox"))
        return boundingBoxItem(attachment, place);
    return imageItem(attachment, attachmentName, place);
}
