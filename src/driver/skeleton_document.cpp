#include "skeleton_document.h"

#include "animation/animation.h"
#include "animation/bone_timelines.h"
#include "animation/deform_timelines.h"
#include "animation/event_timeline.h"
#include "animation/slot_timelines.h"
#include "check/skeleton_check.h"
#include "document_ids.h"
#include "document_wrapper.h"
#include "skeleton/bone.h"
#include "skeleton/ik_joint.h"
#include "skeleton/slot.h"
#include "skeleton_targets.h"
#include "skins/attachment_index.h"
#include "skins/skins.h"
#include "upgrade/upgrade.h"

#include <QBuffer>
#include <QJsonArray>

namespace {

QString aliasLines(const QVector<QPair<QString, QString>> &aliases)
{
    QString out;
    for (const auto &alias : aliases)
        out += QLatin1String("property alias ") + alias.first + QLatin1String(": ")
                + alias.second + QLatin1Char('\n');
    return out;
}

// The root alias of one animation and the item that holds it: the start,
// then the animation, then appendAnimationBlockEnd.
void appendAnimationBlockStart(QString &out, const QString &name, const IdTable &ids)
{
    out += QLatin1String("property alias ");
    out += ids.animationAlias(name);
    out += QLatin1String(": ");
    out += ids.animation(name);
    out += QLatin1String("\nItem {\n");
}

void appendAnimationBlockEnd(QString &out)
{
    out += QLatin1String("}\n");
}

// What the animations of a document share while they are written.
struct AnimationsInput {
    const QJsonObject &root;
    const IdTable &ids;
    const SkeletonCheck &check;
    const PartDone &partDone;
    // A timeline that names nothing here is left out; the check has warned.
    const TimelineTargets &targets;
};

void appendUpgradedSlots(QString &out, const QJsonObject &slots, const AnimationUpgrade &upgrade,
                         const AnimationsInput &input, Diagnostics &checkWarnings)
{
    for (auto slot = slots.begin(); slot != slots.end(); ++slot) {
        const UpgradedSlot piece = upgradeSlot(slot.key(), slot.value(), upgrade);
        input.check.checkAnimatedSlot(upgrade.name, slot.key(), piece.timelines,
                                      piece.hasColor ? &piece.colorKeys : nullptr, checkWarnings);
        if (!hasSlot(&input.targets, slot.key()))
            continue;
        SlotSequences sequences;
        sequences.attachmentKeys = piece.timelines.value(QLatin1String("attachment")).toArray();
        sequences.readColorKeys = &piece.colorKeys;
        sequences.startColor = startColorOf(upgrade.context.setupColors, slot.key());
        appendSlotSequences(out, slot.key(), sequences, input.ids, &input.targets,
                            input.partDone);
        reportPartDone(input.partDone, out);
    }
}

void appendUpgradedBones(QString &out, const QJsonObject &bones, const AnimationUpgrade &upgrade,
                         const AnimationsInput &input, Diagnostics &checkWarnings)
{
    for (auto bone = bones.begin(); bone != bones.end(); ++bone) {
        const UpgradedBone piece = upgradeBone(bone.key(), bone.value(), upgrade);
        input.check.checkAnimatedBone(upgrade.name, bone.key(), piece.timelines, piece.split,
                                      checkWarnings);
        if (!hasBone(&input.targets, bone.key()))
            continue;
        appendBoneSequences(out, input.ids.bone(bone.key()), piece.timelines, &piece.split,
                            input.partDone);
        reportPartDone(input.partDone, out);
    }
}

// An animation of a newer file, upgraded, checked and written a slot and a
// bone at a time. The check's warnings are raised after the upgrade's, as
// when an animation was upgraded whole before it was checked.
void appendUpgradedAnimation(QString &out, const QString &name, const QJsonObject &animation,
                             const AnimationsInput &input, const UpgradeContext &context,
                             CarryOverReport &lost, Diagnostics &diagnostics)
{
    const AnimationUpgrade upgrade{name, context, lost, diagnostics};
    Diagnostics checkWarnings = Diagnostics::holding();
    countIgnoredTimelines(animation, lost);
    input.check.checkAnimationStart(name, checkWarnings);
    appendAnimationStart(out, name, input.ids);
    appendUpgradedSlots(out, animation.value(QLatin1String("slots")).toObject(), upgrade, input,
                        checkWarnings);
    appendUpgradedBones(out, animation.value(QLatin1String("bones")).toObject(), upgrade, input,
                        checkWarnings);
    // Deform keys stay JSON: their vertex lists are shared with the parsed
    // file, not copied.
    const QJsonValue ffd = upgradeDeformTimelines(animation, upgrade);
    input.check.checkDeform(name, ffd.toObject(), checkWarnings);
    if (!ffd.isUndefined())
        appendDeformTimelines(out, ffd.toObject(), input.root, input.ids, input.partDone,
                              &input.targets);
    const QJsonObject ik = upgradeIkTimelines(animation, upgrade);
    input.check.checkKeyedSequences(name, animation, ik, checkWarnings);
    appendKeyedSequences(out, animation, ik, input.root, input.ids, input.partDone,
                         &input.targets);
    appendAnimationEnd(out);
    checkWarnings.raiseHeldInto(diagnostics);
}

} // namespace

bool writeSkeletonDocument(const QJsonObject &input, bool packed, const QString &imageFolder,
                           QIODevice *device, Diagnostics &diagnostics,
                           const QString &binaryVersion)
{
    const bool upgrading = needsUpgrade(input);
    CarryOverReport lost;
    UpgradedSetup upgraded;
    if (upgrading) {
        diagnostics.note(binaryVersion.isNull()
                                 ? versionNote(input)
                                 : QStringLiteral("read as a Spine %1 binary file").arg(binaryVersion));
        upgraded = upgradeSetup(input, lost, diagnostics);
        upgraded.context.setupColors =
                setupColors(upgraded.skeleton.value(QLatin1String("slots")).toArray());
    } else {
        upgraded.skeleton = input;
    }
    const QJsonObject &root = upgraded.skeleton;
    SkeletonCheck check(root, diagnostics);
    check.checkSetup();
    const IdTable ids = buildIdTable(root, diagnostics);

    // The root declares the event signal before the first animation is
    // written; the upgrade leaves event keys as they are.
    const QJsonObject animations = root.value(QLatin1String("animations")).toObject();
    DocumentWriter document(device, imageFolder, animationsFireEvents(animations));
    // The setup items, as the animations, leave out what names nothing in
    // the skeleton; the check has warned.
    const TimelineTargets targets = skeletonTargets(root, ids);
    const QJsonArray bones = root.value(QLatin1String("bones")).toArray();
    for (int i = 0; i < bones.size(); ++i)
        document.appendBody(writeBone(bones.at(i).toObject(), i, ids, &targets.boneNames));
    const QJsonArray constraints = root.value(QLatin1String("ik")).toArray();
    for (int i = 0; i < constraints.size(); ++i) {
        const QJsonObject constraint = constraints.at(i).toObject();
        if (ikJointHasItsBones(constraint, &targets.boneNames))
            document.appendBody(writeIkJoint(constraint, i, ids));
    }
    const QJsonArray slots = root.value(QLatin1String("slots")).toArray();
    for (int i = 0; i < slots.size(); ++i)
        document.appendBody(writeSlot(slots.at(i).toObject(), i, ids, &targets.boneNames));
    document.appendBody(writeAttachments(root, ids));

    // The skins and the animations are the bulk of the document: they reach the
    // writer a part at a time instead of as one text each. The text keeps its
    // capacity from part to part.
    QString text;
    const PartDone handToWriter = [&document](QString &partText) {
        document.appendBody(partText);
        partText.resize(0);
    };
    appendSkins(text, packed, root.value(QLatin1String("skins")).toObject(), ids, handToWriter);
    handToWriter(text);
    document.appendBody(aliasLines(ids.imageAliases));

    // A newer file's animations are upgraded a slot and a bone at a time, as
    // they are written, so that no upgraded copy of an animation is held.
    const AnimationsInput shared{root, ids, check, handToWriter, targets};
    for (auto it = animations.begin(); it != animations.end(); ++it) {
        const QJsonObject animation = it.value().toObject();
        appendAnimationBlockStart(text, it.key(), ids);
        if (upgrading) {
            appendUpgradedAnimation(text, it.key(), animation, shared, upgraded.context, lost,
                                    diagnostics);
        } else {
            check.checkAnimation(it.key(), animation);
            appendAnimation(text, animation, it.key(), slots, root, ids, handToWriter,
                            &targets);
        }
        appendAnimationBlockEnd(text);
        handToWriter(text);
    }
    if (upgrading && !lost.isEmpty())
        diagnostics.note(lost.noteText());
    return document.finish();
}

QByteArray convertSkeleton(const QJsonObject &root, bool packed, const QString &imageFolder,
                           Diagnostics &diagnostics)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeSkeletonDocument(root, packed, imageFolder, &buffer, diagnostics);
    return bytes;
}

QByteArray convertSkeleton(const QJsonObject &root, bool packed, const QString &imageFolder)
{
    Diagnostics diagnostics;
    return convertSkeleton(root, packed, imageFolder, diagnostics);
}
