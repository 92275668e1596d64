#pragma once

#include "qmltext/id_table.h"
#include "qmltext/text_parts.h"
#include "timeline_targets.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// One Spine animation as a ParallelAnimation: its slot, bone and deform
// timelines, each a SequentialAnimation.
QString writeAnimation(const QJsonObject &animations, const QString &name,
                       const QJsonArray &skeletonSlots, const QJsonObject &root,
                       const IdTable &ids = IdTable());
// Each slot's, bone's and deformed slot's sequences are reported as a part
// done: one animation can be most of the document. Timelines that name
// nothing among the targets are left out.
void appendAnimation(QString &out, const QJsonObject &animation, const QString &name,
                     const QJsonArray &skeletonSlots, const QJsonObject &root, const IdTable &ids,
                     const PartDone &partDone = PartDone(),
                     const TimelineTargets *targets = nullptr);

// After the deform timelines: the IK sequences of `ik` (the animation's own,
// or an upgraded copy), then the draw order and the event sequences of the
// animation. The skeleton's "ik", "slots" and "events" are read from root.
// An IK timeline of a constraint that is not among the targets is left out.
void appendKeyedSequences(QString &out, const QJsonObject &animation, const QJsonObject &ik,
                          const QJsonObject &root, const IdTable &ids,
                          const PartDone &partDone = PartDone(),
                          const TimelineTargets *targets = nullptr);

// An animation built a slot and a bone at a time goes between these two:
// the slot sequences, the bone sequences, then the deform timelines.
void appendAnimationStart(QString &out, const QString &name, const IdTable &ids);
void appendAnimationEnd(QString &out);
