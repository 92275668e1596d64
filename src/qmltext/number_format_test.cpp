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

// value and its `steps` neighbours on either side
void addNeighbours(std::vector<double> &values, double value, int steps)
{
    values.push_back(value);
    double up = value;
    double down = value;
    for (int i = 0; i < steps; ++i) {
        up = std::nextafter(up, std::numeric_limits<double>::infinity());
        down = std::nextafter(down, -std::numeric_limits<double>::infinity());
        values.push_back(up);
        values.push_back(down);
    }
}

// The nearest double to 10^k (strtod rounds correctly).
double powerOfTen(int k)
{
    const QByteArray text = "1e" + QByteArray::number(k);
    return std::strtod(text.constData(), nullptr);
}

enum class Sample {
    UniformBits,
    EveryBinaryExponent,
    Hundredths,
    Thousandths,
    TypicalReals,
    FloatValues,
    Integers,
    ExactTies,
    NearTies,
    PowersOfTen,
    Subnormals,
    LargestDoubles,
    Boundaries,
};

std::vector<double> sample(Sample kind)
{
    std::mt19937_64 random(20240607u + uint64_t(kind));
    std::vector<double> values;
    auto sign = [&random](double value) { return (random() & 1) ? -value : value; };
    switch (kind) {
    case Sample::UniformBits:
        for (int i = 0; i < 1000000; ++i)
            values.push_back(fromBits(random()));
        break;
    case Sample::EveryBinaryExponent:
        // every exponent, so every range of the implementation is covered
        for (uint64_t exponent = 1; exponent < 2047; ++exponent) {
            for (int i = 0; i < 300; ++i)
                values.push_back(fromBits((random() & 0x800fffffffffffffull) | (exponent << 52)));
        }
        break;
    case Sample::Hundredths: {
        std::uniform_int_distribution<int> k(-1000000, 1000000);
        for (int i = 0; i < 400000; ++i)
            values.push_back(k(random) / 100.0);
        break;
    }
    case Sample::Thousandths: {
        std::uniform_int_distribution<int> k(-10000000, 10000000);
        for (int i = 0; i < 400000; ++i)
            values.push_back(k(random) / 1000.0);
        break;
    }
    case Sample::TypicalReals: {
        std::uniform_real_distribution<double> wide(-10000, 10000);
        std::uniform_real_distribution<double> unit(-1, 1);
        std::uniform_real_distribution<double> logScale(-6, 7);
        for (int i = 0; i < 150000; ++i) {
            values.push_back(wide(random));
            values.push_back(unit(random));
            values.push_back(sign(std::pow(10.0, logScale(random))));
        }
        break;
    }
    case Sample::FloatValues: {
        // skeleton files written from single-precision data
        std::uniform_int_distribution<int> k(-1000000, 1000000);
        std::uniform_real_distribution<float> wide(-10000, 10000);
        for (int i = 0; i < 150000; ++i) {
            values.push_back(double(float(k(random) / 100.0)));
            values.push_back(double(wide(random)));
        }
        break;
    }
    case Sample::Integers:
        for (int i = 0; i < 100000; ++i) {
            values.push_back(sign(double(random() % 100000000)));
            values.push_back(sign(double(random() >> 11))); // below 2^53
            values.push_back(sign(double(random())));
        }
        break;
    case Sample::ExactTies: {
        // D * 10^k exactly, D a seven-digit number ending in 5
        std::uniform_int_distribution<uint64_t> six(100000, 999999);
        for (int i = 0; i < 20000; ++i) {
            const uint64_t d = six(random) * 10 + 5;
            // k >= 0: D * 10^k = (D * 5^k) * 2^k, exact while D * 5^k < 2^53
            uint64_t odd = d;
            for (int k = 0; k <= 16 && odd < (uint64_t(1) << 53); ++k, odd *= 5)
                values.push_back(sign(std::ldexp(double(odd), k)));
        }
        // k < 0: D = j * 5^-k, D * 10^k = j * 2^k, for -10 <= k <= -1
        uint64_t power = 1;
        for (int k = 1; k <= 10; ++k) {
            power *= 5;
            const uint64_t first = (1000000 + power - 1) / power;
            const uint64_t last = 9999999 / power;
            for (uint64_t j = first; j <= last && j < first + 40000; ++j) {
                if (j % 2 == 1)
                    values.push_back(sign(std::ldexp(double(j), -k)));
            }
        }
        break;
    }
    case Sample::NearTies: {
        // the nearest doubles to D * 10^k and their neighbours
        std::uniform_int_distribution<uint64_t> six(100000, 999999);
        std::uniform_int_distribution<int> exponent(-320, 300);
        for (int i = 0; i < 60000; ++i) {
            const QByteArray text = QByteArray::number(qulonglong(six(random) * 10 + 5)) + 'e'
                    + QByteArray::number(exponent(random));
            addNeighbours(values, sign(std::strtod(text.constData(), nullptr)), 2);
        }
        break;
    }
    case Sample::PowersOfTen:
        for (int k = -323; k <= 308; ++k) {
            addNeighbours(values, powerOfTen(k), 200);
            // values that round up to the next power of ten, or just don't
            for (const char *mantissa : {"9.999995", "9.999994999999", "9.9999950000001", "1.000005"}) {
                const QByteArray text = mantissa + QByteArray("e") + QByteArray::number(k);
                addNeighbours(values, std::strtod(text.constData(), nullptr), 20);
            }
        }
        break;
    case Sample::Subnormals:
        for (int i = 0; i < 200000; ++i)
            values.push_back(fromBits(random() & 0x800fffffffffffffull));
        for (uint64_t bits = 1; bits <= 20000; ++bits) {
            values.push_back(fromBits(bits));
            values.push_back(fromBits(0x0010000000000000ull - bits));
        }
        addNeighbours(values, DBL_MIN, 1000);
        break;
    case Sample::LargestDoubles: {
        for (int i = 0; i < 100000; ++i)
            values.push_back(fromBits((random() & 0x800fffffffffffffull) | ((2000 + random() % 47) << 52)));
        addNeighbours(values, DBL_MAX, 0);
        double value = DBL_MAX;
        for (int i = 0; i < 20000; ++i) {
            value = std::nextafter(value, 0.0);
            values.push_back(value);
            values.push_back(-value);
        }
        break;
    }
    case Sample::Boundaries:
        for (double boundary : {1e-5, 1e-4, 1e6, 1e-13, 1e16, 1e19, 1e20,
                                std::ldexp(1.0, -44), std::ldexp(1.0, -43),
                                std::ldexp(1.0, 24), std::ldexp(1.0, 53), std::ldexp(1.0, 64)}) {
            addNeighbours(values, boundary, 2000);
            addNeighbours(values, -boundary, 20);
            std::uniform_real_distribution<double> around(boundary * 0.5, boundary * 2);
            for (int i = 0; i < 20000; ++i)
                values.push_back(around(random));
        }
        for (const char *text : {"9.999995e-6", "9.999995e-5", "999999.5", "99999.95", "0.99999950000000"}) {
            addNeighbours(values, std::strtod(text, nullptr), 1000);
        }
        break;
    }
    return values;
}

} // namespace

class NumberFormatTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedValues_data();
    void workedValues();
    void appendsToExistingText();
    void matchesQString_data();
    void matchesQString();
};

void NumberFormatTest::workedValues_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    const double infinity = std::numeric_limits<double>::infinity();
    QTest::newRow("zero") << 0.0 << QStringLiteral("0");
    QTest::newRow("negative zero") << -0.0 << QStringLiteral("0");
    QTest::newRow("1.5") << 1.5 << QStringLiteral("1.5");
    QTest::newRow("-90") << -90.0 << QStringLiteral("-90");
    QTest::newRow("0.0001") << 0.0001 << QStringLiteral("0.0001");
    QTest::newRow("0.00001") << 0.00001 << QStringLiteral("1e-05");
    QTest::newRow("123456") << 123456.0 << QStringLiteral("123456");
    QTest::newRow("1234567") << 1234567.0 << QStringLiteral("1.23457e+06");
    QTest::newRow("33.3333333") << 33.3333333 << QStringLiteral("33.3333");
    QTest::newRow("2.0000001") << 2.0000001 << QStringLiteral("2");
    QTest::newRow("1e21") << 1e21 << QStringLiteral("1e+21");
    QTest::newRow("-0.000012345") << -0.000012345 << QStringLiteral("-1.2345e-05");
    QTest::newRow("999999.5") << 999999.5 << QStringLiteral("1e+06");
    QTest::newRow("tie 123456.5") << 123456.5 << QStringLiteral("123457");
    QTest::newRow("tie 1234565") << 1234565.0 << QStringLiteral("1.23457e+06");
    QTest::newRow("tie -1234565") << -1234565.0 << QStringLiteral("-1.23457e+06");
    QTest::newRow("tie 2^-10") << 0.0009765625 << QStringLiteral("0.000976563");
    QTest::newRow("120000") << 120000.0 << QStringLiteral("120000");
    QTest::newRow("0.1") << 0.1 << QStringLiteral("0.1");
    QTest::newRow("1e100") << 1e100 << QStringLiteral("1e+100");
    QTest::newRow("largest") << DBL_MAX << QStringLiteral("1.79769e+308");
    QTest::newRow("smallest") << 4.9406564584124654e-324 << QStringLiteral("4.94066e-324");
    QTest::newRow("infinity") << infinity << QStringLiteral("Infinity");
    QTest::newRow("-infinity") << -infinity << QStringLiteral("-Infinity");
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << QStringLiteral("NaN");
}

void NumberFormatTest::workedValues()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatNumber(value), text);
    QString out;
    appendNumber(out, value);
    QCOMPARE(out, text);
}

void NumberFormatTest::appendsToExistingText()
{
    QString out = QStringLiteral("x: ");
    appendNumber(out, 1.5);
    out += QLatin1Char(',');
    appendNumber(out, -0.000012345);
    out += QLatin1Char(',');
    appendNumber(out, -std::numeric_limits<double>::infinity());
    out += QLatin1Char(',');
    appendNumber(out, 1234565.0);
    QCOMPARE(out, QStringLiteral("x: 1.5,-1.2345e-05,-Infinity,1.23457e+06"));
}

void NumberFormatTest::matchesQString_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("uniform bit patterns") << int(Sample::UniformBits);
    QTest::newRow("every binary exponent") << int(Sample::EveryBinaryExponent);
    QTest::newRow("k/100") << int(Sample::Hundredths);
    QTest::newRow("k/1000") << int(Sample::Thousandths);
    QTest::newRow("typical reals") << int(Sample::TypicalReals);
    QTest::newRow("float values") << int(Sample::FloatValues);
    QTest::newRow("integers") << int(Sample::Integers);
    QTest::newRow("exact ties") << int(Sample::ExactTies);
    QTest::newRow("near ties") << int(Sample::NearTies);
    QTest::newRow("powers of ten") << int(Sample::PowersOfTen);
    QTest::newRow("subnormals") << int(Sample::Subnormals);
    QTest::newRow("largest doubles") << int(Sample::LargestDoubles);
    QTest::newRow("boundaries") << int(Sample::Boundaries);
}

// Every finite non-zero double is written as QString::number writes it.
void NumberFormatTest::matchesQString()
{
    QFETCH(int, kind);
    const std::vector<double> values = sample(Sample(kind));
    QVERIFY(values.size() > 1000);

    int compared = 0;
    int mismatches = 0;
    QByteArray firstMismatches;
    QString appended = QStringLiteral("#");
    for (double value : values) {
        if (!std::isfinite(value) || value == 0)
            continue; // written differently on purpose, see workedValues
        ++compared;
        const QString expected = QString::number(value, 'g', 6);
        const QString actual = formatNumber(value);
        appended.resize(1);
        appendNumber(appended, value);
        if (actual != expected || appended.midRef(1) != expected) {
            if (++mismatches <= 10) {
                firstMismatches += "\n  " + QByteArray::number(value, 'g', 17) + ": expected "
                        + expected.toLatin1() + ", formatNumber " + actual.toLatin1()
                        + ", appendNumber " + appended.midRef(1).toLatin1();
            }
        }
    }
    QVERIFY(compared > 1000);
    QVERIFY2(mismatches == 0,
             (QByteArray::number(mismatches) + " of " + QByteArray::number(compared)
              + " values differ:" + firstMismatches).constData());
}

QTEST_APPLESS_MAIN(NumberFormatTest)

#include "number_format_test.moc"
