#pragma once

#include "qmltext/id_table.h"
#include "qmltext/text_parts.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

// The attachment and colour sequences of every animated slot. The skeleton's
// slots give the setup colour that a colour sequence starts from.
QString writeSlotTimelines(const QJsonObject &slots, const QJsonArray &skeletonSlots,
                           const IdTable &ids = IdTable());
// Each slot's sequences are reported as a part done.
void appendSlotTimelines(QString &out, const QJsonObject &slots, const QJsonArray &skeletonSlots,
                         const IdTable &ids, const PartDone &partDone = PartDone());

// Setup colour per slot name; when several slots share a name, the last one
// that has a colour counts.
QHash<QString, QString> setupColors(const QJsonArray &skeletonSlots);

