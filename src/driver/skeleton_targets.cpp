#include "skeleton_targets.h"

#include "skeleton/ik_joint.h"
#include "skins/attachment_item.h"

#include <QJsonArray>

namespace {

template <typename Hash>
QSet<QString> keysOf(const Hash &hash)
{
    QSet<QString> keys;
    keys.reserve(hash.size());
    for (auto it = hash.begin(); it != hash.end(); ++it)
        keys.insert(it.key());
    return keys;
}

} // namespace

TimelineTargets skeletonTargets(const QJsonObject &skeleton, const IdTable &ids)
{
    TimelineTargets targets;
    targets.boneNames = keysOf(ids.bonesByName);
    targets.slotNames = keysOf(ids.slotsByName);
    targets.containerNames = keysOf(ids.containers);
    // A timeline animates the first constraint of its name, so that one
    // decides whether the name is a target.
    QSet<QString> seen;
    const QJsonArray constraints = skeleton.value(QLatin1String("ik")).toArray();
    for (const QJsonValue &element : constraints) {
        const QJsonObject constraint = element.toObject();
        const QString name = constraint.value(QLatin1String("name")).toString();
        if (seen.contains(name))
            continue;
        seen.insert(name);
        if (ikJointHasItsBones(constraint, &targets.boneNames))
            targets.constraintNames.insert(name);
    }
    const QJsonObject skins = skeleton.value(QLatin1String("skins")).toObject();
    for (auto skin = skins.begin(); skin != skins.end(); ++skin) {
        const QJsonObject slots = skin.value().toObject();
        for (auto slot = slots.begin(); slot != slots.end(); ++slot) {
            const QJsonObject attachments = slot.value().toObject();
            for (auto it = attachments.begin(); it != attachments.end(); ++it) {
                if (isMeshAttachment(it.value().toObject())) {
                    targets.meshKeys.insert(
                            IdTable::attachmentKey(skin.key(), slot.key(), it.key()));
                }
            }
        }
    }
    return targets;
}
