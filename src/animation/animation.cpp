#include "animation.h"

#include "bone_timelines.h"
#include "deform_timelines.h"
#include "qmltext/qml_ids.h"
#include "slot_timelines.h"

QString writeAnimation(const QJsonObject &animations, const QString &name,
                       const QJsonArray &skeletonSlots, const QJsonObject &root)
{
    const QJsonObject animation = animations.value(name).toObject();
    QString out = QLatin1String("ParallelAnimation {\n\tid: ") + animationId(name)
            + QLatin1Char('\n');
    out += writeSlotTimelines(animation.value(QLatin1String("slots")).toObject(), skeletonSlots);
    out += writeBoneTimelines(animation.value(QLatin1String("bones")).toObject());
    if (animation.contains(QLatin1String("ffd")))
        out += writeDeformTimelines(animation.value(QLatin1String("ffd")).toObject(), root);
    out += QLatin1String("}\n");
    return out;
}
