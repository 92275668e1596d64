#include "animation_parts.h"

#include "animation/rotation_turns.h"

namespace {

const QString timeField = QStringLiteral("time");
const QString valueField = QStringLiteral("value");
const QString curveField = QStringLiteral("curve");

// What a channel's keys need of each source key, each member looked up once
// for both channels of a combined timeline.
struct SourceKey {
    QJsonObject object;
    QJsonValue time;
    double seconds = 0;
    QJsonValue curve;
};

QVector<SourceKey> sourceKeys(const QVector<QJsonObject> &keys)
{
    QVector<SourceKey> read;
    read.reserve(keys.size());
    for (const QJsonObject &key : keys) {
        const QJsonValue time = key.value(timeField);
        read.append({key, time, time.toDouble(), key.value(curveField)});
    }
    return read;
}

// One channel of a timeline, given each key's value: the keys with their
// curves over each segment.
QVector<NumberKey> channelOfValues(const QVector<SourceKey> &keys, const QVector<double> &values,
                                   int channel, const AnimationUpgrade &upgrade)
{
    QVector<NumberKey> upgraded;
    upgraded.reserve(keys.size());
    for (int i = 0; i < keys.size(); ++i) {
        const SourceKey &key = keys.at(i);
        const bool last = i + 1 == keys.size();
        const SegmentCurve curve = last
                ? SegmentCurve()
                : keySegmentCurve(key.object, key.curve,
                                  {key.seconds, values.at(i), keys.at(i + 1).seconds,
                                   values.at(i + 1)},
                                  channel, false, upgrade);
        upgraded.append({key.time, values.at(i), curve});
    }
    return upgraded;
}

// One channel of a timeline: a field of a combined translate or scale
// timeline, or the value of a split one.
QVector<NumberKey> channelOfKeys(const QVector<SourceKey> &keys, const QString &field,
                                 int channel, double fallback, const AnimationUpgrade &upgrade)
{
    QVector<double> values;
    values.reserve(keys.size());
    for (const SourceKey &key : keys)
        values.append(asJsonNumber(keyNumber(key.object, field, fallback)));
    return channelOfValues(keys, values, channel, upgrade);
}

// Rotate keys as the file writes them: "value" (4.x) before "angle". A
// timeline with a "value" key is played as written, so that is kept.
void upgradeRotate(const QJsonValue &timeline, const QString &bone, SplitChannels &split,
                   const AnimationUpgrade &upgrade)
{
    const QVector<SourceKey> keys = sourceKeys(
            timelineKeys(timeline, QStringLiteral("bone \"%1\" \"rotate\"").arg(bone), upgrade));
    QVector<double> values;
    values.reserve(keys.size());
    for (const SourceKey &key : keys) {
        const bool hasValue = key.object.contains(valueField);
        if (hasValue && key.object.contains(QLatin1String("angle")))
            upgrade.lost.count(Lost::SecondSpellings);
        split.rotateAsWritten = split.rotateAsWritten || hasValue;
        values.append(asJsonNumber(writtenRotation(key.object)));
    }
    split.keys[SplitChannels::Rotate] = channelOfValues(keys, values, 0, upgrade);
    split.present[SplitChannels::Rotate] = true;
}

// A translate or scale transform: the combined timeline split into its two
// channels, or when there is none, the split timelines as they are.
void upgradeTransform(const QJsonObject &timelines, const QString &bone, const QString &combined,
                      double combinedFallback, double splitFallback, SplitChannels &split,
                      SplitChannels::Channel xChannel, const AnimationUpgrade &upgrade)
{
    const QString xName = combined + QLatin1Char('x');
    const QString yName = combined + QLatin1Char('y');
    const auto yChannel = SplitChannels::Channel(xChannel + 1);
    // Not QString::arg twice: a name may hold "%1".
    const auto where = [&bone](const QString &timeline) {
        return QStringLiteral("bone \"") + bone + QStringLiteral("\" \"") + timeline
                + QLatin1Char('"');
    };
    if (timelines.contains(combined)) {
        const QVector<SourceKey> keys =
                sourceKeys(timelineKeys(timelines.value(combined), where(combined), upgrade));
        split.keys[xChannel] =
                channelOfKeys(keys, QStringLiteral("x"), 0, combinedFallback, upgrade);
        split.keys[yChannel] =
                channelOfKeys(keys, QStringLiteral("y"), 1, combinedFallback, upgrade);
        split.present[xChannel] = split.present[yChannel] = true;
        const int splitCount = int(timelines.contains(xName)) + int(timelines.contains(yName));
        if (splitCount > 0)
            upgrade.lost.count(Lost::SecondSpellings, splitCount);
        return;
    }
    const QString names[] = {xName, yName};
    for (int i = 0; i < 2; ++i) {
        if (!timelines.contains(names[i]))
            continue;
        const auto channel = SplitChannels::Channel(xChannel + i);
        const QVector<SourceKey> keys =
                sourceKeys(timelineKeys(timelines.value(names[i]), where(names[i]), upgrade));
        split.keys[channel] = channelOfKeys(keys, valueField, 0, splitFallback, upgrade);
        split.present[channel] = true;
    }
}

} // namespace

UpgradedBone upgradeBone(const QString &bone, const QJsonValue &timelineValue,
                         const AnimationUpgrade &upgrade)
{
    const QJsonObject timelines = timelineValue.toObject();
    UpgradedBone upgraded;
    if (timelines.contains(QLatin1String("rotate")))
        upgradeRotate(timelines.value(QLatin1String("rotate")), bone, upgraded.split, upgrade);
    // Older files always write the scale of a key; from 3.8 a missing one is 1.
    const double combinedScale = upgrade.context.newLayout ? 1 : 0;
    upgradeTransform(timelines, bone, QStringLiteral("translate"), 0, 0, upgraded.split,
                     SplitChannels::TranslateX, upgrade);
    upgradeTransform(timelines, bone, QStringLiteral("scale"), combinedScale, 1, upgraded.split,
                     SplitChannels::ScaleX, upgrade);
    for (const char *shear : {"shear", "shearx", "sheary"}) {
        if (timelines.contains(QLatin1String(shear)))
            upgrade.lost.count(Lost::ShearTimelines);
    }
    if (timelines.contains(QLatin1String("inherit")))
        upgrade.lost.count(Lost::InheritTimelines);
    return upgraded;
}
