#include "animation_parts.h"

#include <cmath>

namespace {

const QString timeField = QStringLiteral("time");
const QString valueField = QStringLiteral("value");
const QString curveField = QStringLiteral("curve");

QJsonObject channelKey(const QJsonObject &source, double value, const QJsonValue &curve)
{
    QJsonObject key;
    key.insert(timeField, source.value(timeField));
    key.insert(valueField, value);
    key.insert(curveField, curve);
    return key;
}

QJsonArray upgradedRotate(const QJsonValue &timeline, const QString &bone,
                          const AnimationUpgrade &upgrade)
{
    const QVector<QJsonObject> keys =
            timelineKeys(timeline, QStringLiteral("bone \"%1\" \"rotate\"").arg(bone), upgrade);
    QVector<double> angles;
    angles.reserve(keys.size());
    for (const QJsonObject &key : keys) {
        const bool hasValue = key.contains(valueField);
        if (hasValue && key.contains(QLatin1String("angle")))
            upgrade.lost.count(Lost::SecondSpellings);
        angles.append(hasValue ? key.value(valueField).toDouble()
                               : key.value(QLatin1String("angle")).toDouble());
    }
    QJsonArray upgraded;
    for (int i = 0; i < keys.size(); ++i) {
        const double next = i + 1 < keys.size() ? angles.at(i + 1) : angles.at(i);
        // A "value" key keeps its spelling: the writer plays a timeline that
        // has one as written, whole turns included.
        const bool hasValue = keys.at(i).contains(valueField);
        QJsonObject key;
        key.insert(timeField, keys.at(i).value(timeField));
        key.insert(hasValue ? valueField : QStringLiteral("angle"), angles.at(i));
        key.insert(curveField, segmentCurve(keys, i, 0, angles.at(i), next, false, upgrade));
        upgraded.append(key);
    }
    return upgraded;
}

// One channel of a timeline: a field of a combined translate or scale
// timeline, or the value of a split one.
QJsonArray channelOfKeys(const QVector<QJsonObject> &keys, const QString &field, int channel,
                             double fallback, const AnimationUpgrade &upgrade)
{
    QJsonArray upgraded;
    for (int i = 0; i < keys.size(); ++i) {
        const double value = keyNumber(keys.at(i), field, fallback);
        const double next =
                i + 1 < keys.size() ? keyNumber(keys.at(i + 1), field, fallback) : value;
        upgraded.append(channelKey(keys.at(i), value,
                                   segmentCurve(keys, i, channel, value, next, false, upgrade)));
    }
    return upgraded;
}

QJsonArray splitChannel(const QJsonValue &timeline, const QString &where, double fallback,
                        const AnimationUpgrade &upgrade)
{
    return channelOfKeys(timelineKeys(timeline, where, upgrade), valueField, 0, fallback, upgrade);
}

// A translate or scale transform: the combined timeline split into its two
// channels, or when there is none, the split timelines as they are.
void upgradeTransform(const QJsonObject &timelines, const QString &bone, const QString &combined,
                      double combinedFallback, double splitFallback, QJsonObject &upgraded,
                      const AnimationUpgrade &upgrade)
{
    const QString xName = combined + QLatin1Char('x');
    const QString yName = combined + QLatin1Char('y');
    // Not QString::arg twice: a name may hold "%1".
    const auto where = [&bone](const QString &timeline) {
        return QStringLiteral("bone \"") + bone + QStringLiteral("\" \"") + timeline
                + QLatin1Char('"');
    };
    if (timelines.contains(combined)) {
        const QVector<QJsonObject> keys =
                timelineKeys(timelines.value(combined), where(combined), upgrade);
        upgraded.insert(xName, channelOfKeys(keys, QStringLiteral("x"), 0, combinedFallback,
                                                 upgrade));
        upgraded.insert(yName, channelOfKeys(keys, QStringLiteral("y"), 1, combinedFallback,
                                                 upgrade));
        const int splitCount = int(timelines.contains(xName)) + int(timelines.contains(yName));
        if (splitCount > 0)
            upgrade.lost.count(Lost::SecondSpellings, splitCount);
        return;
    }
    for (const QString &name : {xName, yName}) {
        if (timelines.contains(name)) {
            upgraded.insert(name, splitChannel(timelines.value(name), where(name),
                                               splitFallback, upgrade));
        }
    }
}

QJsonObject upgradedBone(const QJsonObject &timelines, const QString &bone,
                         const AnimationUpgrade &upgrade)
{
    QJsonObject upgraded;
    if (timelines.contains(QLatin1String("rotate"))) {
        upgraded.insert(QLatin1String("rotate"),
                        upgradedRotate(timelines.value(QLatin1String("rotate")), bone, upgrade));
    }
    // Older files always write the scale of a key; from 3.8 a missing one is 1.
    const double combinedScale = upgrade.context.newLayout ? 1 : 0;
    upgradeTransform(timelines, bone, QStringLiteral("translate"), 0, 0, upgraded, upgrade);
    upgradeTransform(timelines, bone, QStringLiteral("scale"), combinedScale, 1, upgraded,
                     upgrade);
    for (const char *shear : {"shear", "shearx", "sheary"}) {
        if (timelines.contains(QLatin1String(shear)))
            upgrade.lost.count(Lost::ShearTimelines);
    }
    if (timelines.contains(QLatin1String("inherit")))
        upgrade.lost.count(Lost::InheritTimelines);
    return upgraded;
}

} // namespace

QJsonObject upgradeBoneTimelines(const QJsonObject &bones, const AnimationUpgrade &upgrade)
{
    QJsonObject upgraded;
    for (auto bone = bones.begin(); bone != bones.end(); ++bone)
        upgraded.insert(bone.key(), upgradedBone(bone.value().toObject(), bone.key(), upgrade));
    return upgraded;
}
