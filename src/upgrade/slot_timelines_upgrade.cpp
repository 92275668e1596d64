#include "animation_parts.h"

#include <cmath>

namespace {

// The spellings of a slot's colour timeline, in the order in which the first
// present one is used.
struct ColorSpelling {
    const char *timeline;
    // The key member that holds the colour: a text, or for "alpha" a number.
    const char *field;
    // 8: RRGGBBAA, 6: RRGGBB completed with the setup alpha, 0: an alpha alone.
    int digits;
    bool hasDark;
};

const ColorSpelling colorSpellings[] = {
    {"color", "color", 8, false},  {"rgba", "color", 8, false},     {"rgb", "color", 6, false},
    {"alpha", "value", 0, false},  {"twoColor", "light", 8, true}, {"rgba2", "light", 8, true},
    {"rgb2", "light", 6, true},
};

int hexDigit(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

bool isHexColor(const QString &text, int digits)
{
    if (text.size() != digits)
        return false;
    for (QChar c : text) {
        if (hexDigit(c) < 0)
            return false;
    }
    return true;
}

// Channel `index` of a colour text as 0..1; a text that is no colour animates
// as white in the writer, and its channels read so.
double channelValue(const QString &text, int digits, int index)
{
    if (!isHexColor(text, digits))
        return 1;
    return (hexDigit(text.at(2 * index)) * 16 + hexDigit(text.at(2 * index + 1))) / 255.0;
}

QString alphaDigits(double value)
{
    const double scaled = qBound(0.0, std::round(value * 255), 255.0);
    return QStringLiteral("%1").arg(int(scaled), 2, 16, QLatin1Char('0'));
}

// The colour the writer starts the slot from, split as the colour keys need it.
struct SetupColor {
    QString rgb = QStringLiteral("ffffff");
    QString alpha = QStringLiteral("ff");
};

SetupColor setupColorOf(const QString &slot, const UpgradeContext &context)
{
    SetupColor setup;
    const auto found = context.setupColors.constFind(slot);
    if (found == context.setupColors.constEnd())
        return setup;
    const QString &color = found.value();
    if (isHexColor(color, 8))
        setup.alpha = color.mid(6);
    if (isHexColor(color, 6) || isHexColor(color, 8))
        setup.rgb = color.left(6);
    return setup;
}

// One key's colour in RRGGBBAA and its light channels as 0..1.
struct KeyColor {
    QJsonValue color;
    int channelCount = 0;
    double channels[4] = {0, 0, 0, 0};
};

KeyColor keyColor(const QJsonObject &key, const ColorSpelling &spelling, const SetupColor &setup)
{
    KeyColor result;
    const QJsonValue field = key.value(QLatin1String(spelling.field));
    if (spelling.digits == 0) {
        const double alpha = field.toDouble();
        result.color = setup.rgb + alphaDigits(alpha);
        result.channels[0] = alpha;
        result.channelCount = 1;
        return result;
    }
    const QString text = field.toString();
    result.color = spelling.digits == 8 ? field : QJsonValue(text + setup.alpha);
    result.channelCount = spelling.digits == 8 ? 4 : 3;
    for (int i = 0; i < result.channelCount; ++i)
        result.channels[i] = channelValue(text, spelling.digits, i);
    return result;
}

// One curve for a key whose channels may each have their own: the curve of
// the first channel that moves.
SegmentCurve colorKeyCurve(const QVector<QJsonObject> &keys, const QVector<KeyColor> &colors,
                           int index, const AnimationUpgrade &upgrade)
{
    const QJsonObject &key = keys.at(index);
    const QJsonValue curve = key.value(QLatin1String("curve"));
    if (index + 1 >= keys.size())
        return SegmentCurve();
    const double t1 = upgradeKeyTime(key);
    const double t2 = upgradeKeyTime(keys.at(index + 1));
    if (!upgrade.context.newLayout || !curve.isArray())
        return keySegmentCurve(key, curve, {t1, 0, t2, 0}, 0, false, upgrade);
    const KeyColor &from = colors.at(index);
    const KeyColor &to = colors.at(index + 1);
    SegmentCurve chosen;
    bool moved = false;
    bool differ = false;
    for (int channel = 0; channel < from.channelCount; ++channel) {
        const double v1 = from.channels[channel];
        const double v2 = to.channels[channel];
        const SegmentCurve channelCurve =
                keySegmentCurve(key, curve, {t1, v1, t2, v2}, channel, false, upgrade);
        if (v1 == v2)
            continue;
        if (!moved) {
            chosen = channelCurve;
            moved = true;
        } else if (!channelCurve.isCloseTo(chosen)) {
            differ = true;
        }
    }
    if (differ)
        upgrade.lost.count(Lost::ColorChannelCurves);
    return moved ? chosen : SegmentCurve();
}

QVector<ColorKey> upgradedColor(const QJsonValue &timeline, const ColorSpelling &spelling,
                                const QString &slot, const AnimationUpgrade &upgrade)
{
    const QVector<QJsonObject> keys = timelineKeys(
            timeline,
            QStringLiteral("slot \"") + slot + QStringLiteral("\" \"")
                    + QLatin1String(spelling.timeline) + QLatin1Char('"'),
            upgrade);
    const SetupColor setup = setupColorOf(slot, upgrade.context);
    QVector<KeyColor> colors;
    colors.reserve(keys.size());
    for (const QJsonObject &key : keys)
        colors.append(keyColor(key, spelling, setup));
    QVector<ColorKey> upgraded;
    upgraded.reserve(keys.size());
    for (int i = 0; i < keys.size(); ++i) {
        upgraded.append({keys.at(i).value(QLatin1String("time")), colors.at(i).color,
                         colorKeyCurve(keys, colors, i, upgrade)});
    }
    return upgraded;
}

// 4.1+ keys may leave out the name to hide the attachment; a name dropped in
// every skin shows nothing either.
QJsonArray upgradedAttachments(const QJsonValue &timeline, const QString &slot,
                               const AnimationUpgrade &upgrade)
{
    const QSet<QString> hidden = upgrade.context.hiddenNames.value(slot);
    const QVector<QJsonObject> keys = timelineKeys(
            timeline, QStringLiteral("slot \"") + slot + QStringLiteral("\" \"attachment\""),
            upgrade);
    QJsonArray upgraded;
    for (const QJsonObject &source : keys) {
        QJsonValue name = source.value(QLatin1String("name"));
        if (name.isUndefined() || (name.isString() && hidden.contains(name.toString())))
            name = QJsonValue::Null;
        QJsonObject key;
        key.insert(QLatin1String("time"), source.value(QLatin1String("time")));
        key.insert(QLatin1String("name"), name);
        upgraded.append(key);
    }
    return upgraded;
}

} // namespace

UpgradedSlot upgradeSlot(const QString &slot, const QJsonValue &timelineValue,
                         const AnimationUpgrade &upgrade)
{
    const QJsonObject timelines = timelineValue.toObject();
    UpgradedSlot upgraded;
    if (timelines.contains(QLatin1String("attachment"))) {
        upgraded.timelines.insert(QLatin1String("attachment"),
                                  upgradedAttachments(timelines.value(QLatin1String("attachment")),
                                                      slot, upgrade));
    }
    bool colorRead = false;
    for (const ColorSpelling &spelling : colorSpellings) {
        const QJsonValue timeline = timelines.value(QLatin1String(spelling.timeline));
        if (timeline.isUndefined())
            continue;
        if (colorRead) {
            upgrade.lost.count(Lost::ExtraColorTimelines);
            continue;
        }
        colorRead = true;
        upgraded.hasColor = true;
        upgraded.colorKeys = upgradedColor(timeline, spelling, slot, upgrade);
        if (spelling.hasDark)
            upgrade.lost.count(Lost::DarkColorTimelines);
    }
    return upgraded;
}
