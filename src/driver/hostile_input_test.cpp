// Inputs as broken exporters and the fuzzer make them: each must convert to a
// closed document and nothing may be dropped. Extremes that fit in a small
// file are held byte for byte in tests/documents/edges/beyond_int.json; the
// ones here are made by the test: every key of a file with every wrong type,
// very long names and timelines.

#include "skeleton_document.h"

#include "animation/animation.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QtTest>

#include <functional>

// Qt 5.15's JSON parser leaks the earlier value of a duplicate key when that
// value is an array or object, and exporters do write duplicate keys. The
// leak is Qt's own; it can be told apart only with full allocation stacks,
// which this test's ASAN_OPTIONS ask for (Qt is built without frame pointers).
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:QJsonDocument::fromJson\n";
}

namespace {

QByteArray convert(const QByteArray &json, bool packed)
{
    return convertSkeleton(QJsonDocument::fromJson(json).object(), packed, QStringLiteral("images"));
}

bool isClosedDocument(const QByteArray &document)
{
    return document.startsWith("import QtQuick 2.0\n") && document.endsWith("}\n");
}

QByteArray readHostileFile(const QString &name)
{
    QFile file(QDir(QStringLiteral(HOSTILE_DIR)).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using AddMutation = std::function<void(const QByteArray &path, const QJsonValue &mutated)>;

// Every copy of value with one element, at any depth, replaced by wrong.
void addMutations(const QJsonValue &value, const QJsonValue &wrong, const QByteArray &path,
                  const AddMutation &add)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            const auto with = [&](const QByteArray &inner, const QJsonValue &element) {
                QJsonObject copy = object;
                copy.insert(it.key(), element);
                add(inner, copy);
            };
            with(path + '/' + it.key().toUtf8(), wrong);
            addMutations(it.value(), wrong, path + '/' + it.key().toUtf8(), with);
        }
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        for (int i = 0; i < array.size(); ++i) {
            const auto with = [&](const QByteArray &inner, const QJsonValue &element) {
                QJsonArray copy = array;
                copy.replace(i, element);
                add(inner, copy);
            };
            const QByteArray inner = path + '[' + QByteArray::number(i) + ']';
            with(inner, wrong);
            addMutations(array.at(i), wrong, inner, with);
        }
    }
}

// A JSON array of count keys made from a pattern with %1 for the key number.
QByteArray keyArray(const char *pattern, int count)
{
    QByteArray out = "[";
    for (int i = 0; i < count; ++i)
        out += (i > 0 ? "," : "") + QString::fromLatin1(pattern).arg(i + 1).toLatin1();
    return out + ']';
}

} // namespace

class HostileInputTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyHostileFileConverts_data();
    void everyHostileFileConverts();
    void everyKeyWithEveryWrongType_data();
    void everyKeyWithEveryWrongType();
    void nothingCutOrDropped_data();
    void nothingCutOrDropped();
    void timelinesReachTheWriterInPieces_data();
    void timelinesReachTheWriterInPieces();
};

void HostileInputTest::initTestCase()
{
    // The deform writer's fixed debug lines would bury the results.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
}

void HostileInputTest::everyHostileFileConverts_data()
{
    QTest::addColumn<QByteArray>("json");
    const QStringList names = QDir(QStringLiteral(HOSTILE_DIR)).entryList(QDir::Files, QDir::Name);
    QVERIFY2(!names.isEmpty(), HOSTILE_DIR " holds no inputs");
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << readHostileFile(name);
}

void HostileInputTest::everyHostileFileConverts()
{
    QFETCH(QByteArray, json);
    QVERIFY(isClosedDocument(convert(json, false)));
    QVERIFY(isClosedDocument(convert(json, true)));
}

void HostileInputTest::everyKeyWithEveryWrongType_data()
{
    QTest::addColumn<QByteArray>("json");
    // The second file holds every key of the newer layouts, which are upgraded.
    for (const char *file : {"every_key.json", "every_newer_key.json"}) {
        const QJsonDocument skeleton = QJsonDocument::fromJson(readHostileFile(QLatin1String(file)));
        QVERIFY2(skeleton.isObject(), file);
        const QByteArray prefix = file == QByteArray("every_key.json") ? "" : "newer ";
        const QList<QPair<const char *, QJsonValue>> wrongValues = {
            {"null", QJsonValue::Null},
            {"bool", true},
            {"number", -1e308},
            {"numeric string", QStringLiteral("1e308")},
            {"array", QJsonArray{1e308, QStringLiteral("x"), QJsonValue::Null, QJsonArray()}},
            {"object", QJsonObject{{QStringLiteral("name"), -1e308}}},
        };
        for (const auto &wrong : wrongValues) {
            addMutations(skeleton.object(), wrong.second, QByteArray(),
                         [&](const QByteArray &path, const QJsonValue &mutated) {
                             QTest::newRow((prefix + path + " as " + wrong.first).constData())
                                     << QJsonDocument(mutated.toObject())
                                                .toJson(QJsonDocument::Compact);
                         });
        }
    }
}

void HostileInputTest::everyKeyWithEveryWrongType()
{
    everyHostileFileConverts();
}

void HostileInputTest::nothingCutOrDropped_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QByteArray>("needle");
    QTest::addColumn<int>("occurrences");
    // Characters beyond the BMP arrive as surrogate pairs; a lone half must not
    // come out as the invalid three-byte form ED A0 80.
    QTest::newRow("a lone high surrogate is no invalid UTF-8")
            << QByteArray(R"({"skins": {"default": {"s": {"a": {"name": "dir/\ud800"}}}}})")
            << QByteArray("\xED\xA0\x80") << 0;
    const QByteArray longName(100000, 'a');
    QTest::newRow("bone name of 100000 characters keeps its whole id")
            << QByteArray(R"({"bones": [{"name": ")" + longName + R"("}]})")
            << QByteArray("\tid: " + longName + "Bone\n") << 1;
    QTest::newRow("names of 100000 characters everywhere keep their whole ids")
            << QByteArray(R"({"bones": [{"name": "b"}], "slots": [{"name": ")" + longName
                          + R"(", "bone": ")" + longName + R"(", "attachment": ")" + longName
                          + R"("}], "skins": {"default": {")" + longName + R"(": {")" + longName
                          + R"(": {}}}}, "animations": {")" + longName + R"(": {"slots": {")"
                          + longName + R"(": {"attachment": [{"time": 1, "name": ")" + longName
                          + R"("}]}}}}})")
            << QByteArray(longName + "Attachment") << 5;
}

void HostileInputTest::nothingCutOrDropped()
{
    QFETCH(QByteArray, json);
    QFETCH(QByteArray, needle);
    QFETCH(int, occurrences);
    QVERIFY2(QJsonDocument::fromJson(json).isObject(), "the test input is no JSON object");
    for (bool packed : {false, true}) {
        const QByteArray document = convert(json, packed);
        QVERIFY(isClosedDocument(document));
        QCOMPARE(document.count(needle), occurrences);
    }
}

// One timeline can hold millions of keys, and every deform key repeats the
// whole setup list: a small file can ask for more text than one QString
// holds, so the writer must get a long sequence in pieces, whole and in order,
// and the document must hold every key's statement.
void HostileInputTest::timelinesReachTheWriterInPieces_data()
{
    QTest::addColumn<QByteArray>("animation");
    QTest::addColumn<QByteArray>("needle");
    QTest::addColumn<int>("occurrences");
    const QByteArray mesh = "{\"ffd\": {\"default\": {\"s\": {\"m\": ";
    QTest::newRow("deform keys at time 0 set the list")
            << QByteArray(mesh + keyArray(R"({"time": 0})", 300) + "}}}}")
            << QByteArray("PropertyAction {") << 300;
    // The first key lies after 0: the setup list holds until it, then it is set.
    QTest::newRow("timed deform keys animate from list to list")
            << QByteArray(mesh + keyArray(R"({"time": %1})", 300) + "}}}}")
            << QByteArray("PropertyAnimation {") << 299;
    QTest::newRow("stepped deform keys pause and set")
            << QByteArray(mesh + keyArray(R"({"time": %1, "curve": "stepped"})", 300) + "}}}}")
            << QByteArray("PauseAnimation {") << 300;
    QTest::newRow("bone scale keys")
            << QByteArray(R"({"bones": {"b": {"scale": )"
                          + keyArray(R"({"time": %1, "x": 2})", 10000) + "}}}")
            << QByteArray("property: \"dyScale\"") << 10000;
    QTest::newRow("slot attachment keys")
            << QByteArray(R"({"slots": {"s": {"attachment": )"
                          + keyArray(R"({"time": %1, "name": "x"})", 10000) + "}}}")
            << QByteArray("ScriptAction { script: sSlot.attach(xAttachment); }") << 10000;
    QTest::newRow("slot colour keys")
            << QByteArray(R"({"slots": {"s": {"color": )"
                          + keyArray(R"({"time": %1, "color": "ff00ff00"})", 10000) + "}}}")
            << QByteArray("ColorAnimation {") << 9999;
}

void HostileInputTest::timelinesReachTheWriterInPieces()
{
    QFETCH(QByteArray, animation);
    QFETCH(QByteArray, needle);
    QFETCH(int, occurrences);
    QByteArray vertices = "12.5";
    for (int i = 1; i < 1000; ++i)
        vertices += ",12.5";
    const QJsonObject root = QJsonDocument::fromJson(
            R"({"bones": [{"name": "b"}], "slots": [{"name": "s", "bone": "b"}],
                "skins": {"default": {"s": {"x": {}, "m": {"type": "mesh", "vertices": [)"
            + vertices + R"(]}}}}, "animations": {"a": )" + animation + "}}").object();
    const QJsonObject animations = root.value(QLatin1String("animations")).toObject();
    QVERIFY2(!animations.isEmpty(), "the test input is no JSON object");
    const QString name = QStringLiteral("a");
    QString whole;
    int largestPart = 0;
    QString text;
    appendAnimation(text, animations.value(name).toObject(), name, QJsonArray(), root, IdTable(),
                    [&](QString &part) {
                        largestPart = qMax(largestPart, part.size());
                        whole += part;
                        part.resize(0);
                    });
    whole += text;
    QCOMPARE(whole, writeAnimation(animations, name, QJsonArray(), root));
    QVERIFY2(largestPart < whole.size() / 4,
             qPrintable(QStringLiteral("a part of %1 of %2 characters").arg(largestPart).arg(whole.size())));
    QCOMPARE(convertSkeleton(root, false, QStringLiteral("images")).count(needle), occurrences);
}

QTEST_APPLESS_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
