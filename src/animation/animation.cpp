#include "animation.h"

#include "bone_timelines.h"
#include "deform_timelines.h"
#include "draw_order_timeline.h"
#include "event_timeline.h"
#include "ik_timelines.h"
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
    appendKeyedSequences(out, animation, animation.value(QLatin1String("ik")).toObject(), root,
                         ids, partDone, targets);
    appendAnimationEnd(out);
}

void appendKeyedSequences(QString &out, const QJsonObject &animation, const QJsonObject &ik,
                          const QJsonObject &root, const IdTable &ids, const PartDone &partDone,
                          const TimelineTargets *targets)
{
    appendIkTimelines(out, ik, root.value(QLatin1String("ik")).toArray(), ids, partDone,
                      targets);
    const QJsonArray drawOrder = drawOrderKeys(animation);
    if (!drawOrder.isEmpty()) {
        appendDrawOrderTimeline(out, drawOrder,
                                SlotOrder(root.value(QLatin1String("slots")).toArray()), ids,
                                partDone);
    }
    const QJsonArray events = animation.value(QLatin1String("events")).toArray();
    if (!events.isEmpty()) {
        appendEventTimeline(out, events, root.value(QLatin1String("events")).toObject(),
                            partDone);
    }
    reportPartDone(partDone, out);
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
