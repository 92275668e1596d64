#pragma once

#include "qmltext/id_table.h"

#include <QJsonObject>
#include <QString>

// Where one attachment item stands in the document and how it is written.
struct AttachmentPlace {
    QString itemId;
    // The container of its attachment name.
    QString containerId;
    // Items of the default skin start in their container.
    bool inDefaultSkin = false;
    bool packed = false;
};

// True for the attachments written as images: any "type" but the three that
// have writers of their own.
bool isImageAttachment(const QJsonObject &attachment);

// True for meshes and skinned meshes: the items whose vertices a deform
// timeline moves.
bool isMeshAttachment(const QJsonObject &attachment);

// The QML item of one attachment of one skin, by its "type": meshes, skinned
// meshes and bounding boxes have writers of their own, anything else is an
// image.
QString attachmentItem(const QJsonObject &attachment, const QString &attachmentName,
                       const AttachmentPlace &place, const IdTable &ids);
QString imageItem(const QJsonObject &attachment, const QString &attachmentName,
                  const AttachmentPlace &place);
