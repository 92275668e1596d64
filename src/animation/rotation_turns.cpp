#include "rotation_turns.h"

#include <cmath>

namespace {

const QLatin1String valueField("value");
const QLatin1String angleField("angle");

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

double writtenRotation(const QJsonObject &key)
{
    const QJsonValue value = key.value(valueField);
    return value.isUndefined() ? key.value(angleField).toDouble() : value.toDouble();
}

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
        m_shift = wholeTurns(-writtenRotation(keys.first().toObject()), 0);
}

RotationValues::RotationValues(bool asWritten, double firstWritten)
    : m_asWritten(asWritten), m_shift(asWritten ? wholeTurns(-firstWritten, 0) : 0)
{
}

// A short-turn timeline has no "value" key: what is written is its angle.
double RotationValues::next(double written)
{
    if (m_asWritten)
        return turned(-written, m_shift);
    const double wrapped = wrappedValue(written);
    m_previous = turned(wrapped, wholeTurns(wrapped, m_previous));
    return m_previous;
}
