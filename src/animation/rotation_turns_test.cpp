// The turn arithmetic at its edges; whole timelines are held by the
// documents in tests/documents (rotation_turns, rotation_turns_41).
#include "rotation_turns.h"

#include <QtTest>

#include <cmath>
#include <limits>

class RotationTurnsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeTurns_data();
    void wholeTurns();
    void sequence_data();
    void sequence();
};

void RotationTurnsTest::wholeTurns_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("previous");
    QTest::addColumn<double>("turns");
    const double infinity = std::numeric_limits<double>::infinity();
    QTest::newRow("within half a turn") << 170.0 << 0.0 << 0.0;
    QTest::newRow("exactly half a turn up stays") << 180.0 << 0.0 << 0.0;
    QTest::newRow("exactly half a turn down stays") << -180.0 << 0.0 << 0.0;
    QTest::newRow("just past half a turn up") << 180.5 << 0.0 << -1.0;
    QTest::newRow("just past half a turn down") << -180.5 << 0.0 << 1.0;
    QTest::newRow("one and a half turns lands on the edge") << 540.0 << 0.0 << -1.0;
    QTest::newRow("past one and a half turns") << 541.0 << 0.0 << -2.0;
    QTest::newRow("far below") << -1000.0 << 0.0 << 3.0;
    QTest::newRow("measured from the previous value") << 170.0 << -170.0 << -1.0;
    QTest::newRow("an infinite difference turns nothing") << infinity << 0.0 << 0.0;
    QTest::newRow("nan turns nothing") << std::nan("") << 0.0 << 0.0;
}

void RotationTurnsTest::wholeTurns()
{
    QFETCH(double, x);
    QFETCH(double, previous);
    QFETCH(double, turns);
    QCOMPARE(::wholeTurns(x, previous), turns);
}

void RotationTurnsTest::sequence_data()
{
    QTest::addColumn<bool>("asWritten");
    QTest::addColumn<QVector<double>>("written");
    QTest::addColumn<QVector<double>>("dangle");
    QTest::newRow("short turns across 180")
            << false << QVector<double>{170, -170, 170} << QVector<double>{-170, -190, -170};
    QTest::newRow("short turns keep spinning one way")
            << false << QVector<double>{0, 120, 240, 360, 480} << QVector<double>{-0.0, -120, -240, -360, -480};
    QTest::newRow("short turns bring a far first key near 0")
            << false << QVector<double>{700} << QVector<double>{20};
    QTest::newRow("as written keeps whole turns")
            << true << QVector<double>{0, 120, 1800} << QVector<double>{-0.0, -120, -1800};
    QTest::newRow("as written shifts every key by the first key's turns")
            << true << QVector<double>{400, 500, -300} << QVector<double>{-40, -140, 660};
}

void RotationTurnsTest::sequence()
{
    QFETCH(bool, asWritten);
    QFETCH(QVector<double>, written);
    QFETCH(QVector<double>, dangle);
    RotationValues values(asWritten, written.first());
    for (int i = 0; i < written.size(); ++i) {
        const double value = values.next(written.at(i));
        QCOMPARE(value, dangle.at(i));
        // A value that needs no turn is the plain negation, bit for bit.
        QCOMPARE(std::signbit(value), std::signbit(dangle.at(i)));
    }
}

QTEST_APPLESS_MAIN(RotationTurnsTest)
#include "rotation_turns_test.moc"
