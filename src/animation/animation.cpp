#include "animation.h"

#include "bone_timelines.h"
#include "deform_timelines.h"
#include "qmltext/qml_ids.h"
#include "slot_timelines.h"

void appendAnimation(QString &out, const QJsonObject &animation, const QString &name,
                     const QJsonArray &skeletonSlots, const QJsonObject &root,
                     const PartDone &partDone)
{
    out += QLatin1String("ParallelAnimation {\n\tid: ");
    out += animationId(name);
    out += QLatin1Char('\n');
    appendSlotTimelines(out, animation.value(QLatin1String("slots")).toObject(), skeletonSlots,
                        partDone);
    appendBoneTimelines(out, animation.value(QLatin1String("bones")).toObject(), partDone);
    if (animation.contains(QLatin1String("ffd"))) {
        appendDeformTimelines(out, animation.value(QLatin1String("ffd")).toObject(), root,
                              partDone);
    }
    out += QLatin1String("}\n");
}

QString writeAnimation(const QJsonObject &animations, const QString &name,
                       const QJsonArray &skeletonSlots, const QJsonObject &root)
{
    QString out;
    appendAnimation(out, animations.value(name).toObject(), name, skeletonSlots, root);
    return out;
}
