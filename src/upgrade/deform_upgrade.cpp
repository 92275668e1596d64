#include "animation_parts.h"

#include <QMap>

namespace {

// skin -> slot -> attachment -> keys, kept sorted so that the "ffd" object is
// built once, in key order, however many linked meshes add to it.
using DeformTimelines = QMap<QString, QMap<QString, QMap<QString, QJsonArray>>>;

QJsonArray upgradedDeformKeys(const QJsonValue &timeline, const AttachmentPath &path,
                              const AnimationUpgrade &upgrade)
{
    const QVector<QJsonObject> keys = timelineKeys(
            timeline,
            QStringLiteral("deform of \"") + path.attachment + QStringLiteral("\" in slot \"")
                    + path.slot + QStringLiteral("\" of skin \"") + path.skin
                    + QLatin1Char('"'),
            upgrade);
    QJsonArray upgraded;
    for (int i = 0; i < keys.size(); ++i) {
        QJsonObject key = keys.at(i);
        key.insert(QLatin1String("curve"), segmentCurve(keys, i, 0, 0, 0, true, upgrade));
        upgraded.append(key);
    }
    return upgraded;
}

// Reads "ffd" and "deform" (timelines under the attachment's name) and
// "attachments" (under the attachment's "deform").
DeformTimelines readDeformSection(const QJsonObject &section, bool perAttachmentObject,
                                  const AnimationUpgrade &upgrade)
{
    DeformTimelines timelines;
    for (auto skin = section.begin(); skin != section.end(); ++skin) {
        const QJsonObject slots = skin.value().toObject();
        for (auto slot = slots.begin(); slot != slots.end(); ++slot) {
            const QJsonObject attachments = slot.value().toObject();
            for (auto attachment = attachments.begin(); attachment != attachments.end();
                 ++attachment) {
                QJsonValue timeline = attachment.value();
                if (perAttachmentObject) {
                    const QJsonObject parts = timeline.toObject();
                    if (parts.contains(QLatin1String("sequence")))
                        upgrade.lost.count(Lost::SequenceTimelines);
                    if (!parts.contains(QLatin1String("deform")))
                        continue;
                    timeline = parts.value(QLatin1String("deform"));
                }
                const AttachmentPath path{skin.key(), slot.key(), attachment.key()};
                if (upgrade.context.dropped.contains(path)) {
                    upgrade.lost.count(Lost::DroppedAttachmentDeforms);
                    continue;
                }
                timelines[path.skin][path.slot].insert(path.attachment,
                                                       upgradedDeformKeys(timeline, path, upgrade));
            }
        }
    }
    return timelines;
}

const QJsonArray *findTimeline(const DeformTimelines &timelines, const AttachmentPath &path)
{
    const auto skin = timelines.constFind(path.skin);
    if (skin == timelines.constEnd())
        return nullptr;
    const auto slot = skin->constFind(path.slot);
    if (slot == skin->constEnd())
        return nullptr;
    const auto attachment = slot->constFind(path.attachment);
    return attachment == slot->constEnd() ? nullptr : &attachment.value();
}

// A linked mesh follows its parent's deform unless the animation gives it
// its own. The setup upgrade lists parents before the meshes linked to them,
// so a chain of links is followed to its end.
void copyLinkedDeforms(DeformTimelines &timelines, const UpgradeContext &context)
{
    for (const UpgradeContext::LinkedDeform &link : context.linkedDeforms) {
        const QJsonArray *parent = findTimeline(timelines, link.parent);
        if (parent == nullptr || findTimeline(timelines, link.linked) != nullptr)
            continue;
        const QJsonArray keys = *parent;
        timelines[link.linked.skin][link.linked.slot].insert(link.linked.attachment, keys);
    }
}

QJsonObject ffdObject(const DeformTimelines &timelines)
{
    QJsonObject ffd;
    for (auto skin = timelines.begin(); skin != timelines.end(); ++skin) {
        QJsonObject slots;
        for (auto slot = skin->begin(); slot != skin->end(); ++slot) {
            QJsonObject attachments;
            for (auto attachment = slot->begin(); attachment != slot->end(); ++attachment)
                attachments.insert(attachment.key(), attachment.value());
            slots.insert(slot.key(), attachments);
        }
        ffd.insert(skin.key(), slots);
    }
    return ffd;
}

} // namespace

QJsonValue upgradeDeformTimelines(const QJsonObject &animation, const AnimationUpgrade &upgrade)
{
    const char *const sections[] = {"ffd", "deform", "attachments"};
    int used = -1;
    for (int i = 0; i < 3; ++i) {
        if (!animation.contains(QLatin1String(sections[i])))
            continue;
        if (used < 0)
            used = i;
        else
            upgrade.lost.count(Lost::SecondSpellings);
    }
    if (used < 0)
        return QJsonValue(QJsonValue::Undefined);
    DeformTimelines timelines = readDeformSection(
            animation.value(QLatin1String(sections[used])).toObject(), used == 2, upgrade);
    copyLinkedDeforms(timelines, upgrade.context);
    return ffdObject(timelines);
}
