#pragma once

#include "attachment_item.h"
#include "vertex_list.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// The Spine layout of skinned vertices taken apart: per vertex its bone
// count, per influence the bone id, the bone-local x and y and the weight.
struct SkinnedVertices {
    VertexList boneCounts;
    QStringList bones;
    VertexList boneVertices;
    VertexList weights;
};

// Splits records of "count, then count times (bone index, x, y, weight)". A
// record cut short by the end of the list is dropped whole, with everything
// after it, so the four lists always agree.
SkinnedVertices splitSkinnedVertices(const QJsonArray &vertices, const IdTable &ids);

// A SpineSkinnedMeshItem for an attachment of type "skinnedmesh".
QString skinnedMeshItem(const QJsonObject &attachment, const QString &attachmentName,
                        const AttachmentPlace &place, const IdTable &ids);
