#include "timeline.h"

#include "qmltext/number_format.h"

#include <climits>
#include <cmath>

int segmentMilliseconds(double seconds)
{
    const double milliseconds = std::trunc(seconds * 1000.0);
    if (std::isnan(milliseconds))
        return 0;
    if (milliseconds >= double(INT_MAX))
        return INT_MAX;
    if (milliseconds <= double(INT_MIN))
        return INT_MIN;
    return int(milliseconds);
}

QString easingText(const QJsonValue &curve)
{
    if (!curve.isArray())
        return QString();
    QString out = QStringLiteral("; easing.bezierCurve: [ ");
    const QJsonArray controls = curve.toArray();
    for (const QJsonValue &control : controls) {
        appendNumber(out, control.toDouble());
        out += QLatin1String(", ");
    }
    out += QLatin1String("1,1 ]");
    return out;
}

bool isSteppedCurve(const QJsonValue &curve)
{
    return curve.isString() && curve.toString() == QLatin1String("stepped");
}

QString pauseStatement(double seconds)
{
    return QLatin1String("PauseAnimation { duration: ")
            + QString::number(segmentMilliseconds(seconds)) + QLatin1String(" }\n");
}

void appendDurationAndEasing(QString &out, double seconds, const QJsonValue &curve)
{
    out += QLatin1String("duration: ");
    out += QString::number(segmentMilliseconds(seconds));
    out += easingText(curve);
    out += QLatin1String(" }\n");
}

double keyTime(const QJsonObject &key)
{
    return key.value(QLatin1String("time")).toDouble();
}
