#pragma once

#include "attachment_item.h"
#include "vertex_list.h"

#include <QJsonObject>
#include <QString>

// "Qt.point( x, y), " per pair; an unpaired last value is dropped.
QString pointListText(const VertexList &list);

// A plain Item carrying the box's points, y negated, as "vertices".
QString boundingBoxItem(const QJsonObject &attachment, const AttachmentPlace &place);
