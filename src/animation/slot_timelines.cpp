#include "slot_timelines.h"

#include "qmltext/color.h"
#include "qmltext/qml_ids.h"
#include "qmltext/statements.h"
#include "qmltext/string_literal.h"
#include "timeline.h"

#include <QHash>

namespace {

const QString white = QStringLiteral("ffffffff");

// "\"#AARRGGBB\"" of a Spine colour. ColorAnimation takes only colours, and
// one unreadable colour would stop the whole document from loading, so a
// text that is no colour animates as white, the colour of a slot without one.
QString colorLiteral(const QString &spineColor)
{
    const QString color = isSpineColor(spineColor) ? spineColor : white;
    return qmlStringLiteral(QLatin1Char('#') + qmlColor(color));
}

void appendColorAction(QString &out, const QString &slotIdText, const QString &spineColor)
{
    appendPropertyActionText(out, slotIdText, QStringLiteral("color"), colorLiteral(spineColor));
}

// A key whose name has no container (no skin has it, no slot shows it at
// setup, or it is no name) shows nothing, as a null name does.
void appendAttachmentSequence(QString &out, const QString &slotIdText, const QJsonArray &keys,
                              const IdTable &ids, const TimelineTargets *targets,
                              const PartDone &partDone)
{
    out += QLatin1String("\tSequentialAnimation {\n");
    double previousTime = 0;
    for (const QJsonValue &element : keys) {
        const QJsonObject key = element.toObject();
        const double time = keyTime(key);
        appendPauseBeforeKey(out, time, previousTime);
        const QJsonValue name = key.value(QLatin1String("name"));
        const QString reference = name.isNull() || !hasContainer(targets, name.toString())
                ? QStringLiteral("null")
                : ids.container(name.toString());
        out += QLatin1String("ScriptAction { script: ");
        out += slotIdText;
        out += QLatin1String(".attach(");
        out += reference;
        out += QLatin1String("); }\n");
        previousTime = time;
        reportLongPart(partDone, out);
    }
    out += QLatin1String("}\n");
}

// colorAnimation for a slot whose id is already known.
void appendColorSegment(QString &out, const QString &slotIdText, const QString &from,
                        const QString &to, int milliseconds, const SegmentCurve &curve)
{
    if (isSteppedCurve(curve)) {
        appendPauseStatement(out, milliseconds);
        appendColorAction(out, slotIdText, to);
        return;
    }
    out += QLatin1String("ColorAnimation { target: ");
    out += slotIdText;
    out += QLatin1String("; property: \"color\"; from: ");
    out += colorLiteral(from);
    out += QLatin1String("; to: ");
    out += colorLiteral(to);
    out += QLatin1String("; ");
    appendDurationAndEasing(out, milliseconds, curve);
}

const auto colorText = [](const QJsonValue &color) { return color.toString(); };

// The two statements of a slot's colour sequence.
struct ColorStatements {
    const QString &slotIdText;
    void operator()(QString &text, const QString &color) const
    {
        appendColorAction(text, slotIdText, color);
    }
    void operator()(QString &text, const QString &from, const QString &to, int milliseconds,
                    const SegmentCurve &curve) const
    {
        appendColorSegment(text, slotIdText, from, to, milliseconds, curve);
    }
};

void appendColorSequence(QString &out, const QString &slotIdText, const QJsonArray &keys,
                         const QString &startColor, const PartDone &partDone)
{
    out += QLatin1String("\tSequentialAnimation {\n");
    appendKeyedTimeline(
            out, keys, startColor,
            [](const QJsonObject &key) { return colorText(key.value(QLatin1String("color"))); },
            ColorStatements{slotIdText}, ColorStatements{slotIdText}, partDone);
    out += QLatin1String("}\n");
}

void appendColorSequence(QString &out, const QString &slotIdText, const QVector<ColorKey> &keys,
                         const QString &startColor, const PartDone &partDone)
{
    out += QLatin1String("\tSequentialAnimation {\n");
    appendReadTimeline(
            out, keys, startColor, colorText,
            ColorStatements{slotIdText}, ColorStatements{slotIdText}, partDone);
    out += QLatin1String("}\n");
}

} // namespace

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

QString startColorOf(const QHash<QString, QString> &setupColors, const QString &slot)
{
    return setupColors.value(slot, white);
}

void appendSlotSequences(QString &out, const QString &slot, const SlotSequences &sequences,
                         const IdTable &ids, const TimelineTargets *targets,
                         const PartDone &partDone)
{
    if (!sequences.attachmentKeys.isEmpty()) {
        appendAttachmentSequence(out, ids.slot(slot), sequences.attachmentKeys, ids, targets,
                                 partDone);
    }
    if (sequences.readColorKeys && !sequences.readColorKeys->isEmpty()) {
        appendColorSequence(out, ids.slot(slot), *sequences.readColorKeys, sequences.startColor,
                            partDone);
    } else if (!sequences.readColorKeys && !sequences.colorKeys.isEmpty()) {
        appendColorSequence(out, ids.slot(slot), sequences.colorKeys, sequences.startColor,
                            partDone);
    }
}

void appendSlotTimelines(QString &out, const QJsonObject &slots, const QJsonArray &skeletonSlots,
                         const IdTable &ids, const PartDone &partDone,
                         const TimelineTargets *targets)
{
    QHash<QString, QString> colors;
    bool colorsRead = false;
    for (auto slot = slots.begin(); slot != slots.end(); ++slot) {
        if (!hasSlot(targets, slot.key()))
            continue;
        const QJsonObject timelines = slot.value().toObject();
        SlotSequences sequences;
        sequences.attachmentKeys = timelines.value(QLatin1String("attachment")).toArray();
        sequences.colorKeys = timelines.value(QLatin1String("color")).toArray();
        if (!sequences.colorKeys.isEmpty()) {
            if (!colorsRead) {
                colors = setupColors(skeletonSlots);
                colorsRead = true;
            }
            sequences.startColor = startColorOf(colors, slot.key());
        }
        appendSlotSequences(out, slot.key(), sequences, ids, targets, partDone);
        reportPartDone(partDone, out);
    }
}

QString writeSlotTimelines(const QJsonObject &slots, const QJsonArray &skeletonSlots,
                           const IdTable &ids)
{
    QString out;
    appendSlotTimelines(out, slots, skeletonSlots, ids);
    return out;
}
