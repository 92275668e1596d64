#include "animation_check.h"

#include "json_kinds.h"
#include "qmltext/color.h"
#include "qmltext/number_format.h"

#include <QJsonArray>

#include <limits>

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

QString animationWhere(const QString &animation)
{
    return QStringLiteral("animation ") + quoted(animation);
}

template <typename Where>
void checkCurve(const QJsonObject &key, const char *keys, Diagnostics &diagnostics, Where where)
{
    const QJsonValue curve = key.value(QLatin1String("curve"));
    if (curve.isUndefined() || curve.isString())
        return;
    if (!curve.isArray()) {
        diagnostics.warnOnce(QLatin1String(keys) + QLatin1String("/curve"),
                             QStringLiteral("%1: \"curve\" is %2, not \"stepped\" or a list: the "
                                            "step after it is linear (not repeated for other %3)")
                                     .arg(where(), jsonTypeName(curve), QLatin1String(keys)));
        return;
    }
    expectNumberList(diagnostics, key, "curve", keys, where);
}

// The keys of one timeline: each an object with a number "time", in time
// order, and a curve the writers read; checkFields checks the rest.
template <typename TimelineWhere, typename CheckFields>
void checkKeys(const QJsonValue &timeline, const char *keys, Diagnostics &diagnostics,
               TimelineWhere timelineWhere, CheckFields checkFields)
{
    if (!timeline.isArray()) {
        diagnostics.warnOnce(QLatin1String(keys) + QLatin1String("/[]"),
                             QStringLiteral("%1 is %2, not a list of keys: it has no keys (not "
                                            "repeated for other timelines of its kind)")
                                     .arg(timelineWhere(), jsonTypeName(timeline)));
        return;
    }
    const QJsonArray list = timeline.toArray();
    double previous = -std::numeric_limits<double>::infinity();
    bool orderWarned = false;
    for (const QJsonValue &element : list) {
        const QJsonObject key = element.toObject();
        const QJsonValue timeValue = key.value(QLatin1String("time"));
        const double time = timeValue.toDouble();
        const auto where = [&] {
            return timelineWhere() + QStringLiteral(", key at ") + formatNumber(time)
                    + QStringLiteral(" s");
        };
        if (!element.isObject())
            warnNotObject(diagnostics, keys, element, timelineWhere() + QStringLiteral(", a key"));
        if (!timeValue.isUndefined() && !timeValue.isDouble()) {
            warnWrongKind(diagnostics, keys, QStringLiteral("time"), timeValue, JsonKind::Number,
                          where());
        }
        if (time < previous && !orderWarned) {
            diagnostics.warn(QStringLiteral("%1: the key at %2 s follows a key at %3 s (keys out "
                                            "of time order): the step to it lasts 0 ms")
                                     .arg(timelineWhere(), formatNumber(time),
                                          formatNumber(previous)));
            orderWarned = true;
        }
        previous = time;
        checkCurve(key, keys, diagnostics, where);
        checkFields(key, where);
    }
}

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
        const QJsonValue attachmentKeys = timelines.value(QLatin1String("attachment"));
        if (!attachmentKeys.isUndefined()) {
            checkKeys(attachmentKeys, "attachment keys", diagnostics,
                      [&] { return slotWhere() + QStringLiteral(", timeline \"attachment\""); },
                      [&](const QJsonObject &key, const auto &where) {
                          const QJsonValue name = key.value(QLatin1String("name"));
                          if (name.isNull())
                              return;
                          if (!name.isUndefined() && !name.isString()) {
                              warnWrongKind(diagnostics, "attachment keys",
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

// What a deform timeline names, which must be a mesh of a skin.
void checkDeformTarget(const QString &animation, const QString &skin, const QString &slot,
                       const QString &attachment, const QJsonObject &skins,
                       Diagnostics &diagnostics)
{
    const QString deforms = animationWhere(animation) + QStringLiteral(" deforms ");
    const auto skinIt = skins.constFind(skin);
    if (skinIt == skins.constEnd()) {
        diagnostics.warn(deforms + QStringLiteral("attachments in skin %1, which is no skin")
                                           .arg(quoted(skin)));
        return;
    }
    const QJsonObject skinSlots = skinIt.value().toObject();
    const auto slotIt = skinSlots.constFind(slot);
    if (slotIt == skinSlots.constEnd()) {
        diagnostics.warn(deforms + QStringLiteral("attachments of slot %1 in skin %2, which has "
                                                  "no slot %1")
                                           .arg(quoted(slot), quoted(skin)));
        return;
    }
    const QString target = QStringLiteral("the attachment %1 of slot %2 in skin %3")
                                   .arg(quoted(attachment), quoted(slot), quoted(skin));
    const QJsonObject attachments = slotIt.value().toObject();
    const auto it = attachments.constFind(attachment);
    if (it == attachments.constEnd()) {
        diagnostics.warn(deforms + target + QStringLiteral(", which is no attachment"));
        return;
    }
    const QString type = it.value().toObject().value(QLatin1String("type")).toString();
    if (type == QLatin1String("mesh") || type == QLatin1String("skinnedmesh"))
        return;
    const QString what = type == QLatin1String("boundingbox") ? QStringLiteral("a bounding box")
                                                              : QStringLiteral("an image");
    diagnostics.warn(deforms + target + QStringLiteral(", which is %1, not a mesh").arg(what));
}

void checkDeforms(const QString &animation, const QJsonObject &ffd, const QJsonObject &skeleton,
                  Diagnostics &diagnostics)
{
    const QJsonObject skins = skeleton.value(QLatin1String("skins")).toObject();
    for (auto skin = ffd.begin(); skin != ffd.end(); ++skin) {
        if (!skin.value().isObject()) {
            warnNotObject(diagnostics, "deformed skins", skin.value(),
                          animationWhere(animation) + QStringLiteral(", deform of skin ")
                                  + quoted(skin.key()));
        }
        const QJsonObject slots = skin.value().toObject();
        for (auto slot = slots.begin(); slot != slots.end(); ++slot) {
            if (!slot.value().isObject()) {
                warnNotObject(diagnostics, "deformed slots", slot.value(),
                              animationWhere(animation)
                                      + QStringLiteral(", deform of slot %1 in skin %2")
                                                .arg(quoted(slot.key()), quoted(skin.key())));
            }
            const QJsonObject attachments = slot.value().toObject();
            for (auto it = attachments.begin(); it != attachments.end(); ++it) {
                checkDeformTarget(animation, skin.key(), slot.key(), it.key(), skins,
                                  diagnostics);
                checkKeys(
                        it.value(), "deform keys", diagnostics,
                        [&] {
                            return animationWhere(animation)
                                    + QStringLiteral(", deform of attachment %1 of slot %2 in "
                                                     "skin %3")
                                              .arg(quoted(it.key()), quoted(slot.key()),
                                                   quoted(skin.key()));
                        },
                        [&](const QJsonObject &key, const auto &where) {
                            expectNumberList(diagnostics, key, "vertices", "deform keys", where);
                            expectKind(diagnostics, key, "offset", JsonKind::Number,
                                       "deform keys", where);
                        });
            }
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
        checkDeforms(name, animation.value(QLatin1String("ffd")).toObject(), skeleton,
                     diagnostics);
    }
}
