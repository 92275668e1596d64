#include "animation_parts.h"

namespace {

double keyMix(const QJsonObject &key)
{
    return keyNumber(key, QStringLiteral("mix"), 1);
}

// A 3.8 or 4.x key's curve is read from its first channel, the mix; the
// softness channel of a 4.x key goes with the softness itself.
QJsonArray upgradedIkKeys(const QString &constraint, const QJsonValue &timeline,
                          const AnimationUpgrade &upgrade)
{
    const QVector<QJsonObject> keys = timelineKeys(
            timeline, QStringLiteral("IK constraint \"") + constraint + QLatin1Char('"'), upgrade);
    QJsonArray upgraded;
    for (int i = 0; i < keys.size(); ++i) {
        QJsonObject key = keys.at(i);
        for (const char *setting : {"softness", "compress", "stretch"}) {
            if (key.contains(QLatin1String(setting))) {
                upgrade.lost.count(Lost::IkKeySettings);
                break;
            }
        }
        const double nextMix = i + 1 < keys.size() ? keyMix(keys.at(i + 1)) : 0;
        key.insert(QLatin1String("curve"),
                   segmentCurve(keys, i, 0, keyMix(key), nextMix, false, upgrade));
        upgraded.append(key);
    }
    return upgraded;
}

} // namespace

QJsonObject upgradeIkTimelines(const QJsonObject &animation, const AnimationUpgrade &upgrade)
{
    const QJsonObject ik = animation.value(QLatin1String("ik")).toObject();
    QJsonObject upgraded;
    for (auto timeline = ik.begin(); timeline != ik.end(); ++timeline)
        upgraded.insert(timeline.key(), upgradedIkKeys(timeline.key(), timeline.value(), upgrade));
    return upgraded;
}
