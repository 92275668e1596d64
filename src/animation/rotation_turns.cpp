#include "rotation_turns.h"

#include <cmath>

namespace {

const QLatin1String valueField("value");
const QLatin1String angleField("angle");

// The value as the file writes it: "value", else "angle", else 0.
double writtenValue(const QJsonObject &key)
{
    const QJsonValue value = key.value(valueField);
    return value.isUndefined() ? key.value(angleField).toDouble() : value.toDouble();
}

// The angle negated and wrapped once into -180..180.
double wrappedValue(double angle)
{
    double value = -angle;
    if (value < -180)
        value += 360;
    if (value > 180)
        value -= 360;
    return value;
}

// x + 360 n, or x itself bit for bit where n is 0 (-0 stays -0).
double turned(double x, double turns)
{
    return turns == 0 ? x : x + 360 * turns;
}

} // namespace

double wholeTurns(double x, double previous)
{
    const double difference = x - previous;
    if (!std::isfinite(difference))
        return 0;
    if (difference > 180)
        return -std::ceil((difference - 180) / 360);
    if (difference < -180)
        return std::ceil((-180 - difference) / 360);
    return 0;
}

RotationValues::RotationValues(const QJsonArray &keys)
{
    for (const QJsonValue &key : keys) {
        if (key.toObject().contains(valueField)) {
            m_asWritten = true;
            break;
        }
    }
    if (m_asWritten && !keys.isEmpty())
        m_shift = wholeTurns(-writtenValue(keys.first().toObject()), 0);
}

double RotationValues::next(const QJsonObject &key)
{
    if (m_asWritten)
        return turned(-writtenValue(key), m_shift);
    const double wrapped = wrappedValue(key.value(angleField).toDouble());
    m_previous = turned(wrapped, wholeTurns(wrapped, m_previous));
    return m_previous;
}
