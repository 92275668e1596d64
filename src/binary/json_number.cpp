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
    const double scale = std::pow(10.0, decimals);
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
    return shortestFloat(float(scaled / scale));
}
