#pragma once

#include "animation/bone_timelines.h"
#include "animation/timeline.h"
#include "diagnostics/diagnostics.h"
#include "skeleton_names.h"

#include <QJsonObject>
#include <QString>
#include <QVector>

// Warnings about one animation in the 2.x layout: what it animates that the
// skeleton lacks, keys out of time order, colours that are none and values of
// the wrong kind.
void checkAnimationTimelines(const QString &name, const QJsonObject &animation,
                             const QJsonObject &skeleton, const SkeletonNames &names,
                             Diagnostics &diagnostics);

// The same a piece at a time, for an animation upgraded a piece at a time:
// the animation as the skeleton stores it, then each animated slot (its
// colour keys read already when given), each animated bone (its translate
// and scale split by channel when given), then the "ffd" section.
void checkStoredAnimation(const QString &name, const QJsonObject &skeleton,
                          Diagnostics &diagnostics);
void checkAnimatedSlot(const QString &animation, const QString &slot, const QJsonValue &timelines,
                       const QVector<ColorKey> *colors, const SkeletonNames &names,
                       Diagnostics &diagnostics);
void checkAnimatedBone(const QString &animation, const QString &bone, const QJsonValue &timelines,
                       const SplitChannels *split, const SkeletonNames &names,
                       Diagnostics &diagnostics);

// The "ffd" section of one animation: what it deforms must be a mesh of a
// skin of the skeleton.
void checkDeformTimelines(const QString &animation, const QJsonObject &ffd,
                          const QJsonObject &skeleton, Diagnostics &diagnostics);

// The IK timelines (`ik`: the animation's own or an upgraded copy), the draw
// order and the event keys of one animation: constraints, slots and events
// they name that the skeleton lacks, and draw order keys that give no order.
void checkKeyedSequences(const QString &name, const QJsonObject &animation, const QJsonObject &ik,
                         const QJsonObject &skeleton, Diagnostics &diagnostics);
