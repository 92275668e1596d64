#include "skeleton_3x.h"

#include "reader_3x.h"

#include <QRegularExpression>

namespace {

// Minor and patch of a "3.<minor>.<patch>" version, as one comparable number.
int versionCode(int minor, int patch)
{
    return minor * 100000 + patch;
}

// The version code of a text whose layout is known, else -1. A suffix such
// as "-beta" does not change the layout.
int readableVersionCode(const QString &version)
{
    static const QRegularExpression pattern(
            QStringLiteral("^3\\.([3-8])\\.([0-9]{1,5})(-[0-9A-Za-z.-]*)?$"));
    const QRegularExpressionMatch match = pattern.match(version);
    if (!match.hasMatch())
        return -1;
    return versionCode(match.captured(1).toInt(), match.captured(2).toInt());
}

Features3x featuresOf(int code)
{
    const auto since = [code](int minor, int patch) { return code >= versionCode(minor, patch); };
    Features3x f;
    f.v35 = since(5, 0);
    f.v36 = since(6, 0);
    f.audio = since(7, 0);
    f.stretch = since(7, 20);
    f.compress = since(7, 25);
    f.volume = since(7, 29);
    f.xy = since(8, 0);
    f.skinBones = since(8, 6);
    f.softness = since(8, 21);
    f.softKey = since(8, 26);
    f.noRotationSpelling = f.v35 && !since(5, 3);
    f.fpsAlways = !since(5, 4);
    if (!since(5, 3))
        f.rounding = DecimalRounding::TowardZeroAsFloat;
    else if (!since(5, 4))
        f.rounding = DecimalRounding::TowardZero;
    return f;
}

// Versions between the last export seen without a feature and the first
// seen with it: the reader assumes the feature, and this turns it off for a
// second reading. False outside those windows.
bool turnOffWindowFeature(Features3x &f, int code)
{
    const auto within = [code](int minor, int first, int last) {
        return code >= versionCode(minor, first) && code <= versionCode(minor, last);
    };
    bool *feature = within(7, 20, 22)   ? &f.stretch
                    : within(7, 25, 27) ? &f.compress
                    : within(8, 6, 13)  ? &f.skinBones
                    : within(8, 21, 24) ? &f.softness
                                        : nullptr;
    if (feature == nullptr)
        return false;
    *feature = false;
    return true;
}

// x, y, width and height: always up to 3.8.05, left out when 0 after.
void putSize(const Reader3x &r, QJsonObject &skeleton, const QString &key, float value)
{
    const double rounded = number(r, value, 2);
    if (!r.features.skinBones || rounded != 0)
        skeleton.insert(key, rounded);
}

QString textOrEmpty(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QJsonObject readHeader(Reader3x &r)
{
    ContextScope scope(r.input, QStringLiteral("the header"));
    QJsonObject skeleton;
    skeleton.insert(QStringLiteral("hash"), textOrEmpty(r.input.readString()));
    const QString version = r.input.readName(QStringLiteral("the version"));
    const int code = readableVersionCode(version);
    if (code < 0)
        r.input.fail(QStringLiteral("a Spine %1 binary file, whose layout is not known").arg(version));
    r.features = featuresOf(code);
    if (r.otherWindowLayout && !turnOffWindowFeature(r.features, code))
        r.input.fail(QStringLiteral("a Spine %1 binary file, which has one layout only").arg(version));
    skeleton.insert(QStringLiteral("spine"), version);
    if (r.features.xy) {
        putSize(r, skeleton, QStringLiteral("x"), r.input.readFloat());
        putSize(r, skeleton, QStringLiteral("y"), r.input.readFloat());
    }
    putSize(r, skeleton, QStringLiteral("width"), r.input.readFloat());
    putSize(r, skeleton, QStringLiteral("height"), r.input.readFloat());
    r.nonessential = r.input.readBool();
    if (!r.nonessential)
        return skeleton;
    if (r.features.v35) {
        const double fps = shortestFloat(r.input.readFloat());
        if (r.features.fpsAlways || fps != 30)
            skeleton.insert(QStringLiteral("fps"), fps);
    }
    skeleton.insert(QStringLiteral("images"), textOrEmpty(r.input.readString()));
    if (r.features.audio)
        skeleton.insert(QStringLiteral("audio"), textOrEmpty(r.input.readString()));
    return skeleton;
}

void readStringTable(Reader3x &r)
{
    ContextScope scope(r.input, QStringLiteral("the string table"));
    const int count = r.input.readCount(1);
    r.strings.reserve(count);
    for (int i = 0; i < count; ++i)
        r.strings.append(r.input.readName(QStringLiteral("entry %1 of the string table").arg(i)));
}

QString transformModeName(const Reader3x &r, int mode)
{
    switch (mode) {
    case 1:
        return QStringLiteral("onlyTranslation");
    case 2:
        return r.features.noRotationSpelling ? QStringLiteral("noRotation")
                                             : QStringLiteral("noRotationOrReflection");
    case 3:
        return QStringLiteral("noScale");
    case 4:
        return QStringLiteral("noScaleOrReflection");
    }
    failIn(r, QStringLiteral("an unknown transform mode %1").arg(quint32(mode)));
}

void readBoneInheritance(Reader3x &r, QJsonObject &bone)
{
    if (!r.features.v35) {
        if (!r.input.readBool())
            bone.insert(QStringLiteral("inheritRotation"), false);
        if (!r.input.readBool())
            bone.insert(QStringLiteral("inheritScale"), false);
        return;
    }
    const qint32 mode = r.input.readVarint();
    if (mode != 0)
        bone.insert(QStringLiteral("transform"), transformModeName(r, mode));
}

QJsonObject readBone(Reader3x &r, int index)
{
    QJsonObject bone;
    const QString name = r.input.readName(QStringLiteral("bone %1").arg(index));
    ContextScope scope(r.input, QStringLiteral("bone ") + quotedName(name));
    bone.insert(QStringLiteral("name"), name);
    if (index > 0) {
        const qint32 parent = r.input.readVarint();
        if (parent < 0 || parent >= index)
            r.input.fail(QStringLiteral("parent index %1 of bone %2, which is not an earlier bone")
                                 .arg(quint32(parent))
                                 .arg(quotedName(name)));
        bone.insert(QStringLiteral("parent"), r.bones.at(parent));
    }
    readPlacement(r, bone);
    readNumberUnless(r, bone, QStringLiteral("shearX"), 2, 0);
    readNumberUnless(r, bone, QStringLiteral("shearY"), 2, 0);
    readNumberUnless(r, bone, QStringLiteral("length"), 2, 0);
    readBoneInheritance(r, bone);
    if (r.features.skinBones)
        insertIfTrue(bone, QStringLiteral("skin"), r.input.readBool());
    if (r.nonessential)
        insertColor(bone, quint32(r.input.readInt32()), "9b9b9bff");
    return bone;
}

// The bones or the slots: each one's name goes into names before the next
// is read, which may refer back to it.
QJsonArray readTable(Reader3x &r, const QString &context, int minBytesEach, QStringList &names,
                     QJsonObject (*readOne)(Reader3x &, int))
{
    ContextScope scope(r.input, context);
    const int count = r.input.readCount(minBytesEach);
    QJsonArray items;
    for (int i = 0; i < count; ++i) {
        const QJsonObject item = readOne(r, i);
        names.append(item.value(QStringLiteral("name")).toString());
        items.append(item);
    }
    return items;
}

QString blendModeName(const Reader3x &r, qint32 mode)
{
    switch (mode) {
    case 1:
        return QStringLiteral("additive");
    case 2:
        return QStringLiteral("multiply");
    case 3:
        return QStringLiteral("screen");
    }
    failIn(r, QStringLiteral("an unknown blend mode %1").arg(quint32(mode)));
}

QJsonObject readSlot(Reader3x &r, int index)
{
    QJsonObject slot;
    const QString name = r.input.readName(QStringLiteral("slot %1").arg(index));
    ContextScope scope(r.input, QStringLiteral("slot ") + quotedName(name));
    slot.insert(QStringLiteral("name"), name);
    slot.insert(QStringLiteral("bone"), readBoneName(r));
    insertColor(slot, quint32(r.input.readInt32()), "ffffffff");
    if (r.features.v36)
        insertDarkColor(slot, r.input.readInt32());
    const QString attachment = readRef(r);
    if (!attachment.isNull())
        slot.insert(QStringLiteral("attachment"), attachment);
    const qint32 blend = r.input.readVarint();
    if (blend != 0)
        slot.insert(QStringLiteral("blend"), blendModeName(r, blend));
    return slot;
}

// Name, order, skin flag and bones: the start of every constraint.
QJsonObject readConstraintStart(Reader3x &r, const QString &name)
{
    QJsonObject constraint;
    constraint.insert(QStringLiteral("name"), name);
    if (r.features.v35) {
        const qint32 order = r.input.readVarint();
        if (!r.features.skinBones || order != 0)
            constraint.insert(QStringLiteral("order"), order);
    }
    if (r.features.skinBones)
        insertIfTrue(constraint, QStringLiteral("skin"), r.input.readBool());
    constraint.insert(QStringLiteral("bones"), readNameList(r, r.bones, "bone", "bones"));
    return constraint;
}

QJsonObject readIkConstraint(Reader3x &r, const QString &name)
{
    QJsonObject ik = readConstraintStart(r, name);
    ik.insert(QStringLiteral("target"), readBoneName(r));
    readNumberUnless(r, ik, QStringLiteral("mix"), 4, 1);
    if (r.features.softness)
        readNumberUnless(r, ik, QStringLiteral("softness"), 2, 0);
    if (r.input.readSignedByte() == -1)
        ik.insert(QStringLiteral("bendPositive"), false);
    if (r.features.compress)
        insertIfTrue(ik, QStringLiteral("compress"), r.input.readBool());
    if (r.features.stretch)
        insertIfTrue(ik, QStringLiteral("stretch"), r.input.readBool());
    if (r.features.compress)
        insertIfTrue(ik, QStringLiteral("uniform"), r.input.readBool());
    return ik;
}

QJsonObject readTransformConstraint(Reader3x &r, const QString &name)
{
    QJsonObject transform = readConstraintStart(r, name);
    transform.insert(QStringLiteral("target"), readBoneName(r));
    if (r.features.v36) {
        insertIfTrue(transform, QStringLiteral("local"), r.input.readBool());
        insertIfTrue(transform, QStringLiteral("relative"), r.input.readBool());
    }
    const struct {
        const char *key;
        int decimals;
        double omitted;
    } fields[] = {{"rotation", 2, 0},     {"x", 2, 0},         {"y", 2, 0},
                  {"scaleX", 4, 0},       {"scaleY", 4, 0},    {"shearY", 2, 0},
                  {"rotateMix", 4, 1},    {"translateMix", 4, 1}, {"scaleMix", 4, 1},
                  {"shearMix", 4, 1}};
    for (const auto &field : fields)
        readNumberUnless(r, transform, QLatin1String(field.key), field.decimals, field.omitted);
    return transform;
}

// A mode written as a varint, by its name; the default (omitted) is left out.
void putMode(Reader3x &r, QJsonObject &object, const QString &key, const QStringList &names,
             int omitted)
{
    const qint32 mode = r.input.readVarint();
    if (mode < 0 || mode >= names.size())
        failIn(r, QStringLiteral("an unknown %1 %2").arg(key).arg(quint32(mode)));
    if (mode != omitted)
        object.insert(key, names.at(mode));
}

QJsonObject readPathConstraint(Reader3x &r, const QString &name)
{
    QJsonObject path = readConstraintStart(r, name);
    path.insert(QStringLiteral("target"), readSlotName(r));
    putMode(r, path, QStringLiteral("positionMode"),
            {QStringLiteral("fixed"), QStringLiteral("percent")}, 1);
    putMode(r, path, QStringLiteral("spacingMode"),
            {QStringLiteral("length"), QStringLiteral("fixed"), QStringLiteral("percent")}, 0);
    putMode(r, path, QStringLiteral("rotateMode"),
            {QStringLiteral("tangent"), QStringLiteral("chain"), QStringLiteral("chainScale")}, 0);
    readNumberUnless(r, path, QStringLiteral("rotation"), 2, 0);
    readNumberUnless(r, path, QStringLiteral("position"), 4, 0);
    readNumberUnless(r, path, QStringLiteral("spacing"), 4, 0);
    readNumberUnless(r, path, QStringLiteral("rotateMix"), 4, 1);
    readNumberUnless(r, path, QStringLiteral("translateMix"), 4, 1);
    return path;
}

using ConstraintReader = QJsonObject (*)(Reader3x &, const QString &);

QJsonArray readConstraints(Reader3x &r, const QString &kind, QStringList &names,
                           ConstraintReader readOne)
{
    ContextScope scope(r.input, QStringLiteral("the %1 constraints").arg(kind));
    // A name, the bone count and the target at least.
    const int count = r.input.readCount(3);
    QJsonArray constraints;
    for (int i = 0; i < count; ++i) {
        const QString name = r.input.readName(QStringLiteral("%1 constraint %2").arg(kind).arg(i));
        ContextScope inner(r.input, QStringLiteral("%1 constraint %2").arg(kind, quotedName(name)));
        constraints.append(readOne(r, name));
        names.append(name);
    }
    return constraints;
}

EventData3x readEventData(Reader3x &r)
{
    EventData3x event;
    event.name = r.features.skinBones ? readRequiredRef(r, QStringLiteral("an event"))
                                      : r.input.readName(QStringLiteral("an event"));
    ContextScope scope(r.input, QStringLiteral("event ") + quotedName(event.name));
    event.intValue = r.input.readZigzag();
    event.floatValue = shortestFloat(r.input.readFloat());
    event.string = textOrEmpty(r.input.readString());
    if (!r.features.audio)
        return event;
    event.audio = r.input.readString();
    if (r.features.volume && !event.audio.isNull()) {
        event.volume = readNumber(r, 4);
        event.balance = readNumber(r, 4);
    }
    return event;
}

QJsonObject eventJson(const EventData3x &event)
{
    QJsonObject json;
    if (event.intValue != 0)
        json.insert(QStringLiteral("int"), event.intValue);
    insertUnless(json, QStringLiteral("float"), event.floatValue, 0);
    if (!event.string.isEmpty())
        json.insert(QStringLiteral("string"), event.string);
    if (!event.audio.isEmpty())
        json.insert(QStringLiteral("audio"), event.audio);
    if (!event.audio.isNull()) {
        insertUnless(json, QStringLiteral("volume"), event.volume, 1);
        insertUnless(json, QStringLiteral("balance"), event.balance, 0);
    }
    return json;
}

QJsonObject readEvents(Reader3x &r)
{
    ContextScope scope(r.input, QStringLiteral("the events"));
    // Name, int, float and string at least.
    const int count = r.input.readCount(7);
    JsonMembers events;
    for (int i = 0; i < count; ++i) {
        const EventData3x event = readEventData(r);
        events.insert(event.name, eventJson(event));
        r.events.append(event);
    }
    return toObject(events);
}

QJsonObject readAnimations(Reader3x &r)
{
    ContextScope scope(r.input, QStringLiteral("the animations"));
    // A name and eight section counts at least.
    const int count = r.input.readCount(9);
    JsonMembers animations;
    for (int i = 0; i < count; ++i) {
        const QString name = r.input.readName(QStringLiteral("animation %1").arg(i));
        animations.insert(name, readAnimation3x(r, name));
    }
    return toObject(animations);
}

// "1 bone", "12 bones".
QString countOf(int count, const char *singular, const char *plural)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? singular : plural));
}

} // namespace

void failIn(const Reader3x &r, const QString &what)
{
    r.input.fail(what + QLatin1String(" in ") + r.input.context());
}

QString readRef(Reader3x &r)
{
    if (!r.features.skinBones)
        return r.input.readString();
    const qint32 index = r.input.readVarint();
    if (index == 0)
        return QString();
    if (index < 0 || index > r.strings.size())
        r.input.fail(QStringLiteral("string %1 in %2, but the string table has %3")
                             .arg(quint32(index))
                             .arg(r.input.context(), countOf(r.strings.size(), "entry", "entries")));
    return r.strings.at(index - 1);
}

QString readRequiredRef(Reader3x &r, const QString &what)
{
    const QString name = readRef(r);
    if (name.isNull())
        r.input.fail(QStringLiteral("no name for ") + what);
    return name;
}

double number(const Reader3x &r, float x, int decimals)
{
    return jsonNumber(x, decimals, r.features.rounding);
}

double readNumber(Reader3x &r, int decimals)
{
    return number(r, r.input.readFloat(), decimals);
}

void readNumberUnless(Reader3x &r, QJsonObject &json, const QString &key, int decimals,
                      double defaultValue)
{
    insertUnless(json, key, readNumber(r, decimals), defaultValue);
}

void readRotationAndPosition(Reader3x &r, QJsonObject &json)
{
    readNumberUnless(r, json, QStringLiteral("rotation"), 2, 0);
    readNumberUnless(r, json, QStringLiteral("x"), 2, 0);
    readNumberUnless(r, json, QStringLiteral("y"), 2, 0);
}

void readPlacement(Reader3x &r, QJsonObject &json)
{
    readRotationAndPosition(r, json);
    const int scaleDecimals = r.features.skinBones ? 4 : 3;
    readNumberUnless(r, json, QStringLiteral("scaleX"), scaleDecimals, 1);
    readNumberUnless(r, json, QStringLiteral("scaleY"), scaleDecimals, 1);
}

int readTableIndex(Reader3x &r, int tableSize, const char *what, const char *tableName)
{
    const qint32 index = r.input.readVarint();
    if (index < 0 || index >= tableSize)
        r.input.fail(QStringLiteral("%1 index %2 in %3, but the skeleton has %4")
                             .arg(QLatin1String(what))
                             .arg(quint32(index))
                             .arg(r.input.context(), countOf(tableSize, what, tableName)));
    return index;
}

QString readTableName(Reader3x &r, const QStringList &table, const char *what, const char *tableName)
{
    return table.at(readTableIndex(r, table.size(), what, tableName));
}

QString readBoneName(Reader3x &r)
{
    return readTableName(r, r.bones, "bone", "bones");
}

QString readSlotName(Reader3x &r)
{
    return readTableName(r, r.slotNames, "slot", "slots");
}

QJsonArray readNameList(Reader3x &r, const QStringList &table, const char *what, const char *tableName)
{
    const int count = r.input.readCount(1);
    QJsonArray names;
    for (int i = 0; i < count; ++i)
        names.append(readTableName(r, table, what, tableName));
    return names;
}

int readNonNegative(Reader3x &r, const char *what)
{
    const qint32 value = r.input.readVarint();
    if (value < 0)
        failIn(r, QStringLiteral("a %1 of %2").arg(QLatin1String(what)).arg(quint32(value)));
    return value;
}

QJsonObject toObject(const JsonMembers &members)
{
    QJsonObject object;
    for (auto it = members.begin(); it != members.end(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

QJsonObject toObject(const JsonMembers2 &members)
{
    QJsonObject object;
    for (auto it = members.begin(); it != members.end(); ++it)
        object.insert(it.key(), toObject(it.value()));
    return object;
}

QJsonObject toObject(const JsonMembers3 &members)
{
    QJsonObject object;
    for (auto it = members.begin(); it != members.end(); ++it)
        object.insert(it.key(), toObject(it.value()));
    return object;
}

QString quotedName(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

QString headerVersion3x(const QByteArray &bytes)
{
    // Letters, digits and the marks of version texts ("3.8.55", "3.7.28-beta",
    // "99.99.99", "Dev"): random bytes rarely read as one.
    static const QRegularExpression versionLike(QStringLiteral("^[0-9A-Za-z][0-9A-Za-z.+_-]{0,31}$"));
    BinaryInput input(bytes);
    try {
        input.readString();
        const QString version = input.readString();
        if (versionLike.match(version).hasMatch())
            return version;
    } catch (const BinaryError &) {
    }
    return QString();
}

bool isReadableVersion3x(const QString &version)
{
    return readableVersionCode(version) >= 0;
}

namespace {

QJsonObject readSkeletonWith(const QByteArray &bytes, bool otherWindowLayout)
{
    BinaryInput input(bytes);
    Reader3x r(input);
    r.otherWindowLayout = otherWindowLayout;
    QJsonObject root;
    root.insert(QStringLiteral("skeleton"), readHeader(r));
    if (r.features.skinBones)
        readStringTable(r);
    // A bone has a name, eight numbers and the inheritance at least; a slot
    // a name, bone, colour, attachment and blend mode.
    root.insert(QStringLiteral("bones"), readTable(r, QStringLiteral("the bones"), 34, r.bones, readBone));
    root.insert(QStringLiteral("slots"), readTable(r, QStringLiteral("the slots"), 8, r.slotNames, readSlot));
    insertUnlessEmpty(root, QStringLiteral("ik"),
                   readConstraints(r, QStringLiteral("IK"), r.ikConstraints, readIkConstraint));
    insertUnlessEmpty(root, QStringLiteral("transform"),
                   readConstraints(r, QStringLiteral("transform"), r.transformConstraints,
                                   readTransformConstraint));
    insertUnlessEmpty(root, QStringLiteral("path"),
                   readConstraints(r, QStringLiteral("path"), r.pathConstraints, readPathConstraint));
    root.insert(QStringLiteral("skins"), readSkins3x(r));
    insertUnlessEmpty(root, QStringLiteral("events"), readEvents(r));
    insertUnlessEmpty(root, QStringLiteral("animations"), readAnimations(r));
    if (input.bytesLeft() > 0) {
        // Reading the first extra byte puts the message's offset on it.
        input.readByte();
        input.fail(QStringLiteral("bytes left over after the animations (%1)").arg(input.bytesLeft() + 1));
    }
    return root;
}

} // namespace

QJsonObject readSkeleton3x(const QByteArray &bytes)
{
    try {
        return readSkeletonWith(bytes, false);
    } catch (const BinaryError &) {
        // A version where the layout changed without a sample on each side:
        // the other layout may fit. When it does not, the first error stands.
        try {
            return readSkeletonWith(bytes, true);
        } catch (const BinaryError &) {
        }
        throw;
    }
}
