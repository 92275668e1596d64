#include "document_wrapper.h"
#include "output_names.h"
#include "skeleton_document.h"
#include "skeleton_file.h"

#include <QJsonDocument>
#include <QtTest>

class DriverTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void names_data();
    void names();
    void wrapper_data();
    void wrapper();
    void textPosition_data();
    void textPosition();
    void documentOrder();
};

void DriverTest::names_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("imageFolder");
    QTest::addColumn<QString>("qmlName");
    QTest::newRow("plain name") << "hero.json" << "hero_images" << "Hero.qml";
    QTest::newRow("backslash path") << "c:\\art\\hero.json" << "c:\\art\\hero_images"
                                    << "C:\\art\\hero.qml";
    QTest::newRow("no dot") << "hero" << "hero_images" << "Hero.qml";
    QTest::newRow("leading dot: nothing to upper-case") << "./hero.json" << "./hero_images"
                                                        << "./hero.qml";
    QTest::newRow("last dot of several") << "hero.v2.json" << "hero.v2_images" << "Hero.v2.qml";
    QTest::newRow("non-ASCII first letter") << QString::fromUtf8("élan.json") << "élan_images"
                                            << QString::fromUtf8("Élan.qml");
}

void DriverTest::names()
{
    QFETCH(QString, input);
    QFETCH(QString, imageFolder);
    QFETCH(QString, qmlName);
    QCOMPARE(imageFolderFor(input), imageFolder);
    QCOMPARE(qmlNameFor(input), qmlName);
}

void DriverTest::wrapper_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("document");
    const QString header = QStringLiteral(
            "import QtQuick 2.0\nimport Quillon 2.0\n\nSpineSkeleton {\n\tid: root\n"
            "\timageFolder: \"%1\"\n\tproperty url imageFolderAndDash: imageFolder + \"/\"\n\n");
    QTest::newRow("empty body: no tab before the brace")
            << "" << "hero_images" << header.arg(QLatin1String("hero_images")) + "}\n";
    QTest::newRow("one line") << "Item {\n" << "f" << header.arg(QLatin1String("f"))
                                                          + "\tItem {\n\t}\n";
    QTest::newRow("empty body lines become a tab")
            << "a\n\nb\n" << "f" << header.arg(QLatin1String("f")) + "\ta\n\t\n\tb\n\t}\n";
    QTest::newRow("backslashes and quotes in the folder escaped")
            << "" << "c:\\art\\\"x\"" << header.arg(QLatin1String("c:\\\\art\\\\\\\"x\\\""))
                                                 + "}\n";
}

void DriverTest::wrapper()
{
    QFETCH(QString, body);
    QFETCH(QString, folder);
    QFETCH(QString, document);
    wrapDocument(body, folder);
    QCOMPARE(body, document);
}

void DriverTest::textPosition_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::newRow("start") << QByteArray("{") << 0 << 1 << 1;
    QTest::newRow("second line") << QByteArray("{\n  x") << 4 << 2 << 3;
    QTest::newRow("columns count characters, not bytes")
            << QByteArray("\"\xc3\xa9\xc3\xa9\" x") << 6 << 1 << 5;
    QTest::newRow("offset past the end is clamped") << QByteArray("ab") << 99 << 1 << 3;
}

void DriverTest::textPosition()
{
    QFETCH(QByteArray, text);
    QFETCH(int, offset);
    QFETCH(int, line);
    QFETCH(int, column);
    const TextPosition position = textPositionAt(text, offset);
    QCOMPARE(position.line, line);
    QCOMPARE(position.column, column);
}

void DriverTest::documentOrder()
{
    // Sections in their fixed order: bones, IK, slots, containers, skins,
    // image aliases, then animations in ascending key order.
    const QJsonObject root = QJsonDocument::fromJson(R"({
        "animations": {"walk": {}, "Run": {}},
        "slots": [{"name": "s", "bone": "b"}],
        "skins": {"default": {"s": {"img": {}}}},
        "ik": [{"name": "k", "target": "b", "bones": ["b"]}],
        "bones": [{"name": "b"}]})").object();
    const QString document = QString::fromUtf8(convertSkeleton(root, false, QStringLiteral("f")));
    const QStringList markers = {"BoneTransform {", "IKJoint {", "Slot {", "id: attachments",
                                 "property Item skins", "property alias adefaultSkinImg: ",
                                 "property alias runAnimation: run\n", "id: run\n",
                                 "property alias walkAnimation: walk\n", "id: walk\n"};
    int previous = -1;
    for (const QString &marker : markers) {
        const int at = document.indexOf(marker);
        QVERIFY2(at > previous, qPrintable(marker));
        previous = at;
    }
    QVERIFY(document.endsWith(QLatin1String("\t}\n\t}\n")));
}

QTEST_APPLESS_MAIN(DriverTest)
#include "driver_test.moc"
