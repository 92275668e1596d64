#pragma once

#include <QJsonObject>
#include <QString>

// A SpineMeshItem for an attachment of type "mesh"; its vertices are written
// as they stand, y not negated.
QString meshItem(bool packed, const QJsonObject &attachment, const QString &attachmentName,
                 const QString &slotName, const QString &skinName);

// The header a mesh and a skinned mesh share: type, id, packed, source, parent
// and the transform lines.
void appendMeshHeader(QString &out, const char *typeName, bool packed,
                      const QJsonObject &attachment, const QString &attachmentName,
                      const QString &slotName, const QString &skinName);
