#include "bounding_box_item.h"
#include "vertex_list.h"

#include <QJsonDocument>
#include <QtTest>

Q_DECLARE_METATYPE(VertexList)

class VertexListTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fromJson_data();
    void fromJson();
    void text_data();
    void text();
    void flip_data();
    void flip();
    void deltas_data();
    void deltas();
};

void VertexListTest::fromJson_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<VertexList>("list");
    QTest::newRow("numbers") << QByteArray("[0, 0.5, -3]") << VertexList{0, 0.5, -3};
    QTest::newRow("numeric string read by its value, other strings as 0")
            << QByteArray(R"(["3.5", "x"])") << VertexList{3.5, 0};
    QTest::newRow("true is 1, null, arrays and objects are 0")
            << QByteArray(R"([true, false, null, [1], {"a": 1}])") << VertexList{1, 0, 0, 0, 0};
}

void VertexListTest::fromJson()
{
    QFETCH(QByteArray, json);
    QFETCH(VertexList, list);
    QCOMPARE(vertexListFromJson(QJsonDocument::fromJson(json).array()), list);
}

void VertexListTest::text_data()
{
    QTest::addColumn<VertexList>("list");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("points");
    QTest::newRow("numbers in the one format") << VertexList{0, 0.5, 1, 1000000}
                                               << "0, 0.5, 1, 1e+06"
                                               << "Qt.point( 0, 0.5), Qt.point( 1, 1e+06), ";
    QTest::newRow("empty") << VertexList{} << "" << "";
    QTest::newRow("odd length: the unpaired value is no point")
            << VertexList{1, 2, 3} << "1, 2, 3" << "Qt.point( 1, 2), ";
}

void VertexListTest::text()
{
    QFETCH(VertexList, list);
    QFETCH(QString, numbers);
    QFETCH(QString, points);
    QCOMPARE(numberListText(list), numbers);
    QCOMPARE(pointListText(list), points);
}

void VertexListTest::flip_data()
{
    QTest::addColumn<VertexList>("list");
    QTest::addColumn<VertexList>("flipped");
    QTest::newRow("odd positions negated") << VertexList{1, 2, 3, 4, 5}
                                           << VertexList{1, -2, 3, -4, 5};
    QTest::newRow("empty") << VertexList{} << VertexList{};
}

void VertexListTest::flip()
{
    QFETCH(VertexList, list);
    QFETCH(VertexList, flipped);
    QCOMPARE(flipVertexY(list), flipped);
}

void VertexListTest::deltas_data()
{
    QTest::addColumn<VertexList>("setup");
    QTest::addColumn<VertexList>("deltas");
    QTest::addColumn<int>("offset");
    QTest::addColumn<VertexList>("result");
    const VertexList ones{1, 1, 1, 1, 1};
    QTest::newRow("added from the offset") << ones << VertexList{10, 20} << 2
                                           << VertexList{1, 1, 11, 21, 1};
    QTest::newRow("deltas past the end dropped") << ones << VertexList{1, 2, 3} << 3
                                                 << VertexList{1, 1, 1, 2, 3};
    QTest::newRow("no deltas") << ones << VertexList{} << 0 << ones;
    QTest::newRow("offset beyond the list") << ones << VertexList{5} << 5 << ones;
    QTest::newRow("negative offset counts from 0") << ones << VertexList{5} << -3
                                                   << VertexList{6, 1, 1, 1, 1};
    QTest::newRow("largest offset") << ones << VertexList{5} << INT_MAX << ones;
    QTest::newRow("empty setup") << VertexList{} << VertexList{1, 2} << 0 << VertexList{};
}

void VertexListTest::deltas()
{
    QFETCH(VertexList, setup);
    QFETCH(VertexList, deltas);
    QFETCH(int, offset);
    QFETCH(VertexList, result);
    QCOMPARE(applyVertexDeltas(setup, deltas, offset), result);
}

QTEST_APPLESS_MAIN(VertexListTest)
#include "vertex_list_test.moc"
