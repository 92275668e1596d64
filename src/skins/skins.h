#pragma once

#include <QJsonObject>
#include <QMap>
#include <QString>

// "default skin" for the Spine skin "default", any other name as it is.
QString skinDisplayName(const QString &skinName);

// One State that moves every attachment item of the skin into its container.
QString writeSkinState(const QString &skinName, const QJsonObject &skin);

// The root's "skins" property: the list of skin states, then one item per
// skin holding the items of all its attachments.
QString writeSkins(bool packed, const QJsonObject &skins, const QJsonObject &root,
                   QMap<QString, QString> &aliases);
