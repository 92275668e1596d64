#pragma once

#include <QJsonValue>
#include <QString>
#include <QVector>

// A flat list of numbers: coordinates (x at even, y at odd positions),
// texture coordinates, indices or weights. Elements that are not numbers are
// read as a variant would read them: numeric strings by their value, true as
// 1, everything else as 0.
using VertexList = QVector<double>;

VertexList vertexListFromJson(const QJsonValue &array);
double vertexValue(const QJsonValue &element);

// "a, b, c": each value by formatNumber, ", " between them, no brackets.
QString numberListText(const VertexList &list);
void appendNumberList(QString &out, const VertexList &list);

// Every value at an odd position negated.
VertexList flipVertexY(const VertexList &list);

// deltas[k] added to setup[offset + k]; as long as setup, excess deltas dropped,
// a negative offset counting as 0.
VertexList applyVertexDeltas(const VertexList &setup, const VertexList &deltas, int offset);
