#include "slot_timelines.h"

#include "qmltext/color.h"
#include "qmltext/qml_ids.h"
#include "qmltext/statements.h"
#include "qmltext/string_literal.h"
#include "timeline.h"

#include <QHash>

#include <cctype>

namespace {

const QString white = QStringLiteral("ffffffff");

// Six or eight hex digits: what qmlColor turns into a colour QML can read.
bool isSpineColor(const QString &text)
{
    if (text.size() != 6 && text.size() != 8)
        return false;
    for (QChar c : text) {
        if (!isxdigit(c.unicode()) || c.unicode() > 0x7f)
            return false;
    }
    return true;
}

// "\"#AARRGGBB\"" of a Spine colour. ColorAnimation takes only colours, and
// one unreadable colour would stop the whole document from loading, so a
// text that is no colour animates as white, the colour of a slot without one.
QString colorLiteral(const QString &spineColor)
{
    const QString color = isSpineColor(spineColor) ? spineColor : white;
    return qmlStringLiteral(QLatin1Char('#') + qmlColor(color));
}

QString colorAction(const QString &slotIdText, const QString &spineColor)
{
    return propertyActionText(slotIdText, QStringLiteral("color"), colorLiteral(spineColor));
}

// Setup colour per slot name; when several slots share a name, the last one
// that has a colour counts.
QHash<QString, QString> setupColors(const QJsonArray &skeletonSlots)
{
    QHash<QString, QString> colors;
    for (const QJsonValue &element : skeletonSlots) {
        const QJsonObject slot = element.toObject();
        if (slot.contains(QLatin1String("color"))) {
            colors.insert(slot.value(QLatin1String("name")).toString(),
                          slot.value(QLatin1String("color")).toString());
        }
    }
    return colors;
}

QString attachmentSequence(const QString &slotIdText, const QJsonArray &keys)
{
    QString out = QStringLiteral("\tSequentialAnimation {\n");
    double previousTime = 0;
    for (const QJsonValue &element : keys) {
        const QJsonObject key = element.toObject();
        const double time = keyTime(key);
        if (time > 0)
            out += pauseStatement(time - previousTime);
        const QJsonValue name = key.value(QLatin1String("name"));
        const QString reference = name.isNull() ? QStringLiteral("null")
                                                : containerId(name.toString());
        out += QLatin1String("ScriptAction { script: ") + slotIdText + QLatin1String(".attach(")
                + reference + QLatin1String("); }\n");
        previousTime = time;
    }
    out += QLatin1String("}\n");
    return out;
}

QString colorSequence(const QString &slotName, const QJsonArray &keys, const QString &startColor)
{
    const QString slotIdText = slotId(slotName);
    QString out = QStringLiteral("\tSequentialAnimation {\n");
    appendKeyedTimeline(
            out, keys, startColor,
            [](const QJsonObject &key) { return key.value(QLatin1String("color")).toString(); },
            [&](const QString &color) { return colorAction(slotIdText, color); },
            [&](const QString &from, const QString &to, double seconds, const QJsonValue &curve) {
                return colorAnimation(slotName, from, to, seconds, curve);
            });
    out += QLatin1String("}\n");
    return out;
}

} // namespace

QString colorAnimation(const QString &slotName, const QString &from, const QString &to,
                       double seconds, const QJsonValue &curve)
{
    const QString slotIdText = slotId(slotName);
    if (isSteppedCurve(curve))
        return pauseStatement(seconds) + colorAction(slotIdText, to);
    QString out = QLatin1String("ColorAnimation { target: ") + slotIdText
            + QLatin1String("; property: \"color\"; from: ") + colorLiteral(from)
            + QLatin1String("; to: ") + colorLiteral(to) + QLatin1String("; ");
    appendDurationAndEasing(out, seconds, curve);
    return out;
}

QString writeSlotTimelines(const QJsonObject &slots, const QJsonArray &skeletonSlots)
{
    QString out;
    QHash<QString, QString> colors;
    bool colorsRead = false;
    for (auto slot = slots.begin(); slot != slots.end(); ++slot) {
        const QJsonObject timelines = slot.value().toObject();
        const QJsonArray attachmentKeys = timelines.value(QLatin1String("attachment")).toArray();
        if (!attachmentKeys.isEmpty())
            out += attachmentSequence(slotId(slot.key()), attachmentKeys);
        const QJsonArray colorKeys = timelines.value(QLatin1String("color")).toArray();
        if (!colorKeys.isEmpty()) {
            if (!colorsRead) {
                colors = setupColors(skeletonSlots);
                colorsRead = true;
            }
            out += colorSequence(slot.key(), colorKeys,
                                 colors.value(slot.key(), white));
        }
    }
    return out;
}
