#pragma once

#include "qmltext/id_table.h"

#include <QSet>
#include <QString>

// What an animation's timelines may name: the skeleton's bones and slots,
// the attachment names that have a container, and the meshes that a deform
// timeline can move. A timeline that names anything else would target no
// item (the document loads, then the animation raises an error each time it
// runs), so the writers leave it out, and an attachment key that names no
// container shows nothing. The document's driver fills it from the
// skeleton; a writer given none writes every timeline as it is named.
struct TimelineTargets {
    QSet<QString> boneNames;
    QSet<QString> slotNames;
    QSet<QString> containerNames;
    // IdTable::attachmentKey(skin, slot, attachment) of every mesh and
    // skinned mesh.
    QSet<QString> meshKeys;
    // The IK constraint names, for the constraint an IK timeline animates:
    // those whose first constraint of the name has its IKJoint written.
    QSet<QString> constraintNames;
};

// Each is true when there are no targets to go by.
inline bool hasBone(const TimelineTargets *targets, const QString &bone)
{
    return !targets || targets->boneNames.contains(bone);
}

inline bool hasSlot(const TimelineTargets *targets, const QString &slot)
{
    return !targets || targets->slotNames.contains(slot);
}

inline bool hasContainer(const TimelineTargets *targets, const QString &attachmentName)
{
    return !targets || targets->containerNames.contains(attachmentName);
}

inline bool hasMesh(const TimelineTargets *targets, const QString &skin, const QString &slot,
                    const QString &attachment)
{
    return !targets || targets->meshKeys.contains(IdTable::attachmentKey(skin, slot, attachment));
}

inline bool hasConstraint(const TimelineTargets *targets, const QString &constraint)
{
    return !targets || targets->constraintNames.contains(constraint);
}
