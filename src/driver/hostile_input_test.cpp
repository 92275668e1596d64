// Inputs as broken exporters and the fuzzer make them: each must convert to a
// closed document, what the converter clamps or reads as a default must come
// out as such rather than wrapped around, and nothing may be dropped.

#include "skeleton_document.h"

#include "animation/animation.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QtTest>

// Qt 5.15's JSON parser leaks the earlier value of a duplicate key when that
// value is an array or object, and exporters do write duplicate keys. The
// leak is Qt's own; it can be told apart only with full allocation stacks,
// which this test's ASAN_OPTIONS ask for (Qt is built without frame pointers).
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:QJsonDocument::fromJson\n";
}

namespace {

const QString imageFolder = QStringLiteral("images");

QByteArray convert(const QByteArray &json, bool packed)
{
    return convertSkeleton(QJsonDocument::fromJson(json).object(), packed, imageFolder);
}

bool isClosedDocument(const QByteArray &document)
{
    return document.startsWith("import QtQuick 2.0\n") && document.endsWith("}\n");
}

QByteArray readHostileFile(const QString &name)
{
    QFile file(QDir(QStringLiteral(HOSTILE_DIR)).filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// A place in a JSON tree: object keys (QString) and array indices (int).
using JsonPath = QVariantList;

void collectPaths(const QJsonValue &value, const JsonPath &path, QList<JsonPath> &paths)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            const JsonPath inner = JsonPath(path) << it.key();
            paths.append(inner);
            collectPaths(it.value(), inner, paths);
        }
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        for (int i = 0; i < array.size(); ++i) {
            const JsonPath inner = JsonPath(path) << i;
            paths.append(inner);
            collectPaths(array.at(i), inner, paths);
        }
    }
}

QJsonValue replaced(const QJsonValue &value, const JsonPath &path, int depth,
                    const QJsonValue &replacement)
{
    if (depth == path.size())
        return replacement;
    const QVariant &step = path.at(depth);
    if (step.userType() == QMetaType::QString) {
        QJsonObject object = value.toObject();
        const QString key = step.toString();
        object.insert(key, replaced(object.value(key), path, depth + 1, replacement));
        return object;
    }
    QJsonArray array = value.toArray();
    const int index = step.toInt();
    array.replace(index, replaced(array.at(index), path, depth + 1, replacement));
    return array;
}

QByteArray pathText(const JsonPath &path)
{
    QByteArray text;
    for (const QVariant &step : path) {
        if (step.userType() == QMetaType::QString)
            text += '/' + step.toString().toUtf8();
        else
            text += '[' + QByteArray::number(step.toInt()) + ']';
    }
    return text;
}

QByteArray repeated(const QByteArray &part, int count)
{
    QByteArray out;
    out.reserve(part.size() * count);
    for (int i = 0; i < count; ++i)
        out += part;
    return out;
}

// A JSON array of count keys made from a pattern with %1 for the key number.
QByteArray keyArray(const char *pattern, int count)
{
    QByteArray out = "[";
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            out += ',';
        out += QString::fromLatin1(pattern).arg(i + 1).toLatin1();
    }
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
    void extremesComeOutClampedAndWhole_data();
    void extremesComeOutClampedAndWhole();
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
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("packed");
    const QStringList names = QDir(QStringLiteral(HOSTILE_DIR)).entryList(QDir::Files, QDir::Name);
    QVERIFY2(!names.isEmpty(), HOSTILE_DIR " holds no inputs");
    for (const QString &name : names) {
        QTest::newRow(qPrintable(name + QLatin1String(" plain"))) << name << false;
        QTest::newRow(qPrintable(name + QLatin1String(" packed"))) << name << true;
    }
}

void HostileInputTest::everyHostileFileConverts()
{
    QFETCH(QString, name);
    QFETCH(bool, packed);
    QVERIFY(isClosedDocument(convert(readHostileFile(name), packed)));
}

void HostileInputTest::everyKeyWithEveryWrongType_data()
{
    QTest::addColumn<QByteArray>("json");
    // The second file holds every key of the newer layouts, which are upgraded.
    for (const char *file : {"every_key.json", "every_newer_key.json"}) {
        const QJsonDocument skeleton =
                QJsonDocument::fromJson(readHostileFile(QLatin1String(file)));
        QVERIFY2(skeleton.isObject(), file);
        const QByteArray prefix = file == QByteArray("every_key.json") ? "" : "newer ";
        QList<JsonPath> paths;
        collectPaths(skeleton.object(), JsonPath(), paths);

        const QList<QPair<const char *, QJsonValue>> wrongValues = {
            {"null", QJsonValue::Null},
            {"bool", true},
            {"number", -1e308},
            {"numeric string", QStringLiteral("1e308")},
            {"array", QJsonArray{1e308, QStringLiteral("x"), QJsonValue::Null, QJsonArray()}},
            {"object", QJsonObject{{QStringLiteral("name"), -1e308}}},
        };
        for (const JsonPath &path : paths) {
            for (const auto &wrong : wrongValues) {
                const QJsonValue mutated = replaced(skeleton.object(), path, 0, wrong.second);
                QTest::newRow((prefix + pathText(path) + " as " + wrong.first).constData())
                        << QJsonDocument(mutated.toObject()).toJson(QJsonDocument::Compact);
            }
        }
    }
}

void HostileInputTest::everyKeyWithEveryWrongType()
{
    QFETCH(QByteArray, json);
    QVERIFY(isClosedDocument(convert(json, false)));
    QVERIFY(isClosedDocument(convert(json, true)));
}

void HostileInputTest::extremesComeOutClampedAndWhole_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QByteArray>("needle");
    QTest::addColumn<int>("occurrences");

    const QByteArray skinned = R"({"bones": [{"name": "root"}], "skins": {"default": {"s": {"m":
            {"type": "skinnedmesh", "vertices": %1}}}}})";
    auto skinnedWith = [&](const char *vertices) {
        return QByteArray(skinned).replace("%1", vertices);
    };
    // A bone index must not wrap around onto bone 0, "root".
    QTest::newRow("bone index 2^32 names no bone")
            << skinnedWith("[1, 4294967296, 1, 2, 1]") << QByteArray("\tbones: [ _Bone ]\n") << 1;
    QTest::newRow("bone index -2^32 names no bone")
            << skinnedWith("[1, -4294967296, 1, 2, 1]") << QByteArray("\tbones: [ _Bone ]\n") << 1;
    QTest::newRow("bone index 1e308 names no bone")
            << skinnedWith("[1, 1e308, 1, 2, 1]") << QByteArray("\tbones: [ _Bone ]\n") << 1;
    QTest::newRow("bone index 0 still names the first bone")
            << skinnedWith("[1, 0, 1, 2, 1]") << QByteArray("\tbones: [ rootBone ]\n") << 1;
    // A count beyond the remaining data ends the list; wrapped, 2^32 + 1
    // would read as 1 and 2^31 as a negative count.
    QTest::newRow("bone count 2^32 + 1 ends the list")
            << skinnedWith("[4294967297, 0, 1, 2, 1]") << QByteArray("\tboneCounts: [  ] \n")
            << 1;
    QTest::newRow("bone count 2^31 ends the list")
            << skinnedWith("[2147483648, 0, 1, 2, 1]") << QByteArray("\tboneCounts: [  ] \n")
            << 1;
    QTest::newRow("bone count 1e308 ends the list")
            << skinnedWith("[1e308, 0, 1, 2, 1]") << QByteArray("\tboneCounts: [  ] \n") << 1;
    QTest::newRow("bone count -1e308 reads as the lowest int")
            << skinnedWith("[-1e308]") << QByteArray("\tboneCounts: [ -2.14748e+09 ] \n") << 1;

    const QByteArray deform = R"({"skins": {"default": {"s": {"m": {"type": "mesh",
            "vertices": [0, 0, 10, 0]}}}}, "animations": {"a": {"ffd": {"default": {"s":
            {"m": [{"time": 0, "offset": %1, "vertices": [5]}]}}}}}})";
    auto deformWith = [&](const char *offset) { return QByteArray(deform).replace("%1", offset); };
    const QByteArray atFirst = "value: [ 5, 0, 10, 0 ]";
    QTest::newRow("offset -5 counts as 0") << deformWith("-5") << atFirst << 1;
    QTest::newRow("offset 2^31 is no int and reads as 0")
            << deformWith("2147483648") << atFirst << 1;
    QTest::newRow("offset 1e308 is no int and reads as 0") << deformWith("1e308") << atFirst << 1;
    QTest::newRow("offset -1e308 is no int and reads as 0")
            << deformWith("-1e308") << atFirst << 1;
    QTest::newRow("offset 2^31 - 1 lies past the list")
            << deformWith("2147483647") << QByteArray("value: [ 0, 0, 10, 0 ]") << 1;
    QTest::newRow("offset 3 reaches the last value")
            << deformWith("3") << QByteArray("value: [ 0, 0, 10, 5 ]") << 1;

    const QByteArray rotate = R"({"animations": {"a": {"bones": {"b": {"rotate":
            [{"time": %1}]}}}}})";
    auto rotateAt = [&](const char *time) { return QByteArray(rotate).replace("%1", time); };
    QTest::newRow("1e308 s lasts the highest int of ms")
            << rotateAt("1e308") << QByteArray("duration: 2147483647 }") << 1;
    QTest::newRow("-1e308 s lasts nothing")
            << rotateAt("-1e308") << QByteArray("duration: 0 }") << 1;
    QTest::newRow("2147483.648 s is one ms past the int range")
            << rotateAt("2147483.648") << QByteArray("duration: 2147483647 }") << 1;

    QTest::newRow("2147483.647 s is the last ms inside the range")
            << rotateAt("2147483.647") << QByteArray("duration: 2147483647 }") << 1;
    QTest::newRow("pause of 1e308 s lasts the highest int of ms")
            << QByteArray(R"({"animations": {"a": {"slots": {"s": {"attachment":
                    [{"time": 1e308, "name": "x"}]}}}}})")
            << QByteArray("PauseAnimation { duration: 2147483647 }") << 1;

    // Characters beyond the BMP arrive as surrogate pairs; a lone half must not
    // come out as the invalid three-byte form ED A0 80.
    QTest::newRow("a surrogate pair stays one four-byte character")
            << QByteArray(R"({"skins": {"default": {"s": {"a": {"name": "dir/\ud83d\ude00"}}}}})")
            << QByteArray("\"dir/\xF0\x9F\x98\x80.png\"") << 1;
    QTest::newRow("a lone high surrogate is no invalid UTF-8")
            << QByteArray(R"({"skins": {"default": {"s": {"a": {"name": "dir/\ud800"}}}}})")
            << QByteArray("\xED\xA0\x80") << 0;

    // Long names and long timelines: nothing cut, nothing dropped.
    const QByteArray longName = repeated("a", 100000);
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
    QTest::newRow("4000 rotate keys give 4000 statements")
            << QByteArray(R"({"animations": {"a": {"bones": {"b": {"rotate": )"
                          + keyArray(R"({"time": %1, "angle": 1})", 4000) + "}}}}}")
            << QByteArray("property: \"dangle\"") << 4000;
    QTest::newRow("4000 colour keys give 4000 statements")
            << QByteArray(R"({"animations": {"a": {"slots": {"s": {"color": )"
                          + keyArray(R"({"time": %1, "color": "ff0000ff"})", 4000) + "}}}}}")
            << QByteArray("property: \"color\"") << 4000;
    QTest::newRow("4000 attachment keys give 4000 script actions")
            << QByteArray(R"({"animations": {"a": {"slots": {"s": {"attachment": )"
                          + keyArray(R"({"time": %1, "name": "x"})", 4000) + "}}}}}")
            << QByteArray("ScriptAction { script: sSlot.attach(xAttachment); }") << 4000;
    QTest::newRow("4000 deform keys give 4000 statements")
            << QByteArray(R"({"skins": {"default": {"s": {"m": {"type": "mesh", "vertices":
                    [0, 0]}}}}, "animations": {"a": {"ffd": {"default": {"s": {"m": )"
                          + keyArray(R"({"time": %1, "vertices": [1, 1]})", 4000) + "}}}}}}")
            << QByteArray("to: [ 1, 1 ]") << 4000;
}

void HostileInputTest::extremesComeOutClampedAndWhole()
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
// holds, so the writer must get a long sequence in pieces, whole and in order.
void HostileInputTest::timelinesReachTheWriterInPieces_data()
{
    QTest::addColumn<QByteArray>("animation");
    const QByteArray mesh = "{\"ffd\": {\"default\": {\"s\": {\"m\": ";
    QTest::newRow("deform keys at time 0 set the list")
            << QByteArray(mesh + keyArray(R"({"time": 0})", 300) + "}}}}");
    QTest::newRow("timed deform keys animate from list to list")
            << QByteArray(mesh + keyArray(R"({"time": %1})", 300) + "}}}}");
    QTest::newRow("stepped deform keys pause and set")
            << QByteArray(mesh + keyArray(R"({"time": %1, "curve": "stepped"})", 300) + "}}}}");
    QTest::newRow("bone scale keys")
            << QByteArray(R"({"bones": {"b": {"scale": )"
                          + keyArray(R"({"time": %1, "x": 2})", 10000) + "}}}");
    QTest::newRow("slot attachment keys")
            << QByteArray(R"({"slots": {"s": {"attachment": )"
                          + keyArray(R"({"time": %1, "name": "x"})", 10000) + "}}}");
    QTest::newRow("slot colour keys")
            << QByteArray(R"({"slots": {"s": {"color": )"
                          + keyArray(R"({"time": %1, "color": "ff00ff00"})", 10000) + "}}}");
}

void HostileInputTest::timelinesReachTheWriterInPieces()
{
    QFETCH(QByteArray, animation);
    const QByteArray rootJson = R"({"skins": {"default": {"s": {"m": {"type": "mesh",
            "vertices": [)" + repeated("12.5,", 999) + R"(12.5]}}}}, "animations": {"a": )"
            + animation + "}}";
    const QJsonObject root = QJsonDocument::fromJson(rootJson).object();
    const QJsonObject animations = root.value(QLatin1String("animations")).toObject();
    QVERIFY2(!animations.isEmpty(), "the test input is no JSON object");
    const QJsonArray skeletonSlots;

    QString whole;
    int largestPart = 0;
    QString text;
    appendAnimation(text, animations.value(QStringLiteral("a")).toObject(), QStringLiteral("a"), skeletonSlots, root, IdTable(), [&](QString &part) {
        largestPart = qMax(largestPart, part.size());
        whole += part;
        part.resize(0);
    });
    whole += text;

    QCOMPARE(whole, writeAnimation(animations, QStringLiteral("a"), skeletonSlots, root));
    QVERIFY2(largestPart < whole.size() / 4,
             qPrintable(QStringLiteral("a part of %1 of %2 characters")
                                .arg(largestPart)
                                .arg(whole.size())));
}

QTEST_APPLESS_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
