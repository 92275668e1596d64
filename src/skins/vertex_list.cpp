#include "vertex_list.h"

#include "qmltext/number_format.h"

#include <QJsonArray>
#include <QVariant>

#include <algorithm>

double vertexValue(const QJsonValue &element)
{
    if (element.isDouble())
        return element.toDouble();
    // Strings and bools convert as QVariant converts them.
    return element.toVariant().toDouble();
}

VertexList vertexListFromJson(const QJsonValue &array)
{
    const QJsonArray elements = array.toArray();
    VertexList list;
    list.reserve(elements.size());
    for (const QJsonValue &element : elements)
        list.append(vertexValue(element));
    return list;
}

void appendNumberList(QString &out, const VertexList &list)
{
    for (int i = 0; i < list.size(); ++i) {
        if (i > 0)
            out += QLatin1String(", ");
        appendNumber(out, list.at(i));
    }
}

QString numberListText(const VertexList &list)
{
    QString out;
    appendNumberList(out, list);
    return out;
}

VertexList flipVertexY(const VertexList &list)
{
    VertexList flipped = list;
    for (int i = 1; i < flipped.size(); i += 2)
        flipped[i] = -flipped[i];
    return flipped;
}

VertexList applyVertexDeltas(const VertexList &setup, const VertexList &deltas, int offset)
{
    VertexList result = setup;
    const int start = std::max(offset, 0);
    if (start >= result.size())
        return result;
    const int count = std::min(deltas.size(), result.size() - start);
    for (int k = 0; k < count; ++k)
        result[start + k] += deltas.at(k);
    return result;
}
