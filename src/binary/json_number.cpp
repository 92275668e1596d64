#include "json_number.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

double shortestFloat(float x)
{
    if (x == 0)
        return 0;
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text - 1, x);
    *written.ptr = '\0';
    return std::strtod(text, nullptr);
}

double jsonNumber(float x, int decimals, DecimalRounding rounding)
{
    // A float32 has 24 significant bits and 10^5 needs 17: the product is
    // exact in double.
    static const double powers[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    const double scale = decimals >= 0 && decimals <= 8 ? powers[decimals] : std::pow(10.0, decimals);
    double scaled = double(x) * scale;
    switch (rounding) {
    case DecimalRounding::HalfUp:
        scaled = std::floor(scaled + 0.5);
        break;
    case DecimalRounding::TowardZero:
        scaled = std::trunc(scaled);
        break;
    case DecimalRounding::TowardZeroAsFloat:
        // Past the float range the product is left as it is.
        if (std::fabs(scaled) <= 3.0e38)
            scaled = std::trunc(double(float(scaled)));
        else
            scaled = std::trunc(scaled);
        break;
    }
    // Below 2^22 units of the last decimal, float32 steps are finer than
    // that decimal: the shortest text of the float nearest to the rounded
    // number is that number's own decimals, which reads as this quotient
    // (exact operands, one correctly rounded division). Most numbers take
    // this way, without formatting and parsing text.
    if (std::fabs(scaled) < 4194304.0)
        return scaled == 0 ? 0.0 : scaled / scale;
    return shortestFloat(float(scaled / scale));
}
