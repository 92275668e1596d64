#include "attachment_lines.h"

#include "qmltext/number_format.h"
#include "qmltext/property_lines.h"
#include "qmltext/string_literal.h"
#include "vertex_list.h"

void appendSourceLine(QString &out, const QJsonObject &attachment, const QString &attachmentName)
{
    // The image is named by "path" where it differs from the attachment's
    // name, by "name" where that differs from the key.
    const QLatin1String path("path");
    const QLatin1String name("name");
    const QString imageName = attachment.contains(path) ? attachment.value(path).toString()
            : attachment.contains(name)                 ? attachment.value(name).toString()
                                                        : attachmentName;
    out += QLatin1String("\tsource: imageFolderAndDash + \"") + escapedForQmlString(imageName)
            + QLatin1String(".png\"\n");
}

void appendDefaultSkinParentLine(QString &out, const AttachmentPlace &place)
{
    if (place.inDefaultSkin)
        out += QLatin1String("\tparent: ") + place.containerId + QLatin1Char('\n');
}

void appendTransformLines(QString &out, const QJsonObject &attachment)
{
    appendNumberProperty(out, attachment, "x", "trans.x");
    appendNumberProperty(out, attachment, "y", "trans.y", -1);
    appendNumberProperty(out, attachment, "scaleX", "scale.xScale");
    appendNumberProperty(out, attachment, "scaleY", "scale.yScale");
    appendNumberProperty(out, attachment, "rotation", "rot.angle", -1);
    appendNumberProperty(out, attachment, "width", "width");
    appendNumberProperty(out, attachment, "height", "height");
}

void appendNumberListLine(QString &out, const char *label, const QJsonObject &attachment,
                          const char *key)
{
    const QLatin1String name(key);
    if (!attachment.contains(name))
        return;
    out += QLatin1Char('\t');
    out += QLatin1String(label);
    out += QLatin1String(": [ ");
    appendNumberList(out, vertexListFromJson(attachment.value(name)));
    out += QLatin1String(" ] \n");
}
