#include "animation.h"

#include "bone_timelines.h"
#include "deform_timelines.h"
#include "slot_timelines.h"

void appendAnimation(QString &out, const QJsonObject &animation, const QString &name,
                     const QJsonArray &skeletonSlots, const QJsonObject &root, const IdTable &ids,
                     const PartDone &partDone, const TimelineTargets *targets)
{
    appendAnimationStart(out, name, ids);
    appendSlotTimelines(out, animation.value(QLatin1String("slots")).toObject(), skeletonSlots, ids,
                        partDone, targets);
    appendBoneTimelines(out, animation.value(QLatin1String("bones")).toObject(), ids, partDone,
                        targets);
    if (animation.contains(QLatin1String("ffd"))) {
        appendDeformTimelines(out, animation.value(QLatin1String("ffd")).toObject(), root, ids,
                              partDone, targets);
    }
    appendAnimationEnd(out);
}

void appendAnimationStart(QString &out, const QString &name, const IdTable &ids)
{
    out += QLatin1String("ParallelAnimation {\n\tid: ");
    out += ids.animation(name);
    out += QLatin1Char('\n');
}

void appendAnimationEnd(QString &out)
{
    out += QLatin1String("}\n");
}

QString writeAnimation(const QJsonObject &animations, const QString &name,
                       const QJsonArray &skeletonSlots, const QJsonObject &root,
                       const IdTable &ids)
{
    QString out;
    appendAnimation(out, animations.value(name).toObject(), name, skeletonSlots, root, ids);
    return out;
}
