// The animations of a 4.x export: per group of timelines, keys with the
// curve of each segment written on the key that starts it.
#include "json_number.h"
#include "names_4x.h"
#include "reader_4x.h"

#include <QHash>

#include <cmath>

namespace {

enum CurveType { Linear = 0, Stepped = 1, Bezier = 2 };

// Decimals of curve handles: cx is a time, cy is in its channel's units.
const int cxDecimals = 3;

using Channel = TimelineChannel;

const Channel value2{QStringLiteral("value"), 2, 0, false, 2};
const Channel x2{QStringLiteral("x"), 2, 0, false, 2};
const Channel y2{QStringLiteral("y"), 2, 0, false, 2};
const Channel value3{QStringLiteral("value"), 3, 1, false, 3};
const Channel x3{QStringLiteral("x"), 3, 1, false, 3};
const Channel y3{QStringLiteral("y"), 3, 1, false, 3};
const Channel value4{QStringLiteral("value"), 4, 0, false, 4};
const Channel mixRotate{QStringLiteral("mixRotate"), 4, 1, false, 4};
const Channel mixX{QStringLiteral("mixX"), 4, 1, false, 4};
const Channel mixY{QStringLiteral("mixY"), 4, 1, true, 4};
const Channel mixScaleX{QStringLiteral("mixScaleX"), 4, 1, false, 4};
const Channel mixScaleY{QStringLiteral("mixScaleY"), 4, 1, true, 4};
const Channel mixShearY{QStringLiteral("mixShearY"), 4, 1, false, 4};

// The last, inherit, is 4.2's.
const char *const boneTimelines[] = {"rotate", "translate", "translatex", "translatey", "scale",  "scalex",
                                     "scaley", "shear",     "shearx",     "sheary",     "inherit"};
const int inheritTimeline = 10;

QVector<Channel> boneChannels(int type)
{
    switch (type) {
    case 1:
    case 7:
        return {x2, y2};
    case 4:
        return {x3, y3};
    case 5:
    case 6:
        return {value3};
    default:
        return {value2};
    }
}

// Physics timeline type 3 is not used.
const char *const physicsTimelines[] = {"inertia", "strength", "damping", nullptr, "mass",
                                        "wind",    "gravity",  "mix",     "reset"};
const int physicsReset = 8;

enum SlotTimeline { Attachment, Rgba, Rgb, Rgba2, Rgb2, Alpha };
const char *const slotTimelines[] = {"attachment", "rgba", "rgb", "rgba2", "rgb2", "alpha"};

const char *const pathTimelines[] = {"position", "spacing", "mix"};

// The JSON export trims deform values that round to 0 at two decimals from
// both ends of a key; the binary trims only exact zeros.
bool roundsToZero(float value)
{
    return std::floor(double(value) * 100 + 0.5) == 0;
}

QString hexBytes(const quint8 *bytes, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("%1").arg(bytes[i], 2, 16, QLatin1Char('0'));
    return text;
}

} // namespace

QJsonObject Reader4x::readAnimations()
{
    ContextScope scope(m_in, QStringLiteral("the animations"));
    const int count = m_in.readCount(2);
    ObjectBuilder animations;
    for (int i = 0; i < count; ++i) {
        const QString name = m_in.readName(QStringLiteral("animation %1").arg(i));
        ContextScope animationScope(m_in, quotedName("animation", name));
        animations.add(name, readAnimation());
    }
    return animations.build();
}

QJsonObject Reader4x::readAnimation()
{
    m_in.readVarint(); // the number of timelines: only a sizing hint
    QJsonObject animation;
    insertUnlessEmpty(animation, QStringLiteral("slots"), readSlotTimelines());
    insertUnlessEmpty(animation, QStringLiteral("bones"), readBoneTimelines());
    insertUnlessEmpty(animation, QStringLiteral("ik"), readIkTimelines());
    insertUnlessEmpty(animation, QStringLiteral("transform"), readTransformTimelines());
    insertUnlessEmpty(animation, QStringLiteral("path"), readPathTimelines());
    if (m_layout.physics)
        insertUnlessEmpty(animation, QStringLiteral("physics"), readPhysicsTimelines());
    insertUnlessEmpty(animation,
                      m_layout.attachmentTimelines ? QStringLiteral("attachments")
                                                   : QStringLiteral("deform"),
                      readAttachmentTimelines());
    insertUnlessEmpty(animation, QStringLiteral("drawOrder"), readDrawOrder());
    insertUnlessEmpty(animation, QStringLiteral("events"), readEventKeys());
    return animation;
}

int Reader4x::readFrameCount()
{
    // Every key starts with its time.
    const int count = m_in.readCount(4);
    if (count == 0)
        m_in.fail(QStringLiteral("a timeline without keys in ") + m_in.context());
    return count;
}

double Reader4x::readTime(QJsonObject &key)
{
    const double time = readNumber(4);
    insertUnless(key, QStringLiteral("time"), time, 0);
    return time;
}

void Reader4x::readCurve(QJsonObject &previousKey, int curveType, const int cyDecimals[],
                         int channels)
{
    switch (curveType) {
    case Linear:
        return;
    case Stepped:
        previousKey.insert(QStringLiteral("curve"), QStringLiteral("stepped"));
        return;
    case Bezier: {
        QJsonArray curve;
        for (int c = 0; c < channels; ++c) {
            curve.append(readNumber(cxDecimals));
            curve.append(readNumber(cyDecimals[c]));
            curve.append(readNumber(cxDecimals));
            curve.append(readNumber(cyDecimals[c]));
        }
        previousKey.insert(QStringLiteral("curve"), curve);
        return;
    }
    default:
        m_in.fail(QStringLiteral("an unknown curve type (%1) in %2").arg(curveType).arg(m_in.context()));
    }
}

// Keys of a time, the values and, on every key but the first, the curve
// of the segment before it, which goes on the previous key.
QJsonArray Reader4x::readCurvedKeys(int frameCount, const int cyDecimals[], int channels,
                                    const std::function<void(QJsonObject &key)> &readValues)
{
    m_in.readVarint(); // the number of bezier curves: only a sizing hint
    QJsonArray keys;
    QJsonObject previous;
    for (int i = 0; i < frameCount; ++i) {
        QJsonObject key;
        readTime(key);
        readValues(key);
        if (i > 0) {
            readCurve(previous, m_in.readByte(), cyDecimals, channels);
            keys.append(previous);
        }
        previous = key;
    }
    keys.append(previous);
    return keys;
}

QJsonArray Reader4x::readChannelKeys(int frameCount, const QVector<TimelineChannel> &channels)
{
    int cyDecimals[8] = {};
    for (int c = 0; c < channels.size(); ++c)
        cyDecimals[c] = channels.at(c).cyDecimals;
    return readCurvedKeys(frameCount, cyDecimals, channels.size(), [this, &channels](QJsonObject &key) {
        double before = 0;
        for (const Channel &channel : channels) {
            const double value = readNumber(channel.decimals);
            const bool previousDefault = channel.defaultIsPrevious && !m_layout.secondMixDefaultsToOne;
            insertUnless(key, channel.key, value, previousDefault ? before : channel.defaultValue);
            before = value;
        }
    });
}

// Per slot, bone or constraint, its timelines: each a type byte, one of
// typeNames (a null one or one past them is unknown), and keys.
QJsonObject Reader4x::readTimelineGroups(const char *kind, const char *ownerKind,
                                         const std::function<QString()> &readOwner,
                                         const char *const typeNames[], int typeCount,
                                         const std::function<QJsonArray(int type, int frameCount)> &readKeys)
{
    ContextScope scope(m_in, QLatin1String("the ") + QLatin1String(kind) + QLatin1String(" timelines of ")
                                     + m_in.context());
    ObjectBuilder owners;
    const int count = m_in.readCount(2);
    for (int i = 0; i < count; ++i) {
        const QString owner = readOwner();
        ContextScope ownerScope(m_in, QStringLiteral("the timelines of ") + quotedName(ownerKind, owner));
        QJsonObject timelines;
        const int timelineCount = m_in.readCount(2);
        for (int t = 0; t < timelineCount; ++t) {
            const int type = m_in.readByte();
            if (type >= typeCount || typeNames[type] == nullptr)
                m_in.fail(QStringLiteral("an unknown %1 timeline type (%2) in %3")
                                  .arg(QLatin1String(kind)).arg(type).arg(m_in.context()));
            const int frameCount = readFrameCount();
            timelines.insert(QString::fromLatin1(typeNames[type]), readKeys(type, frameCount));
        }
        owners.add(owner, timelines);
    }
    return owners.build();
}

// Keys of a time and values, without curves.
QJsonArray Reader4x::readUncurvedKeys(int count, const std::function<void(QJsonObject &key)> &readValues)
{
    QJsonArray keys;
    for (int k = 0; k < count; ++k) {
        QJsonObject key;
        readTime(key);
        readValues(key);
        keys.append(key);
    }
    return keys;
}

QJsonObject Reader4x::readSlotTimelines()
{
    const auto readSlot = [this] { return readReference(m_slots); };
    return readTimelineGroups("slot", "slot", readSlot, slotTimelines, 6, [this](int type, int frameCount) {
        switch (type) {
        case Attachment:
            return readAttachmentKeys(frameCount);
        case Rgba:
            return readColorKeys(frameCount, 4, 0);
        case Rgb:
            return readColorKeys(frameCount, 3, 0);
        case Rgba2:
            return readColorKeys(frameCount, 4, 3);
        case Rgb2:
            return readColorKeys(frameCount, 3, 3);
        default: // Alpha: the types past it are refused before
            return readColorKeys(frameCount, 1, 0);
        }
    });
}

QJsonArray Reader4x::readAttachmentKeys(int frameCount)
{
    return readUncurvedKeys(frameCount, [this](QJsonObject &key) {
        const QString name = readStringRef();
        if (!name.isNull())
            key.insert(QStringLiteral("name"), name);
        else if (m_layout.writesNullAttachmentKeyName)
            key.insert(QStringLiteral("name"), QJsonValue::Null);
    });
}

// lightBytes 4 (rgba), 3 (rgb) or 1 (alpha); darkBytes 3 for the two-colour
// timelines.
QJsonArray Reader4x::readColorKeys(int frameCount, int lightBytes, int darkBytes)
{
    const int channels = lightBytes + darkBytes;
    const int cyDecimals[7] = {2, 2, 2, 2, 2, 2, 2};
    return readCurvedKeys(frameCount, cyDecimals, channels, [&](QJsonObject &key) {
        quint8 bytes[7];
        for (int c = 0; c < channels; ++c)
            bytes[c] = m_in.readByte();
        if (lightBytes == 1) {
            insertUnless(key, QStringLiteral("value"), jsonNumber(bytes[0] / 255.0f, 2), 0);
        } else if (darkBytes == 0) {
            key.insert(QStringLiteral("color"), hexBytes(bytes, lightBytes));
        } else {
            key.insert(QStringLiteral("light"), hexBytes(bytes, lightBytes));
            key.insert(QStringLiteral("dark"), hexBytes(bytes + lightBytes, darkBytes));
        }
    });
}

QJsonObject Reader4x::readBoneTimelines()
{
    const auto readBone = [this] { return readReference(m_bones); };
    const int typeCount = m_layout.inheritTimeline ? inheritTimeline + 1 : inheritTimeline;
    const auto readKeys = [this](int type, int frameCount) {
        if (type != inheritTimeline)
            return readChannelKeys(frameCount, boneChannels(type));
        return readUncurvedKeys(frameCount, [this](QJsonObject &key) {
            key.insert(QStringLiteral("inherit"),
                       enumName(m_in.readByte(), names4x::inherit, QStringLiteral("inheritance")));
        });
    };
    return readTimelineGroups("bone", "bone", readBone, boneTimelines, typeCount, readKeys);
}

QJsonObject Reader4x::readIkTimelines()
{
    ContextScope scope(m_in, QStringLiteral("the IK timelines of ") + m_in.context());
    ObjectBuilder constraints;
    const int count = m_in.readCount(3);
    if (count > 0 && !m_layout.ikTimelinesKnown)
        m_in.fail(QStringLiteral("IK timelines in the layout of the first 4.2 betas, which is not "
                                 "known, in ")
                  + m_in.context());
    const int cyDecimals[2] = {4, 2};
    for (int i = 0; i < count; ++i) {
        const QString name = readReference(m_ik);
        ContextScope timelineScope(m_in, QStringLiteral("the timeline of ")
                                                 + quotedName("IK constraint", name));
        const int frameCount = readFrameCount();
        m_in.readVarint(); // the number of bezier curves: only a sizing hint
        QJsonArray keys;
        QJsonObject previous;
        for (int k = 0; k < frameCount; ++k) {
            QJsonObject key;
            int flags = 0;
            double mix = 1;
            double softness = 0;
            if (m_layout.flagFields) {
                flags = m_in.readByte();
                readTime(key);
                mix = (flags & 1) ? ((flags & 2) ? readNumber(4) : 1) : 0;
                softness = (flags & 4) ? readNumber(2) : 0;
            } else {
                readTime(key);
                mix = readNumber(4);
                softness = readNumber(2);
            }
            insertUnless(key, QStringLiteral("mix"), mix, 1);
            insertUnless(key, QStringLiteral("softness"), softness, 0);
            if (k > 0) {
                int curveType = Linear;
                if (!m_layout.flagFields)
                    curveType = m_in.readByte();
                else if (flags & 64)
                    curveType = Stepped;
                else if (flags & 128)
                    curveType = Bezier;
                readCurve(previous, curveType, cyDecimals, 2);
                keys.append(previous);
            }
            bool bendPositive = true;
            bool compress = false;
            bool stretch = false;
            if (m_layout.flagFields) {
                bendPositive = flags & 8;
                compress = flags & 16;
                stretch = flags & 32;
            } else {
                bendPositive = m_in.readSignedByte() != -1;
                compress = m_in.readBool();
                stretch = m_in.readBool();
            }
            if (!bendPositive)
                key.insert(QStringLiteral("bendPositive"), false);
            insertIfTrue(key, QStringLiteral("compress"), compress);
            insertIfTrue(key, QStringLiteral("stretch"), stretch);
            previous = key;
        }
        keys.append(previous);
        constraints.add(name, keys);
    }
    return constraints.build();
}

QJsonObject Reader4x::readTransformTimelines()
{
    ContextScope scope(m_in, QStringLiteral("the transform timelines of ") + m_in.context());
    ObjectBuilder constraints;
    const int count = m_in.readCount(3);
    for (int i = 0; i < count; ++i) {
        const QString name = readReference(m_transform);
        ContextScope timelineScope(m_in, QStringLiteral("the timeline of ")
                                                 + quotedName("transform constraint", name));
        const int frameCount = readFrameCount();
        constraints.add(name, readChannelKeys(frameCount, {mixRotate, mixX, mixY, mixScaleX,
                                                           mixScaleY, mixShearY}));
    }
    return constraints.build();
}

QJsonObject Reader4x::readPathTimelines()
{
    const auto readPath = [this] { return readReference(m_path); };
    const auto readKeys = [this](int type, int frameCount) {
        const QVector<Channel> channels = type == 2 ? QVector<Channel>{mixRotate, mixX, mixY}
                                                   : QVector<Channel>{value4};
        return readChannelKeys(frameCount, channels);
    };
    return readTimelineGroups("path", "path constraint", readPath, pathTimelines, 3, readKeys);
}

QJsonObject Reader4x::readPhysicsTimelines()
{
    const auto readConstraint = [this] {
        // 0 stands for every physics constraint, else the index + 1.
        const qint32 index = m_in.readVarint();
        if (index < 0 || index > m_physics.names.size())
            m_in.fail(QStringLiteral("physics constraint %1 in %2, but the skeleton has %3 physics constraints")
                              .arg(QString::number(quint32(index) - 1), m_in.context(),
                                   QString::number(m_physics.names.size())));
        return index == 0 ? QStringLiteral("") : m_physics.names.at(index - 1);
    };
    return readTimelineGroups("physics", "physics constraint", readConstraint, physicsTimelines, 9,
                              [this](int type, int frameCount) {
        return type == physicsReset ? readUncurvedKeys(frameCount, [](QJsonObject &) {}) : readChannelKeys(frameCount, {value4});
    });
}

QJsonObject Reader4x::readAttachmentTimelines()
{
    ContextScope scope(m_in, (m_layout.attachmentTimelines ? QStringLiteral("the attachment timelines of ")
                                                           : QStringLiteral("the deform timelines of "))
                                     + m_in.context());
    ObjectBuilder skins;
    const int count = m_in.readCount(2);
    for (int i = 0; i < count; ++i) {
        const QString skin = readReference(m_skins);
        ObjectBuilder skinTimelines;
        const int slotCount = m_in.readCount(2);
        for (int s = 0; s < slotCount; ++s) {
            const QString slot = readReference(m_slots);
            ObjectBuilder slotTimelines;
            // 4.1+ give an attachment's deform and sequence timelines
            // apart, each with its type.
            QHash<QString, QJsonObject> byAttachment;
            const int attachmentCount = m_in.readCount(2);
            for (int a = 0; a < attachmentCount; ++a) {
                const QString attachment = readRequiredStringRef(
                        QStringLiteral("an attachment timeline of ") + quotedName("slot", slot));
                ContextScope timelineScope(m_in, QStringLiteral("the timeline of ")
                                                         + quotedName("attachment", attachment)
                                                         + QLatin1String(" of ")
                                                         + quotedName("slot", slot));
                if (!m_layout.attachmentTimelines) {
                    slotTimelines.add(attachment, readDeformKeys());
                    continue;
                }
                const int type = m_in.readByte();
                if (type > 1)
                    m_in.fail(QStringLiteral("an unknown attachment timeline type (%1) in %2")
                                      .arg(type).arg(m_in.context()));
                QJsonObject &timelines = byAttachment[attachment];
                if (type == 0)
                    timelines.insert(QStringLiteral("deform"), readDeformKeys());
                else
                    timelines.insert(QStringLiteral("sequence"), readSequenceKeys());
            }
            for (auto it = byAttachment.cbegin(); it != byAttachment.cend(); ++it)
                slotTimelines.add(it.key(), it.value());
            skinTimelines.add(slot, slotTimelines.build());
        }
        skins.add(skin, skinTimelines.build());
    }
    return skins.build();
}

QJsonArray Reader4x::readDeformKeys()
{
    const int frameCount = readFrameCount();
    m_in.readVarint(); // the number of bezier curves: only a sizing hint
    const int cyDecimals[1] = {2};
    QJsonArray keys;
    QJsonObject previous;
    for (int k = 0; k < frameCount; ++k) {
        QJsonObject key;
        readTime(key);
        if (k > 0) {
            readCurve(previous, m_in.readByte(), cyDecimals, 1);
            keys.append(previous);
        }
        readDeformValues(key);
        previous = key;
    }
    keys.append(previous);
    return keys;
}

void Reader4x::readDeformValues(QJsonObject &key)
{
    const int count = m_in.readCount(4);
    if (count == 0)
        return;
    const qint32 start = m_in.readVarint();
    if (start < 0)
        m_in.fail(QStringLiteral("a negative offset (%1) in %2").arg(start).arg(m_in.context()));
    QVector<float> values(count);
    for (int i = 0; i < count; ++i)
        values[i] = m_in.readFloat();
    int first = 0;
    int end = count;
    while (first < end && roundsToZero(values.at(first)))
        ++first;
    while (end > first && roundsToZero(values.at(end - 1)))
        --end;
    if (first == end)
        return;
    insertUnless(key, QStringLiteral("offset"), double(start) + first, 0);
    QJsonArray vertices;
    for (int i = first; i < end; ++i)
        vertices.append(jsonNumber(values.at(i), 5));
    key.insert(QStringLiteral("vertices"), vertices);
}

QJsonArray Reader4x::readSequenceKeys()
{
    const int frameCount = readFrameCount();
    double previousDelay = 0;
    return readUncurvedKeys(frameCount, [this, &previousDelay](QJsonObject &key) {
        const qint32 modeAndIndex = m_in.readInt32();
        const int mode = modeAndIndex & 0xF;
        const QString modeName = enumName(mode, names4x::sequenceMode, QStringLiteral("sequence mode"));
        if (mode != 0)
            key.insert(QStringLiteral("mode"), modeName);
        insertUnless(key, QStringLiteral("index"), modeAndIndex >> 4, 0);
        const double delay = readNumber(4);
        insertUnless(key, QStringLiteral("delay"), delay, previousDelay);
        previousDelay = delay;
    });
}

QJsonArray Reader4x::readDrawOrder()
{
    ContextScope scope(m_in, QStringLiteral("the draw order keys of ") + m_in.context());
    const int count = m_in.readCount(5);
    return readUncurvedKeys(count, [this](QJsonObject &key) {
        const int offsetCount = m_in.readCount(2);
        QJsonArray offsets;
        for (int i = 0; i < offsetCount; ++i) {
            QJsonObject offset;
            offset.insert(QStringLiteral("slot"), readReference(m_slots));
            offset.insert(QStringLiteral("offset"), m_in.readVarint());
            offsets.append(offset);
        }
        if (!offsets.isEmpty())
            key.insert(QStringLiteral("offsets"), offsets);
    });
}

QJsonArray Reader4x::readEventKeys()
{
    ContextScope scope(m_in, QStringLiteral("the event keys of ") + m_in.context());
    const int count = m_in.readCount(10);
    return readUncurvedKeys(count, [this](QJsonObject &key) {
        const EventSetup &setup = m_eventSetups.at(readIndex(m_events));
        key.insert(QStringLiteral("name"), charge(setup.name));
        insertUnless(key, QStringLiteral("int"), m_in.readZigzag(), setup.intValue);
        insertUnless(key, QStringLiteral("float"), readNumber(2), setup.floatValue);
        QString string = setup.string;
        if (m_layout.flagFields) {
            const QString text = m_in.readString();
            if (!text.isNull())
                string = text;
        } else if (m_in.readBool()) {
            string = m_in.readString();
        }
        if (string != setup.string)
            key.insert(QStringLiteral("string"), string);
        if (setup.hasAudio) {
            insertUnless(key, QStringLiteral("volume"), readNumber(4), setup.volume);
            insertUnless(key, QStringLiteral("balance"), readNumber(4), setup.balance);
        }
    });
}
