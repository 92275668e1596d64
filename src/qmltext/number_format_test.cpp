#include "qmltext/number_format.h"

#include <QtTest>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace {

double fromBits(uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

double fromText(const QByteArray &text)
{
    return std::strtod(text.constData(), nullptr); // rounds correctly
}

// value and its `steps` neighbours on either side
void addNeighbours(std::vector<double> &values, double value, int steps)
{
    values.push_back(value);
    double up = value;
    double down = value;
    for (int i = 0; i < steps; ++i) {
        values.push_back(up = std::nextafter(up, HUGE_VAL));
        values.push_back(down = std::nextafter(down, -HUGE_VAL));
    }
}

using Sampler = void (*)(std::vector<double> &, std::mt19937_64 &);
const uint64_t mantissaAndSign = 0x800fffffffffffffull;

// Groups of doubles where a faster route than QString::number could go wrong.
const QList<QPair<const char *, Sampler>> samplers = {
    {"uniform bit patterns", [](std::vector<double> &v, std::mt19937_64 &random) {
         for (int i = 0; i < 1000000; ++i)
             v.push_back(fromBits(random()));
     }},
    {"every binary exponent", [](std::vector<double> &v, std::mt19937_64 &random) {
         for (uint64_t exponent = 1; exponent < 2047; ++exponent) {
             for (int i = 0; i < 300; ++i)
                 v.push_back(fromBits((random() & mantissaAndSign) | (exponent << 52)));
         }
     }},
    {"hundredths, thousandths and skeleton-like reals", [](std::vector<double> &v, std::mt19937_64 &random) {
         std::uniform_int_distribution<int> k(-10000000, 10000000);
         std::uniform_real_distribution<double> wide(-10000, 10000), unit(-1, 1), logScale(-6, 7);
         for (int i = 0; i < 400000; ++i) {
             v.insert(v.end(), {k(random) / 100.0, k(random) / 1000.0, wide(random), unit(random),
                                std::pow(10.0, logScale(random)), double(float(k(random) / 100.0)),
                                double(float(wide(random)))});
         }
     }},
    {"integers", [](std::vector<double> &v, std::mt19937_64 &random) {
         for (int i = 0; i < 100000; ++i)
             v.insert(v.end(), {double(random() % 100000000), -double(random() >> 11), double(random())});
     }},
    {"exact ties", [](std::vector<double> &v, std::mt19937_64 &random) {
         // D * 10^k exactly, D a seven-digit number ending in 5; for k >= 0,
         // D * 10^k = (D * 5^k) * 2^k, exact while D * 5^k < 2^53
         std::uniform_int_distribution<uint64_t> six(100000, 999999);
         for (int i = 0; i < 20000; ++i) {
             uint64_t odd = six(random) * 10 + 5;
             for (int k = 0; k <= 16 && odd < (uint64_t(1) << 53); ++k, odd *= 5)
                 v.push_back(std::ldexp(double(odd), k) * (i % 2 ? -1 : 1));
         }
         // k < 0: D = j * 5^-k, D * 10^k = j * 2^k, for -10 <= k <= -1
         uint64_t power = 1;
         for (int k = 1; k <= 10; ++k) {
             power *= 5;
             const uint64_t first = (1000000 + power - 1) / power;
             for (uint64_t j = first | 1; j <= 9999999 / power && j < first + 40000; j += 2)
                 v.push_back(std::ldexp(double(j), -k));
         }
     }},
    {"near ties", [](std::vector<double> &v, std::mt19937_64 &random) {
         std::uniform_int_distribution<uint64_t> six(100000, 999999);
         std::uniform_int_distribution<int> exponent(-320, 300);
         for (int i = 0; i < 60000; ++i) {
             addNeighbours(v, fromText(QByteArray::number(qulonglong(six(random) * 10 + 5)) + 'e'
                                       + QByteArray::number(exponent(random))), 2);
         }
     }},
    {"powers of ten and what rounds up to them", [](std::vector<double> &v, std::mt19937_64 &) {
         for (int k = -323; k <= 308; ++k) {
             addNeighbours(v, fromText("1e" + QByteArray::number(k)), 200);
             for (const char *mantissa : {"9.999995", "9.999994999999", "9.9999950000001", "1.000005"})
                 addNeighbours(v, fromText(mantissa + QByteArray("e") + QByteArray::number(k)), 20);
         }
     }},
    {"subnormals and the largest doubles", [](std::vector<double> &v, std::mt19937_64 &random) {
         for (int i = 0; i < 200000; ++i) {
             v.push_back(fromBits(random() & mantissaAndSign));
             v.push_back(fromBits((random() & mantissaAndSign) | ((2000 + random() % 47) << 52)));
         }
         for (uint64_t bits = 1; bits <= 20000; ++bits)
             v.insert(v.end(), {fromBits(bits), fromBits(0x0010000000000000ull - bits)});
         addNeighbours(v, DBL_MIN, 1000);
         addNeighbours(v, DBL_MAX, 0);
         for (double value = DBL_MAX; v.size() < 700000;)
             v.insert(v.end(), {value = std::nextafter(value, 0.0), -value});
     }},
    {"where the format changes", [](std::vector<double> &v, std::mt19937_64 &random) {
         for (double boundary : {1e-5, 1e-4, 1e6, 1e-13, 1e16, 1e19, 1e20, std::ldexp(1.0, -44),
                                 std::ldexp(1.0, -43), std::ldexp(1.0, 24), std::ldexp(1.0, 53),
                                 std::ldexp(1.0, 64)}) {
             addNeighbours(v, boundary, 2000);
             addNeighbours(v, -boundary, 20);
             std::uniform_real_distribution<double> around(boundary * 0.5, boundary * 2);
             for (int i = 0; i < 20000; ++i)
                 v.push_back(around(random));
         }
         for (const char *text : {"9.999995e-6", "9.999995e-5", "999999.5", "99999.95", "0.9999995"})
             addNeighbours(v, fromText(text), 1000);
     }},
};

} // namespace

class NumberFormatTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fixedTexts_data();
    void fixedTexts();
    void matchesQString_data();
    void matchesQString();
};

void NumberFormatTest::fixedTexts_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    // Written otherwise than QString::number on purpose.
    QTest::newRow("zero") << 0.0 << QStringLiteral("0");
    QTest::newRow("negative zero") << -0.0 << QStringLiteral("0");
    QTest::newRow("infinity") << HUGE_VAL << QStringLiteral("Infinity");
    QTest::newRow("-infinity") << -HUGE_VAL << QStringLiteral("-Infinity");
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << QStringLiteral("NaN");
    // Exact ties round away from zero, whatever a later Qt's QString::number does.
    QTest::newRow("tie 123456.5") << 123456.5 << QStringLiteral("123457");
    QTest::newRow("tie -1234565") << -1234565.0 << QStringLiteral("-1.23457e+06");
    QTest::newRow("tie 2^-10") << 0.0009765625 << QStringLiteral("0.000976563");
    QTest::newRow("999999.5") << 999999.5 << QStringLiteral("1e+06");
}

void NumberFormatTest::fixedTexts()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatNumber(value), text);
    QString out = QStringLiteral("x");
    appendNumber(out, value);
    QCOMPARE(out, QLatin1Char('x') + text);
}

void NumberFormatTest::matchesQString_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < samplers.size(); ++i)
        QTest::newRow(samplers.at(i).first) << i;
}

// Every finite non-zero double is written as QString::number writes it.
void NumberFormatTest::matchesQString()
{
    QFETCH(int, index);
    std::mt19937_64 random(20240607u + uint64_t(index));
    std::vector<double> values;
    samplers.at(index).second(values, random);
    int compared = 0;
    int mismatches = 0;
    QByteArray firstMismatches;
    QString appended = QStringLiteral("#");
    for (double value : values) {
        if (!std::isfinite(value) || value == 0)
            continue;
        ++compared;
        const QString expected = QString::number(value, 'g', 6);
        const QString actual = formatNumber(value);
        appended.resize(1);
        appendNumber(appended, value);
        if ((actual != expected || appended.mid(1) != expected) && ++mismatches <= 10) {
            firstMismatches += "\n  " + QByteArray::number(value, 'g', 17) + ": expected "
                    + expected.toLatin1() + ", formatNumber " + actual.toLatin1()
                    + ", appendNumber " + appended.mid(1).toLatin1();
        }
    }
    QVERIFY(compared > 1000);
    QVERIFY2(mismatches == 0, (QByteArray::number(mismatches) + " of " + QByteArray::number(compared)
                               + " values differ:" + firstMismatches).constData());
}

QTEST_APPLESS_MAIN(NumberFormatTest)
#include "number_format_test.moc"
