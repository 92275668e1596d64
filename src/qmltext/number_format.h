#pragma once

#include <QString>

// The one number format of the output: six significant digits, exponent form
// below 1e-4 and from 1e6 on (after rounding), no trailing zeros, "0" for
// negative zero; byte for byte the text of QString::number(value, 'g', 6)
// (which rounds an exact tie at the sixth digit away from zero), made by a
// faster route. Infinities and NaN, which that would write as the unknown
// names inf and nan, are written as the JavaScript globals Infinity,
// -Infinity and NaN.
QString formatNumber(double value);
void appendNumber(QString &out, double value);
// A whole number as QString::number(int) writes it.
void appendInteger(QString &out, int value);
