#pragma once

#include "qmltext/id_table.h"
#include "qmltext/text_parts.h"

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

// One colour segment between two Spine colours (RRGGBBAA).
QString colorAnimation(const QString &slotName, const QString &from, const QString &to,
                       double seconds, const QJsonValue &curve);
