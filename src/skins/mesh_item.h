#pragma once

#include "attachment_item.h"

#include <QJsonObject>
#include <QString>

// A SpineMeshItem for an attachment of type "mesh"; its vertices are written
// as they stand, y not negated.
QString meshItem(const QJsonObject &attachment, const QString &attachmentName,
                 const AttachmentPlace &place);

// The header a mesh and a skinned mesh share: type, id, packed, source, parent
// and the transform lines.
void appendMeshHeader(QString &out, const char *typeName, const QJsonObject &attachment,
                      const QString &attachmentName, const AttachmentPlace &place);
