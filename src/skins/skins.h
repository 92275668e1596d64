#pragma once

#include "qmltext/text_parts.h"

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

// writeSkins appended to out, with each state and each attachment item
// reported as a part done: the section can be the largest of the document.
void appendSkins(QString &out, bool packed, const QJsonObject &skins, const QJsonObject &root,
                 QMap<QString, QString> &aliases, const PartDone &partDone = PartDone());
