#pragma once

#include "qmltext/id_table.h"
#include "qmltext/text_parts.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

// The rotate, scale and translate sequences of every animated bone.
QString writeBoneTimelines(const QJsonObject &bones, const IdTable &ids = IdTable());
// Each bone's sequences are reported as a part done. An upgraded file holds
// its translate and scale split by channel ("translatex", "translatey",
// "scalex", "scaley", keys {time, value, curve}), each with its own curves.
void appendBoneTimelines(QString &out, const QJsonObject &bones, const IdTable &ids,
                         const PartDone &partDone = PartDone(), bool splitChannels = false);

// One segment of a number property: a PropertyAnimation, or for a stepped
// curve a pause and a jump to the new value.
void appendNumberAnimation(QString &out, const QString &target, const QString &property,
                           double from, double to, double seconds, const QJsonValue &curve);

