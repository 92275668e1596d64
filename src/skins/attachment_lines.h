#pragma once

#include "attachment_item.h"

#include <QJsonObject>
#include <QString>

// Lines that image, mesh and skinned-mesh items share.

// "\tsource: imageFolderAndDash + \"N.png\"\n", N the "name" key or else the
// attachment name.
void appendSourceLine(QString &out, const QJsonObject &attachment, const QString &attachmentName);
// "\tparent: <container>\n", for items of the default skin only.
void appendDefaultSkinParentLine(QString &out, const AttachmentPlace &place);
// Position, scale, rotation and size, each only when its key is present.
void appendTransformLines(QString &out, const QJsonObject &attachment);
// "\t<label>: [ <numbers> ] \n".
void appendNumberListLine(QString &out, const char *label, const QJsonObject &attachment,
                          const char *key);
