#include "timeline.h"

#include "qmltext/number_format.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace {

// The text of QString::number(value), without a temporary string.
void appendInteger(QString &out, int value)
{
    char digits[16];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
    out += QLatin1String(digits, int(end.ptr - digits));
}

} // namespace

int segmentMilliseconds(double seconds)
{
    const double milliseconds = std::trunc(seconds * 1000.0);
    // A key before the one it follows gives no negative duration, which the
    // engine would refuse and replace by its default.
    if (std::isnan(milliseconds) || milliseconds < 0)
        return 0;
    if (milliseconds >= double(INT_MAX))
        return INT_MAX;
    if (milliseconds <= double(INT_MIN))
        return INT_MIN;
    return int(milliseconds);
}

void appendEasing(QString &out, const QJsonValue &curve)
{
    if (!curve.isArray())
        return;
    out += QLatin1String("; easing.bezierCurve: [ ");
    const QJsonArray controls = curve.toArray();
    for (const QJsonValue &control : controls) {
        appendNumber(out, control.toDouble());
        out += QLatin1String(", ");
    }
    out += QLatin1String("1,1 ]");
}

bool isSteppedCurve(const QJsonValue &curve)
{
    return curve.isString() && curve.toString() == QLatin1String("stepped");
}

void appendPauseStatement(QString &out, double seconds)
{
    out += QLatin1String("PauseAnimation { duration: ");
    appendInteger(out, segmentMilliseconds(seconds));
    out += QLatin1String(" }\n");
}

void appendDurationAndEasing(QString &out, double seconds, const QJsonValue &curve)
{
    out += QLatin1String("duration: ");
    appendInteger(out, segmentMilliseconds(seconds));
    appendEasing(out, curve);
    out += QLatin1String(" }\n");
}

double keyTime(const QJsonObject &key)
{
    return key.value(QLatin1String("time")).toDouble();
}
