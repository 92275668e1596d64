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

void checkBones(const QString &animation, const QJsonObject &bones, const SkeletonNames &names,
                Diagnostics &diagnostics)
{
    for (auto bone = bones.begin(); bone != bones.end(); ++bone) {
        const auto boneWhere = [&] {
            return animationWhere(animation) + QStringLiteral(", bone ") + quoted(bone.key());
        };
        if (!names.bones.contains(bone.key())) {
            diagnostics.warn(QStringLiteral("%1 animates the bone %2, which is no bone")
                                     .arg(animationWhere(animation), quoted(bone.key())));
        }
        if (!bone.value().isObject())
            warnNotObject(diagnostics, "animated bones", bone.value(), boneWhere());
        const QJsonObject timelines = bone.value().toObject();
        for (const BoneTimeline &kind : boneTimelines) {
            const QJsonValue timeline = timelines.value(QLatin1String(kind.name));
            if (timeline.isUndefined())
                continue;
            const auto timelineWhere = [&] {
                return boneWhere() + QStringLiteral(", timeline ")
                        + quoted(QLatin1String(kind.name));
            };
            checkKeys(timeline, kind.keys, diagnostics, timelineWhere,
                      [&](const QJsonObject &key, const auto &where) {
                          for (const char *field : kind.fields) {
                              if (field) {
                                  expectKind(diagnostics, key, field, JsonKind::Number,
                                             kind.keys, where);
                              }
                          }
                      });
        }
    }
}

void checkSlots(const QString &animation, const QJsonObject &slots, const SkeletonNames &names,
                Diagnostics &diagnostics)
{
    for (auto slot = slots.begin(); slot != slots.end(); ++slot) {
        const QString slotName = slot.key();
        const auto slotWhere = [&] {
            return animationWhere(animation) + QStringLiteral(", slot ") + quoted(slotName);
        };
        // The attachments of a slot that is not there are not looked for: one
        // warning says it all.
        const bool known = names.slotNames.contains(slotName);
        if (!known) {
            diagnostics.warn(QStringLiteral("%1 animates the slot %2, which is no slot")
                                     .arg(animationWhere(animation), quoted(slotName)));
        }
        if (!slot.value().isObject())
            warnNotObject(diagnostics, "animated slots", slot.value(), slotWhere());
        const QJsonObject timelines = slot.value().toObject();
        const QJsonValue attachmentTimeline = timelines.value(QLatin1String("attachment"));
        if (!attachmentTimeline.isUndefined()) {
            checkKeys(attachmentTimeline, attachmentKeys, diagnostics,
                      [&] { return slotWhere() + QStringLiteral(", timeline \"attachment\""); },
                      [&](const QJsonObject &key, const auto &where) {
                          const QJsonValue name = key.value(QLatin1String("name"));
                          if (name.isNull())
                              return;
                          if (!name.isUndefined() && !name.isString()) {
                              warnWrongKind(diagnostics, attachmentKeys,
                                            QStringLiteral("name"), name, JsonKind::Text,
                                            where());
                          } else if (known && !names.hasAttachment(slotName, name.toString())) {
                              diagnostics.warn(
                                      QStringLiteral("%1: slot %2 has no attachment %3 in any "
                                                     "skin")
                                              .arg(where(), quoted(slotName),
                                                   quoted(name.toString())));
                          }
                      });
        }
        const QJsonValue colorKeys = timelines.value(QLatin1String("color"));
        if (!colorKeys.isUndefined()) {
            checkKeys(colorKeys, "color keys", diagnostics,
                      [&] { return slotWhere() + QStringLiteral(", timeline \"color\""); },
                      [&](const QJsonObject &key, const auto &where) {
                          const QJsonValue color = key.value(QLatin1String("color"));
                          if (isSpineColor(color.toString()))
                              return;
                          const QString what = color.isUndefined()
                                  ? QStringLiteral("there is no colour")
                                  : QStringLiteral("the colour %1 is no colour (6 or 8 hex "
                                                   "digits)")
                                            .arg(shownValue(color));
                          diagnostics.warn(QStringLiteral("%1: %2: it animates as white")
                                                   .arg(where(), what));
                      });
        }
    }
}

} // namespace

void checkAnimationTimelines(const QString &name, const QJsonObject &animation,
                             const QJsonObject &skeleton, const SkeletonNames &names,
                             Diagnostics &diagnostics)
{
    const QJsonValue stored =
            skeleton.value(QLatin1String("animations")).toObject().value(name);
    if (!stored.isObject())
        warnNotObject(diagnostics, "animations", stored, animationWhere(name));
    const auto where = [&] { return animationWhere(name); };
    if (expectKind(diagnostics, animation, "slots", JsonKind::Object, "animations", where))
        checkSlots(name, animation.value(QLatin1String("slots")).toObject(), names, diagnostics);
    if (expectKind(diagnostics, animation, "bones", JsonKind::Object, "animations", where))
        checkBones(name, animation.value(QLatin1String("bones")).toObject(), names, diagnostics);
    if (expectKind(diagnostics, animation, "ffd", JsonKind::Object, "animations", where)) {
        checkDeformTimelines(name, animation.value(QLatin1String("ffd")).toObject(), skeleton,
                             diagnostics);
    }
}
