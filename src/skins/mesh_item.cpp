#include "mesh_item.h"

#include "attachment_lines.h"
#include "qmltext/qml_ids.h"

void appendMeshHeader(QString &out, const char *typeName, bool packed,
                      const QJsonObject &attachment, const QString &attachmentName,
                      const QString &slotName, const QString &skinName)
{
    out += QLatin1String(typeName);
    out += QLatin1String(" {\n\tid: ") + attachmentItemId(skinName, slotName, attachmentName)
            + QLatin1Char('\n');
    out += packed ? QLatin1String("\tpacked: true\n") : QLatin1String("\tpacked: false\n");
    appendSourceLine(out, attachment, attachmentName);
    appendDefaultSkinParentLine(out, skinName, attachmentName);
    appendTransformLines(out, attachment);
}

QString meshItem(bool packed, const QJsonObject &attachment, const QString &attachmentName,
                 const QString &slotName, const QString &skinName)
{
    QString out;
    appendMeshHeader(out, "SpineMeshItem", packed, attachment, attachmentName, slotName,
                     skinName);
    appendNumberListLine(out, "uvs", attachment, "uvs");
    appendNumberListLine(out, "triangles", attachment, "triangles");
    appendNumberListLine(out, "vertices", attachment, "vertices");
    appendNumberListLine(out, "edges", attachment, "edges");
    out += QLatin1String("}\n");
    return out;
}
