#pragma once

#include "qmltext/id_table.h"
#include "qmltext/text_parts.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// One Spine animation as a ParallelAnimation: its slot, bone and deform
// timelines, each a SequentialAnimation.
QString writeAnimation(const QJsonObject &animations, const QString &name,
                       const QJsonArray &skeletonSlots, const QJsonObject &root,
                       const IdTable &ids = IdTable());
// Each slot's, bone's and deformed slot's sequences are reported as a part
// done: one animation can be most of the document. `upgraded`: the animation
// comes from the upgrade of a newer file, its bone transforms split by channel.
void appendAnimation(QString &out, const QJsonObject &animation, const QString &name,
                     const QJsonArray &skeletonSlots, const QJsonObject &root, const IdTable &ids,
                     const PartDone &partDone = PartDone(), bool upgraded = false);
