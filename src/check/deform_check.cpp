#include "animation_check.h"

#include "timeline_keys.h"

namespace {

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

} // namespace

void checkDeformTimelines(const QString &animation, const QJsonObject &ffd,
                          const QJsonObject &skeleton, Diagnostics &diagnostics)
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
