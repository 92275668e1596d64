#pragma once

#include <QHash>
#include <QJsonObject>
#include <QSet>
#include <QString>

// The names a reference can resolve to, gathered once per skeleton.
struct SkeletonNames {
    QSet<QString> bones;
    int boneCount = 0;
    QSet<QString> slotNames;
    bool hasSkins = false;
    // Per slot name, the attachment names that some skin has for it.
    QHash<QString, QSet<QString>> attachments;

    bool hasAttachment(const QString &slot, const QString &attachment) const
    {
        const auto it = attachments.constFind(slot);
        return it != attachments.constEnd() && it->contains(attachment);
    }
};

SkeletonNames gatherNames(const QJsonObject &skeleton);
