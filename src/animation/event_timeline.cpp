#include "event_timeline.h"

#include "qmltext/number_format.h"
#include "qmltext/string_literal.h"
#include "timeline.h"

#include <climits>
#include <cmath>

const char *const spineEventSignal =
        "signal spineEvent(string name, int intValue, real floatValue, string stringValue, "
        "string audioPath, real volume, real balance)";

namespace {

// An int field: truncated toward zero and clamped to the int range.
int intOf(const QJsonValue &value)
{
    const double number = std::trunc(value.toDouble());
    if (std::isnan(number))
        return 0;
    if (number >= double(INT_MAX))
        return INT_MAX;
    if (number <= double(INT_MIN))
        return INT_MIN;
    return int(number);
}

// The key's own field when it has one, else the setup's, else `fallback`;
// a field of another kind reads as the 2.x rules read it.
QJsonValue fieldOf(const QJsonObject &key, const QJsonObject &setup, const char *field)
{
    const QJsonValue own = key.value(QLatin1String(field));
    return own.isUndefined() ? setup.value(QLatin1String(field)) : own;
}

double numberOr(const QJsonValue &value, double fallback)
{
    return value.isUndefined() ? fallback : value.toDouble();
}

} // namespace

bool firesEvent(const QJsonObject &key)
{
    return key.value(QLatin1String("name")).isString();
}

bool animationsFireEvents(const QJsonObject &animations)
{
    for (const QJsonValue &animation : animations) {
        const QJsonArray keys = animation.toObject().value(QLatin1String("events")).toArray();
        for (const QJsonValue &key : keys) {
            if (firesEvent(key.toObject()))
                return true;
        }
    }
    return false;
}

EventValues eventValues(const QJsonObject &key, const QJsonObject &setupEvents)
{
    EventValues values;
    values.name = key.value(QLatin1String("name")).toString();
    const QJsonObject setup = setupEvents.value(values.name).toObject();
    values.intValue = intOf(fieldOf(key, setup, "int"));
    values.floatValue = fieldOf(key, setup, "float").toDouble();
    values.stringValue = fieldOf(key, setup, "string").toString();
    values.audioPath = setup.value(QLatin1String("audio")).toString();
    values.volume = numberOr(fieldOf(key, setup, "volume"), 1);
    values.balance = fieldOf(key, setup, "balance").toDouble();
    return values;
}

void appendEventTimeline(QString &out, const QJsonArray &keys, const QJsonObject &setupEvents,
                         const PartDone &partDone)
{
    bool opened = false;
    double previousTime = 0;
    for (const QJsonValue &element : keys) {
        const QJsonObject key = element.toObject();
        if (!firesEvent(key))
            continue;
        if (!opened) {
            out += QLatin1String("\tSequentialAnimation {\n");
            opened = true;
        }
        const double time = keyTime(key);
        appendPauseBeforeKey(out, time, previousTime);
        const EventValues values = eventValues(key, setupEvents);
        out += QLatin1String("ScriptAction { script: root.spineEvent(");
        out += qmlStringLiteral(values.name);
        out += QLatin1String(", ");
        appendInteger(out, values.intValue);
        out += QLatin1String(", ");
        appendNumber(out, values.floatValue);
        out += QLatin1String(", ");
        out += qmlStringLiteral(values.stringValue);
        out += QLatin1String(", ");
        out += qmlStringLiteral(values.audioPath);
        out += QLatin1String(", ");
        appendNumber(out, values.volume);
        out += QLatin1String(", ");
        appendNumber(out, values.balance);
        out += QLatin1String("); }\n");
        previousTime = time;
        reportLongPart(partDone, out);
    }
    if (opened)
        out += QLatin1String("\t}\n");
}
