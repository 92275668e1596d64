#pragma once

#include "animation/bone_timelines.h"
#include "animation/timeline.h"
#include "diagnostics/diagnostics.h"
#include "skeleton_names.h"

#include <QJsonObject>
#include <QString>
#include <QVector>

// Warns about what the converter reads in a skeleton of the 2.x layout but
// cannot resolve or has to mend: references to nothing, colours that are no
// colour, keys out of time order, unknown attachment types, values of the
// wrong JSON type. It never changes what is written.
class SkeletonCheck
{
public:
    SkeletonCheck(const QJsonObject &skeleton, Diagnostics &diagnostics);
    void checkSetup();
    void checkAnimation(const QString &name, const QJsonObject &animation);

    // An animation checked a piece at a time, as an upgraded one is written
    // (see animation_check.h); the warnings go to `into`.
    void checkAnimationStart(const QString &name, Diagnostics &into) const;
    void checkAnimatedSlot(const QString &animation, const QString &slot,
                           const QJsonObject &timelines, const QVector<ColorKey> *colors,
                           Diagnostics &into) const;
    void checkAnimatedBone(const QString &animation, const QString &bone,
                           const QJsonObject &timelines, const SplitChannels &split,
                           Diagnostics &into) const;
    void checkDeform(const QString &animation, const QJsonObject &ffd, Diagnostics &into) const;
    void checkKeyedSequences(const QString &animation, const QJsonObject &stored,
                             const QJsonObject &ik, Diagnostics &into) const;

private:
    const QJsonObject &m_skeleton;
    Diagnostics &m_diagnostics;
    SkeletonNames m_names;
};
