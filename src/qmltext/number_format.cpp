#include "number_format.h"

#include <cmath>

void appendNumber(QString &out, double value)
{
    if (std::isnan(value)) {
        out += QLatin1String("NaN");
    } else if (std::isinf(value)) {
        out += value > 0 ? QLatin1String("Infinity") : QLatin1String("-Infinity");
    } else if (value == 0) {
        out += QLatin1Char('0');
    } else {
        out += QString::number(value, 'g', 6);
    }
}

QString formatNumber(double value)
{
    QString out;
    appendNumber(out, value);
    return out;
}
