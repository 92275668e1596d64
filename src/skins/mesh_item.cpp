#include "mesh_item.h"

#include "attachment_lines.h"

void appendMeshHeader(QString &out, const char *typeName, const QJsonObject &attachment,
                      const QString &attachmentName, const AttachmentPlace &place)
{
    out += QLatin1String(typeName);
    out += QLatin1String(" {\n\tid: ") + place.itemId + QLatin1Char('\n');
    out += place.packed ? QLatin1String("\tpacked: true\n") : QLatin1String("\tpacked: false\n");
    appendSourceLine(out, attachment, attachmentName);
    appendDefaultSkinParentLine(out, place);
    appendTransformLines(out, attachment);
}

QString meshItem(const QJsonObject &attachment, const QString &attachmentName,
                 const AttachmentPlace &place)
{
    QString out;
    appendMeshHeader(out, "SpineMeshItem", attachment, attachmentName, place);
    appendNumberListLine(out, "uvs", attachment, "uvs");
    appendNumberListLine(out, "triangles", attachment, "triangles");
    appendNumberListLine(out, "vertices", attachment, "vertices");
    appendNumberListLine(out, "edges", attachment, "edges");
    out += QLatin1String("}\n");
    return out;
}
