#pragma once

#include "qmltext/id_table.h"
#include "qmltext/text_parts.h"

#include <QJsonObject>
#include <QString>

// One State that moves every attachment item of the skin into its container.
QString writeSkinState(const QString &skinName, const QJsonObject &skin, const IdTable &ids);

// The root's "skins" property: the list of skin states, then one item per
// skin holding the items of all its attachments.
QString writeSkins(bool packed, const QJsonObject &skins, const IdTable &ids);

// writeSkins appended to out, with each state and each attachment item
// reported as a part done: the section can be the largest of the document.
void appendSkins(QString &out, bool packed, const QJsonObject &skins, const IdTable &ids,
                 const PartDone &partDone = PartDone());
