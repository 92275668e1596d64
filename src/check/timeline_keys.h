#pragma once

#include "animation/timeline.h"
#include "json_kinds.h"
#include "qmltext/number_format.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QVector>

#include <limits>

// What the bone, slot and deform timelines of an animation share: the
// animation's name in a warning and the check of their keys.

// The kinds of item of the keys that switch at once: their curve is never
// read.
const char *const attachmentKeys = "attachment keys";
const char *const drawOrderKeyItems = "draw order keys";
const char *const eventKeyItems = "event keys";

inline bool readsCurve(const char *keys)
{
    return qstrcmp(keys, attachmentKeys) != 0 && qstrcmp(keys, drawOrderKeyItems) != 0
            && qstrcmp(keys, eventKeyItems) != 0;
}

inline QString animationWhere(const QString &animation)
{
    return QStringLiteral("animation ") + quoted(animation);
}

// A curve is "stepped", a list of numbers or absent; other text is linear.
template <typename Where>
void checkCurve(const QJsonValue &curve, const char *keys, Diagnostics &diagnostics, Where where)
{
    if (curve.isUndefined() || curve.isString())
        return;
    if (!curve.isArray()) {
        diagnostics.warnOnce(QLatin1String(keys) + QLatin1String("/curve"),
                             QStringLiteral("%1: \"curve\" is %2, not \"stepped\" or a list: the "
                                            "step after it is linear (not repeated for other %3)")
                                     .arg(where(), jsonTypeName(curve), QLatin1String(keys)));
        return;
    }
    const QJsonArray list = curve.toArray();
    for (const QJsonValue &element : list) {
        if (!element.isDouble()) {
            warnWrongElement(diagnostics, keys, QStringLiteral("curve"), element,
                             JsonKind::Number, where());
            return;
        }
    }
}

// Four handles read already are a list of numbers.
template <typename Where>
void checkCurve(const SegmentCurve &curve, const char *keys, Diagnostics &diagnostics, Where where)
{
    if (!curve.isBezier())
        checkCurve(curve.json(), keys, diagnostics, where);
}

// The times of one timeline's keys: each a number, in time order.
class KeyTimes
{
public:
    // `where` describes the key, `timelineWhere` its timeline.
    template <typename TimelineWhere, typename Where>
    void check(const QJsonValue &timeValue, double time, const char *keys,
               Diagnostics &diagnostics, TimelineWhere timelineWhere, Where where)
    {
        if (!timeValue.isUndefined() && !timeValue.isDouble()) {
            warnWrongKind(diagnostics, keys, QStringLiteral("time"), timeValue, JsonKind::Number,
                          where());
        }
        if (time < m_previous && !m_orderWarned) {
            diagnostics.warn(QStringLiteral("%1: the key at %2 s follows a key at %3 s (keys out "
                                            "of time order): the step to it lasts 0 ms")
                                     .arg(timelineWhere(), formatNumber(time),
                                          formatNumber(m_previous)));
            m_orderWarned = true;
        }
        m_previous = time;
    }

private:
    double m_previous = -std::numeric_limits<double>::infinity();
    bool m_orderWarned = false;
};

template <typename TimelineWhere>
auto keyWhere(const TimelineWhere &timelineWhere, double time)
{
    return [&timelineWhere, time] {
        return timelineWhere() + QStringLiteral(", key at ") + formatNumber(time)
                + QStringLiteral(" s");
    };
}

// The keys of one timeline: each an object with a number "time", in time
// order, and a curve the writers read; checkFields checks the rest.
template <typename TimelineWhere, typename CheckFields>
void checkKeys(const QJsonValue &timeline, const char *keys, Diagnostics &diagnostics,
               TimelineWhere timelineWhere, CheckFields checkFields)
{
    if (!timeline.isArray()) {
        diagnostics.warnOnce(QLatin1String(keys) + QLatin1String("/[]"),
                             QStringLiteral("%1 is %2, not a list of keys: it has no keys (not "
                                            "repeated for other timelines of its kind)")
                                     .arg(timelineWhere(), jsonTypeName(timeline)));
        return;
    }
    const QJsonArray list = timeline.toArray();
    KeyTimes times;
    for (const QJsonValue &element : list) {
        const QJsonObject key = element.toObject();
        const QJsonValue timeValue = key.value(QLatin1String("time"));
        const double time = timeValue.toDouble();
        const auto where = keyWhere(timelineWhere, time);
        if (!element.isObject())
            warnNotObject(diagnostics, keys, element, timelineWhere() + QStringLiteral(", a key"));
        times.check(timeValue, time, keys, diagnostics, timelineWhere, where);
        if (readsCurve(keys))
            checkCurve(key.value(QLatin1String("curve")), keys, diagnostics, where);
        checkFields(key, where);
    }
}

// The same for keys read already; checkValue(value, where) checks a key's
// value.
template <typename Value, typename TimelineWhere, typename CheckValue>
void checkReadKeys(const QVector<ReadKey<Value>> &list, const char *keys,
                   Diagnostics &diagnostics, TimelineWhere timelineWhere, CheckValue checkValue)
{
    KeyTimes times;
    for (const ReadKey<Value> &key : list) {
        const double time = key.time.toDouble();
        const auto where = keyWhere(timelineWhere, time);
        times.check(key.time, time, keys, diagnostics, timelineWhere, where);
        checkCurve(key.curve, keys, diagnostics, where);
        checkValue(key.value, where);
    }
}
