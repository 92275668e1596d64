#pragma once

#include "json_kinds.h"
#include "qmltext/number_format.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <limits>

// What the bone, slot and deform timelines of an animation share: the
// animation's name in a warning and the check of their keys.

// The kind of item of the keys of a slot's attachment timeline.
const char *const attachmentKeys = "attachment keys";

inline QString animationWhere(const QString &animation)
{
    return QStringLiteral("animation ") + quoted(animation);
}

// A curve is "stepped", a list of numbers or absent; other text is linear.
template <typename Where>
void checkCurve(const QJsonObject &key, const char *keys, Diagnostics &diagnostics, Where where)
{
    const QJsonValue curve = key.value(QLatin1String("curve"));
    if (curve.isUndefined() || curve.isString())
        return;
    if (!curve.isArray()) {
        diagnostics.warnOnce(QLatin1String(keys) + QLatin1String("/curve"),
                             QStringLiteral("%1: \"curve\" is %2, not \"stepped\" or a list: the "
                                            "step after it is linear (not repeated for other %3)")
                                     .arg(where(), jsonTypeName(curve), QLatin1String(keys)));
        return;
    }
    expectNumberList(diagnostics, key, "curve", keys, where);
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
    double previous = -std::numeric_limits<double>::infinity();
    bool orderWarned = false;
    for (const QJsonValue &element : list) {
        const QJsonObject key = element.toObject();
        const QJsonValue timeValue = key.value(QLatin1String("time"));
        const double time = timeValue.toDouble();
        const auto where = [&] {
            return timelineWhere() + QStringLiteral(", key at ") + formatNumber(time)
                    + QStringLiteral(" s");
        };
        if (!element.isObject())
            warnNotObject(diagnostics, keys, element, timelineWhere() + QStringLiteral(", a key"));
        if (!timeValue.isUndefined() && !timeValue.isDouble()) {
            warnWrongKind(diagnostics, keys, QStringLiteral("time"), timeValue, JsonKind::Number,
                          where());
        }
        if (time < previous && !orderWarned) {
            diagnostics.warn(QStringLiteral("%1: the key at %2 s follows a key at %3 s (keys out "
                                            "of time order): the step to it lasts 0 ms")
                                     .arg(timelineWhere(), formatNumber(time),
                                          formatNumber(previous)));
            orderWarned = true;
        }
        previous = time;
        // Attachment keys switch at once: their curve is never read.
        if (qstrcmp(keys, attachmentKeys) != 0)
            checkCurve(key, keys, diagnostics, where);
        checkFields(key, where);
    }
}
