#include "timeline.h"

#include "qmltext/number_format.h"

#include <climits>
#include <cmath>

int keyMilliseconds(double seconds)
{
    const double milliseconds = std::round(seconds * 1000.0);
    if (std::isnan(milliseconds))
        return 0;
    if (milliseconds >= double(INT_MAX))
        return INT_MAX;
    if (milliseconds <= double(INT_MIN))
        return INT_MIN;
    return int(milliseconds);
}

int segmentMilliseconds(double time, double previousTime)
{
    const long long difference =
            (long long)keyMilliseconds(time) - (long long)keyMilliseconds(previousTime);
    if (difference < 0)
        return 0;
    return difference > INT_MAX ? INT_MAX : int(difference);
}

SegmentCurve SegmentCurve::bezier(double cx1, double cy1, double cx2, double cy2)
{
    // As a JSON list holds them: without negative zeros.
    SegmentCurve curve;
    curve.m_handles[0] = cx1 + 0.0;
    curve.m_handles[1] = cy1 + 0.0;
    curve.m_handles[2] = cx2 + 0.0;
    curve.m_handles[3] = cy2 + 0.0;
    curve.m_bezier = true;
    return curve;
}

bool SegmentCurve::isStepped() const
{
    return !m_bezier && m_json.isString() && m_json.toString() == QLatin1String("stepped");
}

QJsonValue SegmentCurve::toJson() const
{
    if (!m_bezier)
        return m_json;
    return QJsonArray{m_handles[0], m_handles[1], m_handles[2], m_handles[3]};
}

void SegmentCurve::appendEasing(QString &out) const
{
    if (!m_bezier && !m_json.isArray())
        return;
    out += QLatin1String("; easing.bezierCurve: [ ");
    if (m_bezier) {
        for (double handle : m_handles) {
            appendNumber(out, handle);
            out += QLatin1String(", ");
        }
    } else {
        const QJsonArray controls = m_json.toArray();
        for (const QJsonValue &control : controls) {
            appendNumber(out, control.toDouble());
            out += QLatin1String(", ");
        }
    }
    out += QLatin1String("1,1 ]");
}

bool SegmentCurve::isCloseTo(const SegmentCurve &other) const
{
    if (m_bezier && other.m_bezier) {
        for (int i = 0; i < 4; ++i) {
            if (std::abs(m_handles[i] - other.m_handles[i]) > 1e-9)
                return false;
        }
        return true;
    }
    if (!m_bezier && !other.m_bezier && !(m_json.isArray() && other.m_json.isArray()))
        return m_json == other.m_json;
    const QJsonValue left = toJson();
    const QJsonValue right = other.toJson();
    if (!left.isArray() || !right.isArray())
        return false;
    const QJsonArray a = left.toArray();
    const QJsonArray b = right.toArray();
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (std::abs(a.at(i).toDouble() - b.at(i).toDouble()) > 1e-9)
            return false;
    }
    return true;
}

void appendEasing(QString &out, const SegmentCurve &curve)
{
    curve.appendEasing(out);
}

bool isSteppedCurve(const SegmentCurve &curve)
{
    return curve.isStepped();
}

void appendPauseStatement(QString &out, int milliseconds)
{
    out += QLatin1String("PauseAnimation { duration: ");
    appendInteger(out, milliseconds);
    out += QLatin1String(" }\n");
}

void appendDurationAndEasing(QString &out, int milliseconds, const SegmentCurve &curve)
{
    out += QLatin1String("duration: ");
    appendInteger(out, milliseconds);
    appendEasing(out, curve);
    out += QLatin1String(" }\n");
}

void appendPauseBeforeKey(QString &out, double time, double previousTime)
{
    if (time > 0)
        appendPauseStatement(out, segmentMilliseconds(time, previousTime));
}

double keyTime(const QJsonObject &key)
{
    return key.value(QLatin1String("time")).toDouble();
}
