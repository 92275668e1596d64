#pragma once

#include "qmltext/text_parts.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

// Whole milliseconds of a segment, truncated toward zero and clamped to
// 0..INT_MAX, so absurd or out-of-order key times cannot overflow or go
// negative.
int segmentMilliseconds(double seconds);

// "; easing.bezierCurve: [ c1, c2, ..., 1,1 ]" for a curve that is an array,
// the empty text for any other curve.
void appendEasing(QString &out, const QJsonValue &curve);

bool isSteppedCurve(const QJsonValue &curve);
// "PauseAnimation { duration: ms }\n".
void appendPauseStatement(QString &out, double seconds);
// Appends "duration: ms", the easing of an array curve and " }\n": the common
// end of every animation statement of a segment.
void appendDurationAndEasing(QString &out, double seconds, const QJsonValue &curve);

double keyTime(const QJsonObject &key);

// What a timeline pass remembers from one key to the next.
template <typename Value>
struct TimelineState {
    double previousTime = 0;
    Value previousValue;
    QJsonValue previousCurve = QJsonValue::Null;
};

// The rule shared by bone, colour and deform timelines: a key at time 0 sets
// its value at once; any other key animates from the previous value over the
// time since the previous key, shaped by the previous key's curve. The two
// statement writers append to out: appendSet(out, value) and
// appendSegment(out, from, to, seconds, curve). Long text is handed on
// through partDone between keys.
template <typename Value, typename ReadValue, typename AppendSet, typename AppendSegment>
void appendKeyedTimeline(QString &out, const QJsonArray &keys, const Value &startValue,
                         ReadValue readValue, AppendSet appendSet, AppendSegment appendSegment,
                         const PartDone &partDone = PartDone())
{
    TimelineState<Value> state;
    state.previousValue = startValue;
    for (const QJsonValue &element : keys) {
        const QJsonObject key = element.toObject();
        const double time = keyTime(key);
        const Value value = readValue(key);
        if (time == 0) {
            appendSet(out, value);
        } else {
            appendSegment(out, state.previousValue, value, time - state.previousTime,
                          state.previousCurve);
            state.previousTime = time;
        }
        state.previousValue = value;
        state.previousCurve = key.value(QLatin1String("curve"));
        reportLongPart(partDone, out);
    }
}
