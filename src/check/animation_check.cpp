#include "animation_check.h"

#include "json_kinds.h"
#include "qmltext/color.h"
#include "timeline_keys.h"

namespace {

// A bone timeline the writers read, and the key fields they read from it.
struct BoneTimeline {
    const char *name;
    const char *keys;
    // One or two fields; the second is null when there is one.
    const char *fields[2];
};

const BoneTimeline boneTimelines[] = {
        {"rotate", "rotate keys", {"angle", nullptr}},
        {"scale", "scale keys", {"x", "y"}},
        {"translate", "translate keys", {"x", "y"}},
        {"translatex", "translatex keys", {"value", nullptr}},
        {"translatey", "translatey keys", {"value", nullptr}},
        {"scalex", "scalex keys", {"value", nullptr}},
        {"scaley", "scaley keys", {"value", nullptr}},
};

// The channels of an upgraded bone, in the order of the table above.
const struct {
    SplitChannels::Channel channel;
    const char *name;
    const char *keys;
} splitTimelines[] = {
        {SplitChannels::Rotate, "rotate", "rotate keys"},
        {SplitChannels::TranslateX, "translatex", "translatex keys"},
        {SplitChannels::TranslateY, "translatey", "translatey keys"},
        {SplitChannels::ScaleX, "scalex", "scalex keys"},
        {SplitChannels::ScaleY, "scaley", "scaley keys"},
};

template <typename TimelineWhere>
void checkColorKey(const QJsonValue &color, TimelineWhere where, Diagnostics &diagnostics)
{
    if (isSpineColor(color.toString()))
        return;
    const QString what = color.isUndefined()
            ? QStringLiteral("there is no colour")
            : QStringLiteral("the colour %1 is no colour (6 or 8 hex digits)")
                      .arg(shownValue(color));
    diagnostics.warn(QStringLiteral("%1: %2: it animates as white").arg(where(), what));
}

} // namespace

void checkAnimatedBone(const QString &animation, const QString &bone, const QJsonValue &value,
                       const SplitChannels *split, const SkeletonNames &names,
                       Diagnostics &diagnostics)
{
    const auto boneWhere = [&] {
        return animationWhere(animation) + QStringLiteral(", bone ") + quoted(bone);
    };
    if (!names.bones.contains(bone)) {
        diagnostics.warn(QStringLiteral("%1 animates the bone %2, which is no bone")
                                 .arg(animationWhere(animation), quoted(bone)));
    }
    if (!value.isObject())
        warnNotObject(diagnostics, "animated bones", value, boneWhere());
    const QJsonObject timelines = value.toObject();
    for (const BoneTimeline &kind : boneTimelines) {
        const QJsonValue timeline = timelines.value(QLatin1String(kind.name));
        if (timeline.isUndefined())
            continue;
        const auto timelineWhere = [&] {
            return boneWhere() + QStringLiteral(", timeline ") + quoted(QLatin1String(kind.name));
        };
        checkKeys(timeline, kind.keys, diagnostics, timelineWhere,
                  [&](const QJsonObject &key, const auto &where) {
                      for (const char *field : kind.fields) {
                          if (field) {
                              expectKind(diagnostics, key, field, JsonKind::Number, kind.keys,
                                         where);
                          }
                      }
                  });
    }
    if (!split)
        return;
    // A value read already is a number.
    for (const auto &kind : splitTimelines) {
        if (!split->present[kind.channel])
            continue;
        const auto timelineWhere = [&] {
            return boneWhere() + QStringLiteral(", timeline ") + quoted(QLatin1String(kind.name));
        };
        checkReadKeys(split->keys[kind.channel], kind.keys, diagnostics, timelineWhere,
                      [](double, const auto &) {});
    }
}

void checkAnimatedSlot(const QString &animation, const QString &slot, const QJsonValue &value,
                       const QVector<ColorKey> *colors, const SkeletonNames &names,
                       Diagnostics &diagnostics)
{
    const auto slotWhere = [&] {
        return animationWhere(animation) + QStringLiteral(", slot ") + quoted(slot);
    };
    // The attachments of a slot that is not there are not looked for: one
    // warning says it all.
    const bool known = names.slotNames.contains(slot);
    if (!known) {
        diagnostics.warn(QStringLiteral("%1 animates the slot %2, which is no slot")
                                 .arg(animationWhere(animation), quoted(slot)));
    }
    if (!value.isObject())
        warnNotObject(diagnostics, "animated slots", value, slotWhere());
    const QJsonObject timelines = value.toObject();
    const QJsonValue attachmentTimeline = timelines.value(QLatin1String("attachment"));
    if (!attachmentTimeline.isUndefined()) {
        checkKeys(attachmentTimeline, attachmentKeys, diagnostics,
                  [&] { return slotWhere() + QStringLiteral(", timeline \"attachment\""); },
                  [&](const QJsonObject &key, const auto &where) {
                      const QJsonValue name = key.value(QLatin1String("name"));
                      if (name.isNull())
                          return;
                      if (!name.isUndefined() && !name.isString()) {
                          warnWrongKind(diagnostics, attachmentKeys, QStringLiteral("name"),
                                        name, JsonKind::Text, where());
                      } else if (known && !names.hasAttachment(slot, name.toString())) {
                          diagnostics.warn(
                                  QStringLiteral("%1: slot %2 has no attachment %3 in any skin")
                                          .arg(where(), quoted(slot), quoted(name.toString())));
                      }
                  });
    }
    const auto colorWhere = [&] { return slotWhere() + QStringLiteral(", timeline \"color\""); };
    if (colors) {
        checkReadKeys(*colors, "color keys", diagnostics, colorWhere,
                      [&](const QJsonValue &color, const auto &where) {
                          checkColorKey(color, where, diagnostics);
                      });
        return;
    }
    const QJsonValue colorKeys = timelines.value(QLatin1String("color"));
    if (!colorKeys.isUndefined()) {
        checkKeys(colorKeys, "color keys", diagnostics, colorWhere,
                  [&](const QJsonObject &key, const auto &where) {
                      checkColorKey(key.value(QLatin1String("color")), where, diagnostics);
                  });
    }
}

void checkStoredAnimation(const QString &name, const QJsonObject &skeleton,
                          Diagnostics &diagnostics)
{
    const QJsonValue stored =
            skeleton.value(QLatin1String("animations")).toObject().value(name);
    if (!stored.isObject())
        warnNotObject(diagnostics, "animations", stored, animationWhere(name));
}

void checkAnimationTimelines(const QString &name, const QJsonObject &animation,
                             const QJsonObject &skeleton, const SkeletonNames &names,
                             Diagnostics &diagnostics)
{
    checkStoredAnimation(name, skeleton, diagnostics);
    const auto where = [&] { return animationWhere(name); };
    if (expectKind(diagnostics, animation, "slots", JsonKind::Object, "animations", where)) {
        const QJsonObject slots = animation.value(QLatin1String("slots")).toObject();
        for (auto slot = slots.begin(); slot != slots.end(); ++slot)
            checkAnimatedSlot(name, slot.key(), slot.value(), nullptr, names, diagnostics);
    }
    if (expectKind(diagnostics, animation, "bones", JsonKind::Object, "animations", where)) {
        const QJsonObject bones = animation.value(QLatin1String("bones")).toObject();
        for (auto bone = bones.begin(); bone != bones.end(); ++bone)
            checkAnimatedBone(name, bone.key(), bone.value(), nullptr, names, diagnostics);
    }
    if (expectKind(diagnostics, animation, "ffd", JsonKind::Object, "animations", where)) {
        checkDeformTimelines(name, animation.value(QLatin1String("ffd")).toObject(), skeleton,
                             diagnostics);
    }
    checkKeyedSequences(name, animation, animation.value(QLatin1String("ik")).toObject(),
                        skeleton, diagnostics);
}
