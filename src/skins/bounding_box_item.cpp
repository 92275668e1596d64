#include "bounding_box_item.h"

#include "attachment_lines.h"
#include "qmltext/number_format.h"

QString pointListText(const VertexList &list)
{
    QString out;
    // An odd last value would leave "Qt.point( x, " open.
    for (int i = 0; i + 1 < list.size(); i += 2) {
        out += QLatin1String("Qt.point( ");
        appendNumber(out, list.at(i));
        out += QLatin1String(", ");
        appendNumber(out, list.at(i + 1));
        out += QLatin1String("), ");
    }
    return out;
}

QString boundingBoxItem(const QJsonObject &attachment, const AttachmentPlace &place)
{
    QString out = QLatin1String("Item {\n\tid: ") + place.itemId + QLatin1Char('\n');
    appendDefaultSkinParentLine(out, place);
    if (attachment.contains(QLatin1String("vertices"))) {
        const VertexList vertices =
                vertexListFromJson(attachment.value(QLatin1String("vertices")));
        out += QLatin1String("\tproperty var vertices: [ ") + pointListText(flipVertexY(vertices))
                + QLatin1String(" ] \n");
    }
    out += QLatin1String("}\n");
    return out;
}
