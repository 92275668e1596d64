// The animations of a 3.x binary export: timelines of keys, each key an
// object as the JSON export writes it.

#include "reader_3x.h"

namespace {

bool newSpellings(const Reader3x &r)
{
    return r.features.skinBones;
}

void putTime(Reader3x &r, QJsonObject &key)
{
    const double time = readNumber(r, 4);
    if (!newSpellings(r) || time != 0)
        key.insert(QStringLiteral("time"), time);
}

// Values the 3.7 spellings always write and the 3.8.14+ ones leave out at
// their default.
void putValue(Reader3x &r, QJsonObject &key, const QString &name, int decimals, double omitted)
{
    const double value = readNumber(r, decimals);
    if (!newSpellings(r) || value != omitted)
        key.insert(name, value);
}

void readCurve(Reader3x &r, QJsonObject &key)
{
    const int type = r.input.readByte();
    if (type == 0)
        return;
    if (type == 1) {
        key.insert(QStringLiteral("curve"), QStringLiteral("stepped"));
        return;
    }
    if (type != 2)
        failIn(r, QStringLiteral("an unknown curve type %1").arg(type));
    const double cx1 = readNumber(r, 3);
    const double cy1 = readNumber(r, 2);
    const double cx2 = readNumber(r, 3);
    const double cy2 = readNumber(r, 2);
    if (!newSpellings(r)) {
        key.insert(QStringLiteral("curve"), QJsonArray{cx1, cy1, cx2, cy2});
        return;
    }
    key.insert(QStringLiteral("curve"), cx1);
    insertUnless(key, QStringLiteral("c2"), cy1, 0);
    insertUnless(key, QStringLiteral("c3"), cx2, 1);
    insertUnless(key, QStringLiteral("c4"), cy2, 1);
}

// A timeline's keys: the time, the values, and a curve after every key but
// the last when the timeline has curves. minKeyBytes leaves the curve out.
template <typename ReadValues>
QJsonArray readKeys(Reader3x &r, int minKeyBytes, bool curved, ReadValues readValues)
{
    const int count = r.input.readCount(minKeyBytes);
    QJsonArray keys;
    for (int i = 0; i < count; ++i) {
        QJsonObject key;
        putTime(r, key);
        readValues(key);
        if (curved && i + 1 < count)
            readCurve(r, key);
        keys.append(key);
    }
    return keys;
}

QJsonArray readColourKeys(Reader3x &r)
{
    return readKeys(r, 8, true, [&r](QJsonObject &key) {
        key.insert(QStringLiteral("color"), hexRgba(quint32(r.input.readInt32())));
    });
}

QJsonArray readTwoColourKeys(Reader3x &r)
{
    return readKeys(r, 12, true, [&r](QJsonObject &key) {
        key.insert(QStringLiteral("light"), hexRgba(quint32(r.input.readInt32())));
        key.insert(QStringLiteral("dark"), hexRgb(quint32(r.input.readInt32())));
    });
}

QJsonArray readAttachmentKeys(Reader3x &r)
{
    return readKeys(r, 5, false, [&r](QJsonObject &key) {
        const QString name = readRef(r);
        key.insert(QStringLiteral("name"), name.isNull() ? QJsonValue() : QJsonValue(name));
    });
}

// {name: {timelineName: keys}} of slots or bones; a slot or bone that comes
// twice keeps the timelines of both.
template <typename ReadTimeline>
QJsonObject readTimelineGroups(Reader3x &r, const QStringList &table, const char *what,
                               const char *tableName, ReadTimeline readTimeline)
{
    // An index and a timeline count at least.
    const int count = r.input.readCount(2);
    JsonMembers2 groups;
    for (int i = 0; i < count; ++i) {
        const QString name = readTableName(r, table, what, tableName);
        JsonMembers &timelines = groups[name];
        // A type and a key count at least.
        const int timelineCount = r.input.readCount(2);
        for (int t = 0; t < timelineCount; ++t)
            readTimeline(timelines);
    }
    return toObject(groups);
}

QJsonObject readSlotTimelines(Reader3x &r)
{
    return readTimelineGroups(r, r.slotNames, "slot", "slots", [&r](JsonMembers &timelines) {
        const int type = r.input.readByte();
        if (type == 0)
            timelines.insert(QStringLiteral("attachment"), readAttachmentKeys(r));
        else if (type == 1)
            timelines.insert(QStringLiteral("color"), readColourKeys(r));
        else if (type == 2 && r.features.v36)
            timelines.insert(QStringLiteral("twoColor"), readTwoColourKeys(r));
        else
            failIn(r, QStringLiteral("an unknown slot timeline type %1").arg(type));
    });
}

QJsonArray readRotateKeys(Reader3x &r)
{
    return readKeys(r, 8, true, [&r](QJsonObject &key) {
        putValue(r, key, QStringLiteral("angle"), 2, 0);
    });
}

QJsonArray readXyKeys(Reader3x &r, int decimals, double omitted)
{
    return readKeys(r, 12, true, [&r, decimals, omitted](QJsonObject &key) {
        putValue(r, key, QStringLiteral("x"), decimals, omitted);
        putValue(r, key, QStringLiteral("y"), decimals, omitted);
    });
}

QJsonObject readBoneTimelines(Reader3x &r)
{
    return readTimelineGroups(r, r.bones, "bone", "bones", [&r](JsonMembers &timelines) {
        const int type = r.input.readByte();
        if (type == 0)
            timelines.insert(QStringLiteral("rotate"), readRotateKeys(r));
        else if (type == 1)
            timelines.insert(QStringLiteral("translate"), readXyKeys(r, 2, 0));
        else if (type == 2)
            timelines.insert(QStringLiteral("scale"), readXyKeys(r, 3, 1));
        else if (type == 3)
            timelines.insert(QStringLiteral("shear"), readXyKeys(r, 2, 0));
        else
            failIn(r, QStringLiteral("an unknown bone timeline type %1").arg(type));
    });
}

// {constraintName: keys} of IK or transform constraints.
template <typename ReadValues>
QJsonObject readConstraintTimelines(Reader3x &r, const QStringList &table, const char *what,
                                    const char *tableName, int minKeyBytes, ReadValues readValues)
{
    // An index and a key count at least.
    const int count = r.input.readCount(2);
    JsonMembers timelines;
    for (int i = 0; i < count; ++i) {
        const QString name = readTableName(r, table, what, tableName);
        timelines.insert(name, readKeys(r, minKeyBytes, true, readValues));
    }
    return toObject(timelines);
}

QJsonObject readIkTimelines(Reader3x &r)
{
    const auto readIkKey = [&r](QJsonObject &key) {
        readNumberUnless(r, key, QStringLiteral("mix"), 4, 1);
        if (r.features.softKey)
            readNumberUnless(r, key, QStringLiteral("softness"), 2, 0);
        if (r.input.readSignedByte() == -1)
            key.insert(QStringLiteral("bendPositive"), false);
        if (r.features.compress && r.input.readBool())
            key.insert(QStringLiteral("compress"), true);
        if (r.features.stretch && r.input.readBool())
            key.insert(QStringLiteral("stretch"), true);
    };
    return readConstraintTimelines(r, r.ikConstraints, "IK constraint", "IK constraints", 9,
                                   readIkKey);
}

QJsonObject readTransformTimelines(Reader3x &r)
{
    const auto readTransformKey = [&r](QJsonObject &key) {
        for (const char *mix : {"rotateMix", "translateMix", "scaleMix", "shearMix"})
            readNumberUnless(r, key, QLatin1String(mix), 4, 1);
    };
    return readConstraintTimelines(r, r.transformConstraints, "transform constraint",
                                   "transform constraints", 20, readTransformKey);
}

QJsonArray readPathValueKeys(Reader3x &r, const QString &name)
{
    return readKeys(r, 8, true, [&r, &name](QJsonObject &key) {
        readNumberUnless(r, key, name, 4, 0);
    });
}

QJsonArray readPathMixKeys(Reader3x &r)
{
    return readKeys(r, 12, true, [&r](QJsonObject &key) {
        readNumberUnless(r, key, QStringLiteral("rotateMix"), 4, 1);
        readNumberUnless(r, key, QStringLiteral("translateMix"), 4, 1);
    });
}

QJsonObject readPathTimelines(Reader3x &r)
{
    return readTimelineGroups(r, r.pathConstraints, "path constraint", "path constraints",
                              [&r](JsonMembers &timelines) {
        const int type = r.input.readByte();
        if (type == 0)
            timelines.insert(QStringLiteral("position"),
                             readPathValueKeys(r, QStringLiteral("position")));
        else if (type == 1)
            timelines.insert(QStringLiteral("spacing"),
                             readPathValueKeys(r, QStringLiteral("spacing")));
        else if (type == 2)
            timelines.insert(QStringLiteral("mix"), readPathMixKeys(r));
        else
            failIn(r, QStringLiteral("an unknown path timeline type %1").arg(type));
    });
}

// The deltas rounded as the export rounds them, without the zeros at either
// end; each zero dropped at the start moves the offset on by one.
void readDeformKey(Reader3x &r, QJsonObject &key)
{
    const int count = r.input.readCount(4);
    if (count == 0)
        return;
    const qint64 start = readNonNegative(r, "deform offset");
    QVector<double> deltas;
    deltas.reserve(count);
    for (int i = 0; i < count; ++i)
        deltas.append(readNumber(r, 5));
    int first = 0;
    while (first < count && deltas.at(first) == 0)
        ++first;
    int last = count;
    while (last > first && deltas.at(last - 1) == 0)
        --last;
    if (first == last)
        return;
    if (start + first != 0)
        key.insert(QStringLiteral("offset"), double(start + first));
    QJsonArray vertices;
    for (int i = first; i < last; ++i)
        vertices.append(deltas.at(i));
    key.insert(QStringLiteral("vertices"), vertices);
}

// {attachment: keys} of one slot of one skin.
void readDeformSlot(Reader3x &r, JsonMembers &slot)
{
    // A name and a key count at least.
    const int count = r.input.readCount(2);
    for (int i = 0; i < count; ++i) {
        const QString attachment = readRequiredRef(r, QStringLiteral("a deformed attachment"));
        slot.insert(attachment, readKeys(r, 5, true, [&r](QJsonObject &key) { readDeformKey(r, key); }));
    }
}

QJsonObject readDeformTimelines(Reader3x &r)
{
    // A skin index and a slot count at least.
    const int count = r.input.readCount(2);
    JsonMembers3 skins;
    for (int i = 0; i < count; ++i) {
        JsonMembers2 &skin = skins[r.skins.at(readTableIndex(r, r.skins.size(), "skin", "skins"))];
        const int slotCount = r.input.readCount(2);
        for (int s = 0; s < slotCount; ++s)
            readDeformSlot(r, skin[readSlotName(r)]);
    }
    return toObject(skins);
}

QJsonArray readDrawOrder(Reader3x &r)
{
    return readKeys(r, 5, false, [&r](QJsonObject &key) {
        // A slot index and an offset each.
        const int count = r.input.readCount(2);
        QJsonArray offsets;
        for (int i = 0; i < count; ++i) {
            const QString slot = readSlotName(r);
            // Written as a positive varint, yet negative offsets are common.
            const qint32 offset = r.input.readVarint();
            offsets.append(QJsonObject{{QStringLiteral("slot"), slot}, {QStringLiteral("offset"), offset}});
        }
        if (count > 0)
            key.insert(QStringLiteral("offsets"), offsets);
    });
}

// An event key names only what differs from its event's data.
void readEventKey(Reader3x &r, QJsonObject &key)
{
    const EventData3x &event = r.events.at(readTableIndex(r, r.events.size(), "event", "events"));
    key.insert(QStringLiteral("name"), event.name);
    const qint32 intValue = r.input.readZigzag();
    if (intValue != event.intValue)
        key.insert(QStringLiteral("int"), intValue);
    insertUnless(key, QStringLiteral("float"), shortestFloat(r.input.readFloat()), event.floatValue);
    if (r.input.readBool()) {
        QString string = r.input.readString();
        if (string.isNull())
            string = QStringLiteral("");
        if (string != event.string)
            key.insert(QStringLiteral("string"), string);
    }
    if (r.features.volume && !event.audio.isNull()) {
        readNumberUnless(r, key, QStringLiteral("volume"), 4, event.volume);
        readNumberUnless(r, key, QStringLiteral("balance"), 4, event.balance);
    }
}

QJsonArray readEventKeys(Reader3x &r)
{
    // Time, event, int, float and the string flag.
    return readKeys(r, 11, false, [&r](QJsonObject &key) { readEventKey(r, key); });
}

// One section of an animation, read within its own context; an empty one
// is left out.
template <typename Section>
void readSection(Reader3x &r, QJsonObject &animation, const QString &context, const QString &key,
                 Section readSection)
{
    ContextScope scope(r.input, context);
    insertUnlessEmpty(animation, key, readSection(r));
}

} // namespace

QJsonObject readAnimation3x(Reader3x &r, const QString &name)
{
    QJsonObject animation;
    const auto section = [&r, &name](const char *what) {
        return QStringLiteral("the %1 of animation %2").arg(QLatin1String(what), quotedName(name));
    };
    readSection(r, animation, section("slot timelines"), QStringLiteral("slots"), readSlotTimelines);
    readSection(r, animation, section("bone timelines"), QStringLiteral("bones"), readBoneTimelines);
    readSection(r, animation, section("IK timelines"), QStringLiteral("ik"), readIkTimelines);
    readSection(r, animation, section("transform timelines"), QStringLiteral("transform"),
                readTransformTimelines);
    readSection(r, animation, section("path timelines"),
                newSpellings(r) ? QStringLiteral("path") : QStringLiteral("paths"), readPathTimelines);
    readSection(r, animation, section("deform timelines"), QStringLiteral("deform"), readDeformTimelines);
    readSection(r, animation, section("draw order"), QStringLiteral("drawOrder"), readDrawOrder);
    readSection(r, animation, section("events"), QStringLiteral("events"), readEventKeys);
    return animation;
}
