#include "skel_from_json.h"

#include <QHash>
#include <QJsonArray>
#include <QStringList>

#include <cstring>

namespace {

QString key(const char *text)
{
    return QString::fromLatin1(text);
}

class SkelWriter {
public:
    QByteArray write(const QJsonObject &root);

private:
    void byte(int value) { m_out.append(char(value)); }
    void varint(quint32 value)
    {
        for (int k = 0; k < 4 && value >= 0x80; ++k) {
            byte(int((value & 0x7F) | 0x80));
            value >>= 7;
        }
        byte(int(value));
    }
    void int32(quint32 value)
    {
        for (int shift = 24; shift >= 0; shift -= 8)
            byte(int((value >> shift) & 0xFF));
    }
    void number(double value)
    {
        const float f = float(value);
        quint32 bits;
        std::memcpy(&bits, &f, sizeof bits);
        int32(bits);
    }
    void string(const QString &text)
    {
        if (text.isNull()) {
            varint(0);
            return;
        }
        const QByteArray utf8 = text.toUtf8();
        varint(quint32(utf8.size() + 1));
        m_out.append(utf8);
    }
    void ref(const QString &text)
    {
        if (text.isNull()) {
            varint(0);
            return;
        }
        int index = m_stringIndex.value(text, -1);
        if (index < 0) {
            index = m_strings.size();
            m_strings.append(text);
            m_stringIndex.insert(text, index);
        }
        varint(quint32(index + 1));
    }
    void color(const QJsonValue &value, quint32 fallback)
    {
        int32(value.isString() ? value.toString().toUInt(nullptr, 16) : fallback);
    }
    static QString text(const QJsonObject &object, const char *name)
    {
        const QJsonValue value = object.value(key(name));
        return value.isString() ? value.toString() : QString();
    }
    static double num(const QJsonObject &object, const char *name, double fallback)
    {
        return object.value(key(name)).toDouble(fallback);
    }

    void bones(const QJsonArray &bones);
    void slots(const QJsonArray &slots);
    void ik(const QJsonArray &constraints);
    void skins(const QJsonArray &skins);
    void attachmentBlock(const QJsonObject &skin);
    void attachment(const QString &name, const QJsonObject &json);
    void vertices(const QJsonArray &values, int vertexCount, bool weighted);
    void animation(const QJsonObject &animation);
    void curve(const QJsonObject &previousKey, int channels);
    void keys(const QJsonArray &keys, const QVector<QPair<const char *, double>> &channels);

    QByteArray m_out;
    QStringList m_strings;
    QHash<QString, int> m_stringIndex;
    QHash<QString, int> m_bones, m_slots, m_skins;
};

QByteArray SkelWriter::write(const QJsonObject &root)
{
    m_out = QByteArray(8, '\0');
    string(root.value(key("skeleton")).toObject().value(key("spine")).toString());
    for (int i = 0; i < 4; ++i)
        number(0);
    number(100);
    byte(1); // nonessential
    number(30);
    string(QString());
    string(QString());
    const QByteArray header = m_out;
    m_out.clear();

    bones(root.value(key("bones")).toArray());
    slots(root.value(key("slots")).toArray());
    ik(root.value(key("ik")).toArray());
    varint(0); // transform
    varint(0); // path
    varint(0); // physics
    skins(root.value(key("skins")).toArray());
    varint(0); // events
    const QJsonObject animations = root.value(key("animations")).toObject();
    varint(quint32(animations.size()));
    for (auto it = animations.begin(); it != animations.end(); ++it) {
        string(it.key());
        animation(it.value().toObject());
    }
    const QByteArray body = m_out;
    m_out = header;
    varint(quint32(m_strings.size()));
    for (const QString &text : qAsConst(m_strings))
        string(text);
    return m_out + body;
}

void SkelWriter::bones(const QJsonArray &bones)
{
    varint(quint32(bones.size()));
    for (int i = 0; i < bones.size(); ++i) {
        const QJsonObject bone = bones.at(i).toObject();
        string(text(bone, "name"));
        m_bones.insert(text(bone, "name"), i);
        if (i > 0)
            varint(quint32(m_bones.value(text(bone, "parent"))));
        for (const char *field : {"rotation", "x", "y"})
            number(num(bone, field, 0));
        number(num(bone, "scaleX", 1));
        number(num(bone, "scaleY", 1));
        for (const char *field : {"shearX", "shearY", "length"})
            number(num(bone, field, 0));
        const QStringList inherit = {key("normal"), key("onlyTranslation"),
                                     key("noRotationOrReflection"), key("noScale"),
                                     key("noScaleOrReflection")};
        byte(qMax(0, inherit.indexOf(text(bone, "inherit"))));
        byte(0); // skin
        color(bone.value(key("color")), 0x9b9b9bffu);
        string(QString()); // icon
        byte(1);           // visible
    }
}

void SkelWriter::slots(const QJsonArray &slots)
{
    varint(quint32(slots.size()));
    for (int i = 0; i < slots.size(); ++i) {
        const QJsonObject slot = slots.at(i).toObject();
        string(text(slot, "name"));
        m_slots.insert(text(slot, "name"), i);
        varint(quint32(m_bones.value(text(slot, "bone"))));
        color(slot.value(key("color")), 0xffffffffu);
        int32(0xffffffffu); // no dark colour
        ref(text(slot, "attachment"));
        varint(0); // blend normal
        byte(1);   // visible
    }
}

void SkelWriter::ik(const QJsonArray &constraints)
{
    varint(quint32(constraints.size()));
    for (const QJsonValue &value : constraints) {
        const QJsonObject ik = value.toObject();
        string(text(ik, "name"));
        varint(0); // order
        const QJsonArray bones = ik.value(key("bones")).toArray();
        varint(quint32(bones.size()));
        for (const QJsonValue &bone : bones)
            varint(quint32(m_bones.value(bone.toString())));
        varint(quint32(m_bones.value(text(ik, "target"))));
        const double mix = num(ik, "mix", 1);
        const bool bendPositive = ik.value(key("bendPositive")).toBool(true);
        byte((bendPositive ? 2 : 0) | 32 | (mix != 1 ? 64 : 0));
        if (mix != 1)
            number(mix);
    }
}

void SkelWriter::skins(const QJsonArray &skins)
{
    QJsonObject defaultSkin;
    QVector<QJsonObject> named;
    for (const QJsonValue &value : skins) {
        const QJsonObject skin = value.toObject();
        if (text(skin, "name") == key("default") && defaultSkin.isEmpty())
            defaultSkin = skin;
        else
            named.append(skin);
    }
    // The default skin is index 0 when it is there (its slot count says so).
    if (!defaultSkin.isEmpty())
        m_skins.insert(key("default"), 0);
    attachmentBlock(defaultSkin);
    varint(quint32(named.size()));
    for (const QJsonObject &skin : qAsConst(named)) {
        m_skins.insert(text(skin, "name"), m_skins.size());
        string(text(skin, "name"));
        int32(0xfe9e4fffu);
        for (int list = 0; list < 5; ++list)
            varint(0); // bones, ik, transform, path, physics
        attachmentBlock(skin);
    }
}

void SkelWriter::attachmentBlock(const QJsonObject &skin)
{
    const QJsonObject attachments = skin.value(key("attachments")).toObject();
    varint(quint32(attachments.size()));
    for (auto slot = attachments.begin(); slot != attachments.end(); ++slot) {
        varint(quint32(m_slots.value(slot.key())));
        const QJsonObject items = slot.value().toObject();
        varint(quint32(items.size()));
        for (auto item = items.begin(); item != items.end(); ++item) {
            ref(item.key());
            attachment(item.key(), item.value().toObject());
        }
    }
}

void SkelWriter::vertices(const QJsonArray &values, int vertexCount, bool weighted)
{
    varint(quint32(vertexCount));
    if (!weighted) {
        for (const QJsonValue &value : values)
            number(value.toDouble());
        return;
    }
    for (int i = 0; i < values.size();) {
        const int bones = values.at(i++).toInt();
        varint(quint32(bones));
        for (int b = 0; b < bones; ++b) {
            varint(quint32(values.at(i++).toInt()));
            for (int k = 0; k < 3; ++k)
                number(values.at(i++).toDouble());
        }
    }
}

void SkelWriter::attachment(const QString &attachmentKey, const QJsonObject &json)
{
    const QString type = text(json, "type");
    const QString name = text(json, "name");
    const bool named = !name.isNull() && name != attachmentKey;
    if (type == key("boundingbox")) {
        const QJsonArray values = json.value(key("vertices")).toArray();
        const int count = json.value(key("vertexCount")).toInt();
        const bool weighted = values.size() > 2 * count;
        byte(1 | (named ? 8 : 0) | (weighted ? 16 : 0));
        if (named)
            ref(name);
        vertices(values, count, weighted);
        int32(0x60f000ffu);
        return;
    }
    const QString path = text(json, "path");
    const bool colored = json.contains(key("color"));
    if (type == key("mesh")) {
        const QJsonArray uvs = json.value(key("uvs")).toArray();
        const QJsonArray values = json.value(key("vertices")).toArray();
        const bool weighted = values.size() > uvs.size();
        byte(2 | (named ? 8 : 0) | (!path.isNull() ? 16 : 0) | (colored ? 32 : 0)
             | (weighted ? 128 : 0));
        if (named)
            ref(name);
        if (!path.isNull())
            ref(path);
        if (colored)
            color(json.value(key("color")), 0xffffffffu);
        varint(quint32(json.value(key("hull")).toInt()));
        vertices(values, uvs.size() / 2, weighted);
        for (const QJsonValue &uv : uvs)
            number(uv.toDouble());
        for (const QJsonValue &index : json.value(key("triangles")).toArray())
            varint(quint32(index.toInt()));
        const QJsonArray edges = json.value(key("edges")).toArray();
        varint(quint32(edges.size()));
        for (const QJsonValue &index : edges)
            varint(quint32(index.toInt()));
        number(num(json, "width", 0));
        number(num(json, "height", 0));
        return;
    }
    const double rotation = num(json, "rotation", 0);
    byte((named ? 8 : 0) | (!path.isNull() ? 16 : 0) | (colored ? 32 : 0) | (rotation != 0 ? 128 : 0));
    if (named)
        ref(name);
    if (!path.isNull())
        ref(path);
    if (colored)
        color(json.value(key("color")), 0xffffffffu);
    if (rotation != 0)
        number(rotation);
    number(num(json, "x", 0));
    number(num(json, "y", 0));
    number(num(json, "scaleX", 1));
    number(num(json, "scaleY", 1));
    number(num(json, "width", 0));
    number(num(json, "height", 0));
}

// The curve of the segment that previousKey starts.
void SkelWriter::curve(const QJsonObject &previousKey, int channels)
{
    const QJsonValue value = previousKey.value(key("curve"));
    if (value.isString()) {
        byte(1);
        return;
    }
    if (!value.isArray()) {
        byte(0);
        return;
    }
    byte(2);
    const QJsonArray handles = value.toArray();
    for (int i = 0; i < 4 * channels; ++i)
        number(handles.at(i).toDouble());
}

void SkelWriter::keys(const QJsonArray &keys, const QVector<QPair<const char *, double>> &channels)
{
    varint(quint32(keys.size()));
    varint(0); // bezier count: a sizing hint
    for (int i = 0; i < keys.size(); ++i) {
        const QJsonObject keyObject = keys.at(i).toObject();
        number(num(keyObject, "time", 0));
        for (const auto &channel : channels)
            number(num(keyObject, channel.first, channel.second));
        if (i > 0)
            curve(keys.at(i - 1).toObject(), channels.size());
    }
}

void SkelWriter::animation(const QJsonObject &animation)
{
    varint(0); // timeline count: a sizing hint
    const QJsonObject slotTimelines = animation.value(key("slots")).toObject();
    varint(quint32(slotTimelines.size()));
    for (auto slot = slotTimelines.begin(); slot != slotTimelines.end(); ++slot) {
        varint(quint32(m_slots.value(slot.key())));
        const QJsonObject timelines = slot.value().toObject();
        varint(quint32(timelines.size()));
        for (auto timeline = timelines.begin(); timeline != timelines.end(); ++timeline) {
            const QJsonArray keyList = timeline.value().toArray();
            if (timeline.key() == key("attachment")) {
                byte(0);
                varint(quint32(keyList.size()));
                for (const QJsonValue &value : keyList) {
                    number(num(value.toObject(), "time", 0));
                    ref(text(value.toObject(), "name"));
                }
                continue;
            }
            byte(1); // rgba
            varint(quint32(keyList.size()));
            varint(0);
            for (int i = 0; i < keyList.size(); ++i) {
                const QJsonObject keyObject = keyList.at(i).toObject();
                number(num(keyObject, "time", 0));
                int32(text(keyObject, "color").toUInt(nullptr, 16));
                if (i > 0)
                    curve(keyList.at(i - 1).toObject(), 4);
            }
        }
    }
    const QJsonObject boneTimelines = animation.value(key("bones")).toObject();
    varint(quint32(boneTimelines.size()));
    for (auto bone = boneTimelines.begin(); bone != boneTimelines.end(); ++bone) {
        varint(quint32(m_bones.value(bone.key())));
        const QJsonObject timelines = bone.value().toObject();
        varint(quint32(timelines.size()));
        for (auto timeline = timelines.begin(); timeline != timelines.end(); ++timeline) {
            const QJsonArray keyList = timeline.value().toArray();
            if (timeline.key() == key("rotate")) {
                byte(0);
                keys(keyList, {{"value", 0}});
            } else if (timeline.key() == key("translate")) {
                byte(1);
                keys(keyList, {{"x", 0}, {"y", 0}});
            } else {
                byte(4);
                keys(keyList, {{"x", 1}, {"y", 1}});
            }
        }
    }
    for (int group = 0; group < 4; ++group)
        varint(0); // ik, transform, path, physics
    const QJsonObject deforms = animation.value(key("attachments")).toObject();
    varint(quint32(deforms.size()));
    for (auto skin = deforms.begin(); skin != deforms.end(); ++skin) {
        varint(quint32(m_skins.value(skin.key())));
        const QJsonObject slots = skin.value().toObject();
        varint(quint32(slots.size()));
        for (auto slot = slots.begin(); slot != slots.end(); ++slot) {
            varint(quint32(m_slots.value(slot.key())));
            const QJsonObject attachments = slot.value().toObject();
            varint(quint32(attachments.size()));
            for (auto item = attachments.begin(); item != attachments.end(); ++item) {
                ref(item.key());
                byte(0); // deform
                const QJsonArray keyList = item.value().toObject().value(key("deform")).toArray();
                varint(quint32(keyList.size()));
                varint(0);
                for (int i = 0; i < keyList.size(); ++i) {
                    const QJsonObject keyObject = keyList.at(i).toObject();
                    number(num(keyObject, "time", 0));
                    if (i > 0)
                        curve(keyList.at(i - 1).toObject(), 1);
                    const QJsonArray values = keyObject.value(key("vertices")).toArray();
                    varint(quint32(values.size()));
                    if (values.isEmpty())
                        continue;
                    varint(quint32(keyObject.value(key("offset")).toInt()));
                    for (const QJsonValue &v : values)
                        number(v.toDouble());
                }
            }
        }
    }
    varint(0); // draw order
    varint(0); // events
}

} // namespace

QByteArray skelFromJson42(const QJsonObject &root)
{
    return SkelWriter().write(root);
}
