#include "number_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The text is that of QString::number(value, 'g', 6), without calling it:
// the six significant digits N of the value and its decimal exponent e
// (taken after rounding, so 999999.5 gives 1e+06) are laid out in exponent
// form when e < -4 or e >= 6 and in plain decimal form otherwise, trailing
// zeros dropped. QString::number gets N from double-conversion's PRECISION
// mode, which rounds to nearest and, on an exact tie at the sixth digit,
// away from zero (its bignum fallback rounds a remainder of exactly one half
// up): N = floor(|value| * 10^(5-e) + 1/2) in exact arithmetic.
//
// That rounding only needs the seventh significant digit: with
// K = floor(|value| * 10^(6-e)), a seven-digit integer,
//   N = floor((|value| * 10^(6-e) + 5) / 10) = floor((K + 5) / 10),
// because floor(floor(y) / 10) = floor(y / 10). The two fast paths get e
// and K exactly with integer arithmetic, so ties need no special case:
//
// - 2^-43 <= |value| < 2^23 (every ordinary coordinate, angle, time or
//   colour channel): |value| = m * 2^-s with a 53-bit m and 30 <= s <= 95;
//   e is found by comparing m with the mantissa of the binade's power of
//   ten, and K = (m * 10^(6-e)) >> s in 128 bits (10^(6-e) <= 10^19).
// - 2^23 <= |value| < 2^64: with I = floor(|value|) in 64 bits, e is found
//   by comparing I with a power of ten and K = floor(I / 10^(e-6)), since
//   floor(floor(x) / P) = floor(x / P) for an integer P.
//
// Outside those (subnormals included) the digits come from std::to_chars
// (scientific, precision 5), which rounds correctly but sends ties to even.
// There, exact ties only occur in one narrow band, which is detected and
// handed to QString::number itself. An exact tie is |value| = D * 10^k with
// D a seven-digit odd integer (its last digit is the 5). With
// |value| = m' * 2^q and m' odd, the odd parts and the powers of two of the
// two sides must match:
// - k < 0: D = m' * 5^-k, so 5^-k <= D < 10^7 gives k >= -10, hence
//   |value| >= 10^6 * 10^-10 = 1e-4: never below 2^-43.
// - k >= 0: q = k and m' = D * 5^k < 2^53, so k <= 14; every such value is
//   caught by "q <= 14 and 5^q divides m'".
//
// The tests compare the text with QString::number's over several million
// values, every exact tie among them.

namespace {

__extension__ typedef unsigned __int128 uint128;

constexpr uint64_t kPow10[20] = {
    1ull,
    10ull,
    100ull,
    1000ull,
    10000ull,
    100000ull,
    1000000ull,
    10000000ull,
    100000000ull,
    1000000000ull,
    10000000000ull,
    100000000000ull,
    1000000000000ull,
    10000000000000ull,
    100000000000000ull,
    1000000000000000ull,
    10000000000000000ull,
    100000000000000000ull,
    1000000000000000000ull,
    10000000000000000000ull,
};

constexpr uint64_t kPow5[15] = {
    1ull,
    5ull,
    25ull,
    125ull,
    625ull,
    3125ull,
    15625ull,
    78125ull,
    390625ull,
    1953125ull,
    9765625ull,
    48828125ull,
    244140625ull,
    1220703125ull,
    6103515625ull,
};

// kDigitPairs.pair[i] holds the two ASCII digits of i, the first in the low
// byte.
struct DigitPairs {
    uint16_t pair[100];
    constexpr DigitPairs() : pair()
    {
        for (int i = 0; i < 100; ++i)
            pair[i] = uint16_t(('0' + i / 10) | ('0' + i % 10) << 8);
    }
};
constexpr DigitPairs kDigitPairs;

// floor(e * log10(2)); exact for |e| <= 1650 (arithmetic right shift).
constexpr int floorLog10Pow2(int e)
{
    return (e * 78913) >> 18;
}

// For 2^e2 <= |value| < 2^(e2+1), -43 <= e2 <= 22: |value| = m * 2^(e2-52)
// reaches the one power of ten the binade may hold, 10^(floorLog10Pow2(e2)+1),
// when m >= bound[e2 + 43] (2^53, out of reach, when there is none).
struct PowerOfTenMantissa {
    uint64_t bound[66];
    constexpr PowerOfTenMantissa() : bound()
    {
        for (int e2 = -43; e2 <= 22; ++e2) {
            const int t = floorLog10Pow2(e2) + 1;
            const int shift = 52 - e2;
            // ceil(10^t * 2^shift)
            const uint128 mantissa = t >= 0
                    ? uint128(kPow10[t]) << shift
                    : ((uint128(1) << shift) + kPow10[-t] - 1) / kPow10[-t];
            const uint128 limit = uint128(1) << 53;
            bound[e2 + 43] = uint64_t(mantissa < limit ? mantissa : limit);
        }
    }
};
constexpr PowerOfTenMantissa kPowerOfTenMantissa;

// x / 10^j for 0 <= j <= 13, with constant divisors.
inline uint64_t divPow10(uint64_t x, int j)
{
    switch (j) {
    case 0: return x;
    case 1: return x / 10ull;
    case 2: return x / 100ull;
    case 3: return x / 1000ull;
    case 4: return x / 10000ull;
    case 5: return x / 100000ull;
    case 6: return x / 1000000ull;
    case 7: return x / 10000000ull;
    case 8: return x / 100000000ull;
    case 9: return x / 1000000000ull;
    case 10: return x / 10000000000ull;
    case 11: return x / 100000000000ull;
    case 12: return x / 1000000000000ull;
    default: return x / 10000000000000ull;
    }
}

// The text is built in eight-character blocks of ASCII bytes, the first
// character in the low byte, and each block is stored whole; the returned
// end says how much of it counts. The last block starts at most at
// character 8 (after "-1.23457"), so 16 characters take every text.
constexpr int kBufferLength = 16;

// Stores the eight bytes of `bytes` as eight characters at p.
inline void store8(QChar *p, uint64_t bytes)
{
#if defined(__SSE2__)
    const __m128i wide = _mm_unpacklo_epi8(_mm_cvtsi64_si128(static_cast<long long>(bytes)),
                                           _mm_setzero_si128());
    _mm_storeu_si128(reinterpret_cast<__m128i *>(p), wide);
#else
    for (int i = 0; i < 8; ++i)
        p[i] = QChar(ushort((bytes >> (8 * i)) & 0xff));
#endif
}

// The six digits of n (100000 <= n <= 999999) in bytes 0 to 5.
inline uint64_t sixDigits(uint32_t n)
{
    const uint32_t high = n / 10000;
    const uint32_t low = n - high * 10000;
    const uint32_t mid = low / 100;
    const uint32_t last = low - mid * 100;
    return uint64_t(kDigitPairs.pair[high]) | uint64_t(kDigitPairs.pair[mid]) << 16
            | uint64_t(kDigitPairs.pair[last]) << 32;
}

// The digits with a '.' after the first `position` (1 to 6) of them.
inline uint64_t withPoint(uint64_t digits, int position)
{
    const int shift = 8 * position;
    const uint64_t front = digits & ((uint64_t(1) << shift) - 1);
    return front | uint64_t('.') << shift | (digits ^ front) << 8;
}

// Writes the text of the value with sign `negative`, six significant
// digits n (100000 <= n <= 999999) and decimal exponent e; returns the end.
QChar *layOut(QChar *p, bool negative, uint32_t n, int e)
{
    *p = QLatin1Char('-');
    p += negative;
    const uint64_t digits = sixDigits(n);
    // digits up to the last non-zero one; the first one is not zero
    const int count = (63 - __builtin_clzll(digits - 0x303030303030ull)) / 8 + 1;
    if (e >= 0 && e < 6) { // "123.45", "120000"
        store8(p, withPoint(digits, e + 1));
        return p + (count > e + 1 ? count + 1 : e + 1);
    }
    if (e < 0 && e >= -4) { // "0.0012345"
        store8(p, 0x3030303030302e30ull); // "0.000000"
        p += 1 - e;
        store8(p, digits);
        return p + count;
    }
    // "1.2345e-05", "1e+100"
    store8(p, withPoint(digits, 1));
    p += count > 1 ? count + 1 : 1;
    const unsigned magnitude = unsigned(e < 0 ? -e : e);
    uint64_t exponent = uint64_t('e') | uint64_t(e < 0 ? '-' : '+') << 8;
    int length = 4;
    if (magnitude < 100) {
        exponent |= uint64_t(kDigitPairs.pair[magnitude]) << 16;
    } else {
        exponent |= uint64_t('0' + magnitude / 100) << 16
                | uint64_t(kDigitPairs.pair[magnitude % 100]) << 24;
        length = 5;
    }
    store8(p, exponent);
    return p + length;
}

// Rounds the seven-digit k = floor(|value| * 10^(6-e)) half away from zero
// to six digits and lays the result out.
inline QChar *layOutSeven(QChar *p, bool negative, uint64_t k, int e)
{
    const uint32_t seven = uint32_t(k);
    uint32_t n = seven / 10;
    n += (seven - n * 10) >= 5;
    if (n == 1000000) {
        n = 100000;
        ++e;
    }
    return layOut(p, negative, n, e);
}

// Digits by std::to_chars, for values whose six-digit rounding has no exact
// tie. Returns the end.
QChar *layOutToChars(QChar *p, bool negative, double magnitude)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, magnitude,
                                      std::chars_format::scientific, 5);
    // text is "d.ddddde+XX" or "d.ddddde-XXX".
    uint32_t n = uint32_t(text[0] - '0');
    for (int i = 2; i < 7; ++i)
        n = n * 10 + uint32_t(text[i] - '0');
    int e = 0;
    for (const char *c = text + 9; c < result.ptr; ++c)
        e = e * 10 + (*c - '0');
    if (text[8] == '-')
        e = -e;
    return layOut(p, negative, n, e);
}

// Writes the text of a finite non-zero value; returns nullptr when it has
// to come from QString::number instead.
QChar *writeFinite(QChar *p, double value)
{
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const bool negative = (bits >> 63) != 0;
    const int biasedExponent = int((bits >> 52) & 0x7ff);
    const uint64_t fraction = bits & ((uint64_t(1) << 52) - 1);
    if (biasedExponent == 0) // subnormal
        return layOutToChars(p, negative, negative ? -value : value);

    const uint64_t m = fraction | (uint64_t(1) << 52);
    const int e2 = biasedExponent - 1023; // 2^e2 <= |value| < 2^(e2+1)
    // The decimal exponent e is estimate or estimate + 1.
    const int estimate = floorLog10Pow2(e2);

    if (e2 >= -43 && e2 < 23) {
        // -13 <= e <= 6: K = m * 10^(6-e) / 2^(52-e2), 29 <= 52-e2 <= 95
        const int e = estimate + (m >= kPowerOfTenMantissa.bound[e2 + 43]);
        const uint64_t k = uint64_t((uint128(m) * kPow10[6 - e]) >> (52 - e2));
        return layOutSeven(p, negative, k, e);
    }
    if (e2 >= 23 && e2 < 64) {
        // 6 <= e <= 19: K = floor(|value|) / 10^(e-6)
        const uint64_t integer = e2 >= 52 ? m << (e2 - 52) : m >> (52 - e2);
        const int e = estimate + (integer >= kPow10[estimate + 1]);
        return layOutSeven(p, negative, divPow10(integer, e - 6), e);
    }
    if (e2 >= 64) {
        const int zeros = __builtin_ctzll(m);
        const int q = e2 - 52 + zeros;
        if (q <= 14 && (m >> zeros) % kPow5[q] == 0)
            return nullptr; // may be an exact tie
    }
    return layOutToChars(p, negative, negative ? -value : value);
}

} // namespace

void appendNumber(QString &out, double value)
{
    if (std::isnan(value)) {
        out += QLatin1String("NaN");
        return;
    }
    if (value == 0) {
        out += QLatin1Char('0');
        return;
    }
    if (std::isinf(value)) {
        out += value > 0 ? QLatin1String("Infinity") : QLatin1String("-Infinity");
        return;
    }
    // Written in place: room for whole blocks, then cut to the length.
    const int size = out.size();
    out.resize(size + kBufferLength);
    QChar *begin = out.data() + size;
    const QChar *end = writeFinite(begin, value);
    if (end) {
        out.resize(size + int(end - begin));
    } else {
        out.resize(size);
        out += QString::number(value, 'g', 6);
    }
}

QString formatNumber(double value)
{
    if (!std::isfinite(value) || value == 0) {
        QString out;
        appendNumber(out, value);
        return out;
    }
    QChar text[kBufferLength];
    const QChar *end = writeFinite(text, value);
    if (end)
        return QString(text, int(end - text));
    return QString::number(value, 'g', 6);
}

void appendInteger(QString &out, int value)
{
    char digits[16];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
    out += QLatin1String(digits, int(end.ptr - digits));
}
