#include "json_number.h"

#include <QtTest>

#include <cfloat>
#include <cmath>

// The numbers a binary file gives must be the very doubles a JSON parser
// reads from the JSON export, so every comparison is exact (QCOMPARE on
// doubles is fuzzy, and would let one-ulp misses and -0 through). Expected
// values come from the float's exact decimal expansion, worked by hand.
Q_DECLARE_METATYPE(DecimalRounding)

class JsonNumberTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void jsonNumber_data();
    void jsonNumber();
    void shortestFloat_data();
    void shortestFloat();
};

namespace {

QString exact(double value)
{
    // QString::number drops the sign of -0.
    return (std::signbit(value) ? QStringLiteral("-") : QString()) + QString::number(std::fabs(value), 'g', 17);
}

} // namespace

void JsonNumberTest::jsonNumber_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<DecimalRounding>("rounding");
    QTest::addColumn<double>("expected");
    const auto halfUp = DecimalRounding::HalfUp;
    const auto towardZero = DecimalRounding::TowardZero;
    const auto asFloat = DecimalRounding::TowardZeroAsFloat;
    // Ties are exact in float32 and go toward +infinity on both signs.
    QTest::newRow("tie -6.625 up to -6.62") << -6.625f << 2 << halfUp << -6.62;
    QTest::newRow("tie 3.625 up to 3.63") << 3.625f << 2 << halfUp << 3.63;
    QTest::newRow("tie -0.0625 up to -0.062") << -0.0625f << 3 << halfUp << -0.062;
    QTest::newRow("tie 2.5 up to 3") << 2.5f << 0 << halfUp << 3.0;
    QTest::newRow("tie -2.5 up to -2") << -2.5f << 0 << halfUp << -2.0;
    // 0.0005f is 0.000500000023748...: above the tie.
    QTest::newRow("0.0005f lies above the tie") << 0.0005f << 3 << halfUp << 0.001;
    QTest::newRow("0.0005f truncated") << 0.0005f << 3 << towardZero << 0.0;
    // The result is the decimal itself, not the float32 nearest to it
    // widened to double.
    QTest::newRow("0.13333334f to 2 decimals") << 0.13333334f << 2 << halfUp << 0.13;
    QTest::newRow("0.13333334f to 3 decimals") << 0.13333334f << 3 << halfUp << 0.133;
    QTest::newRow("0.13333334f to 5 decimals") << 0.13333334f << 5 << halfUp << 0.13333;
    // -0.4 units: -0 after rounding, written as 0.
    QTest::newRow("-0.0004 half up is 0, not -0") << -0.0004f << 3 << halfUp << 0.0;
    QTest::newRow("-0.0004 truncated is 0, not -0") << -0.0004f << 3 << towardZero << 0.0;
    QTest::newRow("-0.0004 truncated as float is 0") << -0.0004f << 3 << asFloat << 0.0;
    QTest::newRow("-0 is 0") << -0.0f << 2 << towardZero << 0.0;
    // -6.629f is -6.62900018...: floor would give -6.63.
    QTest::newRow("-6.629 half up") << -6.629f << 2 << halfUp << -6.63;
    QTest::newRow("-6.629 truncated toward zero") << -6.629f << 2 << towardZero << -6.62;
    QTest::newRow("-6.629 truncated as float toward zero") << -6.629f << 2 << asFloat << -6.62;
    QTest::newRow("-1.999 truncated toward zero") << -1.999f << 1 << towardZero << -1.9;
    // 0.03f is 0.0299999993294477...; times 100 it is 6.7e-8 below 3, less
    // than half a float32 step there (2^-22 / 2 = 1.19e-7): as a float it is 3.
    QTest::newRow("0.03 truncated") << 0.03f << 2 << towardZero << 0.02;
    QTest::newRow("0.03 truncated as float") << 0.03f << 2 << asFloat << 0.03;
    QTest::newRow("-0.03 truncated") << -0.03f << 2 << towardZero << -0.02;
    QTest::newRow("-0.03 truncated as float") << -0.03f << 2 << asFloat << -0.03;
    // Past 2^22 units the float32 steps are coarser than the last decimal:
    // 1234567.875 rounds to 1234567.88, whose nearest float32 is
    // 1234567.875 again, written 1234567.9.
    QTest::newRow("float step coarser than the decimal") << 1234567.9f << 2 << halfUp << 1234567.9;
    QTest::newRow("float step finer than the decimal") << 123456.79f << 2 << halfUp << 123456.79;
    // Products past the float32 range neither overflow nor lose the value.
    QTest::newRow("3e38 half up") << 3e38f << 2 << halfUp << 3e38;
    QTest::newRow("3e38 truncated") << 3e38f << 2 << towardZero << 3e38;
    QTest::newRow("-3e38 truncated as float") << -3e38f << 5 << asFloat << -3e38;
    QTest::newRow("largest float, 8 decimals") << FLT_MAX << 8 << halfUp << 3.4028235e38;
}

void JsonNumberTest::jsonNumber()
{
    QFETCH(float, x);
    QFETCH(int, decimals);
    QFETCH(DecimalRounding, rounding);
    QFETCH(double, expected);
    QCOMPARE(exact(::jsonNumber(x, decimals, rounding)), exact(expected));
}

void JsonNumberTest::shortestFloat_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<double>("expected");
    // 0.1f is 0.100000001490116...; its shortest text "0.1" reads as 0.1.
    QTest::newRow("0.1f is the double 0.1") << 0.1f << 0.1;
    QTest::newRow("2^24 needs all 8 digits") << 16777216.0f << 16777216.0;
    QTest::newRow("1e-5f is the double 1e-5") << 1e-5f << 1e-5;
    QTest::newRow("1/3 keeps 8 digits") << 0.33333334f << 0.33333334;
    QTest::newRow("smallest subnormal is 1e-45") << 1.4e-45f << 1e-45;
    QTest::newRow("largest float") << FLT_MAX << 3.4028235e38;
    QTest::newRow("negative") << -6.62f << -6.62;
}

void JsonNumberTest::shortestFloat()
{
    QFETCH(float, x);
    QFETCH(double, expected);
    QCOMPARE(exact(::shortestFloat(x)), exact(expected));
}

QTEST_APPLESS_MAIN(JsonNumberTest)
#include "json_number_test.moc"
