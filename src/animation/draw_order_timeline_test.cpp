// A key's draw order: random keys against what the runtimes' order means
// (named slots at their positions, every other slot in setup order in the
// places left), and each kind of key they refuse.
#include "draw_order_timeline.h"

#include <QJsonDocument>
#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <numeric>

namespace {

SlotOrder slotsNamed(int count)
{
    QJsonArray skeletonSlots;
    for (int i = 0; i < count; ++i)
        skeletonSlots.append(QJsonObject{{"name", QString::number(i)}});
    return SlotOrder(skeletonSlots);
}

QJsonObject keyOf(const char *offsets)
{
    return QJsonDocument::fromJson(QByteArray("{\"offsets\": ") + offsets + '}').object();
}

} // namespace

Q_DECLARE_METATYPE(DrawOrderFault)

class DrawOrderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namedSlotsTakeTheirPlacesOthersKeepSetupOrder();
    void refusedKeys_data();
    void refusedKeys();
};

void DrawOrderTest::namedSlotsTakeTheirPlacesOthersKeepSetupOrder()
{
    QRandomGenerator random(7);
    for (int round = 0; round < 2000; ++round) {
        const int count = random.bounded(1, 12);
        // Some slots, each sent to a position of its own.
        QVector<int> positions(count);
        std::iota(positions.begin(), positions.end(), 0);
        std::shuffle(positions.begin(), positions.end(), random);
        QJsonArray offsets;
        QVector<int> placedAt(count, -1);
        for (int slot = 0; slot < count; ++slot) {
            if (random.bounded(2) == 0)
                continue;
            placedAt[slot] = positions.at(slot);
            offsets.append(QJsonObject{{"slot", QString::number(slot)},
                                       {"offset", positions.at(slot) - slot}});
        }
        const DrawOrderKey key = drawOrderOf(QJsonObject{{"offsets", offsets}}, slotsNamed(count));
        QCOMPARE(key.fault, DrawOrderFault::None);
        QCOMPARE(int(key.order.size()), count);
        QVector<int> others;
        for (int position = 0; position < count; ++position) {
            const int slot = key.order[size_t(position)];
            if (placedAt.value(slot) == -1)
                others.append(slot);
            else
                QCOMPARE(placedAt.at(slot), position);
        }
        QVERIFY(std::is_sorted(others.begin(), others.end()));
        QCOMPARE(others.size() + offsets.size(), count);
    }
}

void DrawOrderTest::refusedKeys_data()
{
    QTest::addColumn<QByteArray>("offsets");
    QTest::addColumn<DrawOrderFault>("fault");
    QTest::addColumn<QString>("slot");
    QTest::addColumn<double>("position");
    QTest::newRow("a slot that is not there")
            << QByteArray(R"([{"slot": "9", "offset": 0}])") << DrawOrderFault::NoSuchSlot
            << "9" << 0.0;
    QTest::newRow("slots out of setup order")
            << QByteArray(R"([{"slot": "2", "offset": 0}, {"slot": "1", "offset": 0}])")
            << DrawOrderFault::OutOfSetupOrder << "1" << 0.0;
    QTest::newRow("one slot twice")
            << QByteArray(R"([{"slot": "1", "offset": 1}, {"slot": "1", "offset": 0}])")
            << DrawOrderFault::OutOfSetupOrder << "1" << 0.0;
    QTest::newRow("before the first position")
            << QByteArray(R"([{"slot": "1", "offset": -2}])") << DrawOrderFault::OutsideRange
            << "1" << -1.0;
    QTest::newRow("past the last position, the offset truncated")
            << QByteArray(R"([{"slot": "1", "offset": 2.9}])") << DrawOrderFault::OutsideRange
            << "1" << 3.0;
    QTest::newRow("two slots at one position")
            << QByteArray(R"([{"slot": "0", "offset": 2}, {"slot": "1", "offset": 1}])")
            << DrawOrderFault::PositionTaken << "1" << 2.0;
}

void DrawOrderTest::refusedKeys()
{
    QFETCH(QByteArray, offsets);
    QFETCH(DrawOrderFault, fault);
    QFETCH(QString, slot);
    QFETCH(double, position);
    const DrawOrderKey key = drawOrderOf(keyOf(offsets), slotsNamed(3));
    QCOMPARE(key.fault, fault);
    QCOMPARE(key.slot, slot);
    QCOMPARE(key.position, position);
}

QTEST_APPLESS_MAIN(DrawOrderTest)
#include "draw_order_timeline_test.moc"
