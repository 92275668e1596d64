#include "attachment_item.h"

#include "attachment_lines.h"
#include "bounding_box_item.h"
#include "mesh_item.h"
#include "qmltext/qml_ids.h"
#include "skinned_mesh_item.h"

QString imageItem(bool packed, const QJsonObject &attachment, const QString &attachmentName,
                  const QString &slotName, const QString &skinName,
                  QMap<QString, QString> &aliases)
{
    const QString id = attachmentItemId(skinName, slotName, attachmentName);
    QString out = packed ? QStringLiteral("SpineImagePacked {\n") : QStringLiteral("SpineImage {\n");
    out += QLatin1String("\tid: ") + id + QLatin1Char('\n');
    aliases.insert(imageAliasName(skinName, attachmentName), id);
    appendSourceLine(out, attachment, attachmentName);
    appendDefaultSkinParentLine(out, skinName, attachmentName);
    appendTransformLines(out, attachment);
    out += QLatin1String("}\n");
    return out;
}

QString attachmentItem(bool packed, const QJsonObject &attachment, const QString &attachmentName,
                       const QString &slotName, const QString &skinName, const QJsonObject &root,
                       QMap<QString, QString> &aliases)
{
    const QString type = attachment.value(QLatin1String("type")).toString();
    if (type == QLatin1String("mesh"))
        return meshItem(packed, attachment, attachmentName, slotName, skinName);
    if (type == QLatin1String("skinnedmesh"))
        return skinnedMeshItem(packed, attachment, attachmentName, slotName, skinName, root);
    if (type == QLatin1String("boundingbox"))
        return boundingBoxItem(attachment, attachmentName, slotName, skinName);
    return imageItem(packed, attachment, attachmentName, slotName, skinName, aliases);
}
