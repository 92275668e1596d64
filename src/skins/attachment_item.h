#pragma once

#include <QJsonObject>
#include <QMap>
#include <QString>

// The QML item of one attachment of one skin, by its "type": meshes, skinned
// meshes and bounding boxes have writers of their own, anything else is an
// image. An image also records its root alias in aliases.
QString attachmentItem(bool packed, const QJsonObject &attachment, const QString &attachmentName,
                       const QString &slotName, const QString &skinName, const QJsonObject &root,
                       QMap<QString, QString> &aliases);

QString imageItem(bool packed, const QJsonObject &attachment, const QString &attachmentName,
                  const QString &slotName, const QString &skinName,
                  QMap<QString, QString> &aliases);
