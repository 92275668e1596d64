#pragma once

#include "qmltext/text_parts.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QVector>

// A key time in whole milliseconds: 1000 times the seconds, rounded to the
// nearest (halves away from zero) and clamped to the int range.
int keyMilliseconds(double seconds);

// How long the pause or segment that leads up to a key at `time` lasts after
// one at `previousTime`: the difference of their whole-millisecond times, so
// that every key starts at its own time to within half a millisecond however
// many keys come before it (lengths rounded one by one would drift). A key
// before the one it follows gives 0, which the engine would otherwise refuse
// and replace by its default.
int segmentMilliseconds(double time, double previousTime);

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
void appendPauseStatement(QString &out, int milliseconds);
// Appends "duration: ms", the easing of an array curve and " }\n": the common
// end of every animation statement of a segment.
void appendDurationAndEasing(QString &out, int milliseconds, const SegmentCurve &curve);

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
    bool firstKey = true;
    double previousTime = 0;
    Value previousValue;
    SegmentCurve previousCurve = SegmentCurve(QJsonValue::Null);
};

// The rule shared by bone, colour and deform timelines, for keys of the 2.x
// layout and keys read already alike: a key at time 0 sets its value at
// once; a first key after 0 holds the start value until its time and then
// jumps there, as the editor shows the setup pose until a timeline's first
// key; any other key animates from the previous value since the previous
// key, shaped by the previous key's curve. The two statement writers append
// to out: appendSet(out, value) and
// appendSegment(out, from, to, milliseconds, curve).
template <typename Value, typename AppendSet, typename AppendSegment>
void appendTimelineKey(QString &out, TimelineState<Value> &state, double time, const Value &value,
                       const SegmentCurve &curve, AppendSet &appendSet,
                       AppendSegment &appendSegment)
{
    if (time == 0) {
        appendSet(out, value);
    } else if (state.firstKey && time > 0) {
        appendPauseStatement(out, segmentMilliseconds(time, state.previousTime));
        appendSet(out, value);
        state.previousTime = time;
    } else {
        appendSegment(out, state.previousValue, value,
                      segmentMilliseconds(time, state.previousTime), state.previousCurve);
        state.previousTime = time;
    }
    state.firstKey = false;
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
