#pragma once

#include "animation/bone_timelines.h"
#include "animation/timeline.h"
#include "carry_over.h"
#include "diagnostics/diagnostics.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <QVector>

// Newer Spine files are turned into the 2.x layout that the writers read,
// once for the setup pose and the skins, then an animation a piece at a time as the
// document is written, so that an upgraded copy of the animations is never
// held whole.

struct AttachmentPath {
    QString skin;
    QString slot;
    QString attachment;
};
inline bool operator==(const AttachmentPath &a, const AttachmentPath &b)
{
    return a.skin == b.skin && a.slot == b.slot && a.attachment == b.attachment;
}
inline uint qHash(const AttachmentPath &path, uint seed = 0)
{
    return ::qHash(path.skin, seed) ^ (::qHash(path.slot, seed) * 31u)
            ^ (::qHash(path.attachment, seed) * 131u);
}

// What the setup upgrade learned that the animations need.
struct UpgradeContext {
    // Skins are an array (3.8 and later): missing scale keys mean 1 and
    // curve arrays are per channel, in seconds and value units.
    bool newLayout = false;
    // Linked meshes that follow their parent's deform timelines. A parent
    // that is itself linked comes before the meshes linked to it, so that
    // copying in this order carries a timeline down a whole chain.
    struct LinkedDeform {
        AttachmentPath linked;
        AttachmentPath parent;
    };
    QVector<LinkedDeform> linkedDeforms;
    // Attachments that were dropped: their deform timelines go too.
    QSet<AttachmentPath> dropped;
    // Per slot, the attachment names dropped in every skin that had them:
    // an attachment key naming one hides the attachment.
    QHash<QString, QSet<QString>> hiddenNames;
    // Per slot name, the colour the colour writer starts from (the last slot
    // of that name with a colour): an "rgb" or "alpha" key is completed from
    // it.
    QHash<QString, QString> setupColors;
};

struct UpgradedSetup {
    // bones, ik, slots and skins in the 2.x layout; "animations" as the
    // file holds it, each to be upgraded a piece at a time (below).
    QJsonObject skeleton;
    UpgradeContext context;
};

// True when the file is of a newer layout and must be upgraded; a file that
// is not is read exactly as it is.
bool needsUpgrade(const QJsonObject &root);

// "read as a Spine <version> file".
QString versionNote(const QJsonObject &root);

UpgradedSetup upgradeSetup(const QJsonObject &root, CarryOverReport &lost,
                           Diagnostics &diagnostics);

// One animation is upgraded a piece at a time, as the writers take it: each
// animated slot, each animated bone, then the deform timelines, so that no
// upgraded copy of a whole animation is held. Every piece of one animation
// shares this.
struct AnimationUpgrade {
    QString name;
    const UpgradeContext &context;
    CarryOverReport &lost;
    Diagnostics &diagnostics;
};

// Counts the timelines the document has no place for; once per animation.
void countIgnoredTimelines(const QJsonObject &animation, CarryOverReport &lost);

// One animated slot in the 2.x layout: "attachment" keys as JSON, its colour
// timeline (in whatever spelling) as colour keys read already.
struct UpgradedSlot {
    QJsonObject timelines;
    bool hasColor = false;
    QVector<ColorKey> colorKeys;
};
UpgradedSlot upgradeSlot(const QString &slot, const QJsonValue &timelines,
                         const AnimationUpgrade &upgrade);

// One animated bone: its rotate, translate and scale timelines read already,
// translate and scale split by channel, every curve in the 2.x form.
struct UpgradedBone {
    QJsonObject timelines;
    SplitChannels split;
};
UpgradedBone upgradeBone(const QString &bone, const QJsonValue &timelines,
                         const AnimationUpgrade &upgrade);

// The animation's "ik" section: each key's curve in the 2.x form, read from
// its mix channel.
QJsonObject upgradeIkTimelines(const QJsonObject &animation, const AnimationUpgrade &upgrade);

// The "ffd" section of the animation, undefined when it has no deform
// section.
QJsonValue upgradeDeformTimelines(const QJsonObject &animation, const AnimationUpgrade &upgrade);
