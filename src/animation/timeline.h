#pragma once

#include "qmltext/text_parts.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QVector>

// Whole milliseconds of a segment, truncated toward zero and clamped to
// 0..INT_MAX, so absurd or out-of-order key times cannot overflow or go
// negative.
int segmentMilliseconds(double seconds);

// The curve from one key to the next as the writers read it: "stepped", a
// list of bezier handles, or linear (anything else). Keys of the 2.x layout
// hold it as JSON; keys read already (an upgraded file's) may hold four
// handles, so that no JSON list is built per key.
class SegmentCurve
{
public:
    SegmentCurve() = default;
    // As a key of the 2.x layout holds it; undefined when the key has none.
    SegmentCurve(const QJsonValue &json) : m_json(json) {}
    static SegmentCurve bezier(double cx1, double cy1, double cx2, double cy2);

    bool isStepped() const;
    bool isBezier() const { return m_bezier; }
    // The JSON of a curve that is no four handles (undefined for those).
    const QJsonValue &json() const { return m_json; }
    // The curve as a key of the 2.x layout would hold it.
    QJsonValue toJson() const;
    // "; easing.bezierCurve: [ c1, c2, ..., 1,1 ]" for a list of handles,
    // nothing for any other curve.
    void appendEasing(QString &out) const;
    // Curves made from one handle in seconds and value units come out a
    // rounding apart once normalised: those are the same curve.
    bool isCloseTo(const SegmentCurve &other) const;

private:
    QJsonValue m_json = QJsonValue(QJsonValue::Undefined);
    double m_handles[4] = {0, 0, 0, 0};
    bool m_bezier = false;
};

void appendEasing(QString &out, const SegmentCurve &curve);
bool isSteppedCurve(const SegmentCurve &curve);
// "PauseAnimation { duration: ms }\n".
void appendPauseStatement(QString &out, double seconds);
// Appends "duration: ms", the easing of an array curve and " }\n": the common
// end of every animation statement of a segment.
void appendDurationAndEasing(QString &out, double seconds, const SegmentCurve &curve);

// The pause of a key of a sequence that switches at its keys (attachments,
// draw order, events, IK bend): a key after time 0 waits from the last key
// written in its sequence; a key at 0 or before is written at once.
void appendPauseBeforeKey(QString &out, double time, double previousTime);

double keyTime(const QJsonObject &key);

// One key read already: its time as the file gives it (the check tells a
// time that is no number), its value and its curve toward the next key.
template <typename Value>
struct ReadKey {
    QJsonValue time;
    Value value;
    SegmentCurve curve;
};
using NumberKey = ReadKey<double>;
// A colour key's value is the colour text as the file gives it.
using ColorKey = ReadKey<QJsonValue>;

// What a timeline pass remembers from one key to the next.
template <typename Value>
struct TimelineState {
    double previousTime = 0;
    Value previousValue;
    SegmentCurve previousCurve = SegmentCurve(QJsonValue::Null);
};

// The rule shared by bone, colour and deform timelines, for keys of the 2.x
// layout and keys read already alike: a key at time 0 sets its value at
// once; any other key animates from the previous value over the time since
// the previous key, shaped by the previous key's curve. The two statement
// writers append to out: appendSet(out, value) and
// appendSegment(out, from, to, seconds, curve).
template <typename Value, typename AppendSet, typename AppendSegment>
void appendTimelineKey(QString &out, TimelineState<Value> &state, double time, const Value &value,
                       const SegmentCurve &curve, AppendSet &appendSet,
                       AppendSegment &appendSegment)
{
    if (time == 0) {
        appendSet(out, value);
    } else {
        appendSegment(out, state.previousValue, value, time - state.previousTime,
                      state.previousCurve);
        state.previousTime = time;
    }
    state.previousValue = value;
    state.previousCurve = curve;
}

// The keys of a JSON timeline; readValue(key) gives a key's value. Long text
// is handed on through partDone between keys.
template <typename Value, typename ReadValue, typename AppendSet, typename AppendSegment>
void appendKeyedTimeline(QString &out, const QJsonArray &keys, const Value &startValue,
                         ReadValue readValue, AppendSet appendSet, AppendSegment appendSegment,
                         const PartDone &partDone = PartDone())
{
    TimelineState<Value> state;
    state.previousValue = startValue;
    for (const QJsonValue &element : keys) {
        const QJsonObject key = element.toObject();
        appendTimelineKey(out, state, keyTime(key), readValue(key),
                          SegmentCurve(key.value(QLatin1String("curve"))), appendSet,
                          appendSegment);
        reportLongPart(partDone, out);
    }
}

// The same for keys read already; readValue(value) gives what is written.
template <typename Value, typename Written, typename ReadValue, typename AppendSet,
          typename AppendSegment>
void appendReadTimeline(QString &out, const QVector<ReadKey<Value>> &keys,
                        const Written &startValue, ReadValue readValue, AppendSet appendSet,
                        AppendSegment appendSegment, const PartDone &partDone = PartDone())
{
    TimelineState<Written> state;
    state.previousValue = startValue;
    for (const ReadKey<Value> &key : keys) {
        appendTimelineKey(out, state, key.time.toDouble(), readValue(key.value), key.curve,
                          appendSet, appendSegment);
        reportLongPart(partDone, out);
    }
}
