#include "animation_parts.h"

// Timelines of an animation that the document has no place for: one count
// per timeline (per constraint for the constraint sections).
void countIgnoredTimelines(const QJsonObject &animation, CarryOverReport &lost)
{
    // 4.3: each folder keeps a draw order of its own slots.
    const QJsonValue folders = animation.value(QLatin1String("drawOrderFolder"));
    if (!folders.isUndefined())
        lost.count(Lost::DrawOrderFolders, qMax(1, folders.toArray().size()));
    const struct {
        const char *section;
        Lost kind;
    } constraints[] = {{"transform", Lost::TransformTimelines},
                       {"path", Lost::PathTimelines},
                       {"physics", Lost::PhysicsTimelines},
                       {"slider", Lost::SliderTimelines}};
    for (const auto &constraint : constraints) {
        const QJsonValue section = animation.value(QLatin1String(constraint.section));
        if (section.isUndefined())
            continue;
        lost.count(constraint.kind, qMax(1, section.toObject().size()));
    }
}

QVector<QJsonObject> timelineKeys(const QJsonValue &timeline, const QString &where,
                                  const AnimationUpgrade &upgrade)
{
    if (!timeline.isArray()) {
        upgrade.diagnostics.warn(QStringLiteral("animation \"%1\": %2 is not a list of keys; "
                                                "read as none")
                                         .arg(upgrade.name, where));
    }
    const QJsonArray array = timeline.toArray();
    QVector<QJsonObject> keys;
    keys.reserve(array.size());
    for (const QJsonValue &key : array)
        keys.append(key.toObject());
    return keys;
}

double upgradeKeyTime(const QJsonObject &key)
{
    return key.value(QLatin1String("time")).toDouble();
}

double keyNumber(const QJsonObject &key, const QString &field, double fallback)
{
    const QJsonValue value = key.value(field);
    return value.isUndefined() ? fallback : value.toDouble();
}

SegmentCurve keySegmentCurve(const QJsonObject &key, const QJsonValue &curve,
                             const ChannelSegment &segment, int channel, bool valueless,
                             const AnimationUpgrade &upgrade)
{
    if (upgrade.context.newLayout && curve.isArray()) {
        if (curve.toArray().size() < 4 * (channel + 1)) {
            upgrade.diagnostics.warnOnce(
                    QStringLiteral("short curve ") + upgrade.name,
                    QStringLiteral("animation \"%1\": a curve array too short for its channels "
                                   "is read as linear")
                            .arg(upgrade.name));
        }
    }
    return upgradedCurve(key, curve, channel, segment, upgrade.context.newLayout, valueless,
                         upgrade.lost);
}

QJsonValue segmentCurve(const QVector<QJsonObject> &keys, int index, int channel, double v1,
                        double v2, bool valueless, const AnimationUpgrade &upgrade)
{
    if (index + 1 >= keys.size())
        return lastKeyCurve();
    const QJsonObject &key = keys.at(index);
    const ChannelSegment segment{upgradeKeyTime(key), v1, upgradeKeyTime(keys.at(index + 1)), v2};
    return keySegmentCurve(key, key.value(QLatin1String("curve")), segment, channel, valueless,
                           upgrade)
            .toJson();
}
