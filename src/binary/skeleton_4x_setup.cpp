// The header and the setup of a 4.x export: bones, slots, constraints and
// the events.
#include "json_number.h"
#include "names_4x.h"
#include "reader_4x.h"

QJsonObject Reader4x::readHeader()
{
    ContextScope scope(m_in, QStringLiteral("the header"));
    QJsonObject skeleton;
    const QByteArray hash = m_in.readBytes(8);
    if (hash != QByteArray(8, '\0'))
        skeleton.insert(QStringLiteral("hash"),
                        QString::fromLatin1(hash.toBase64(QByteArray::OmitTrailingEquals)));
    skeleton.insert(QStringLiteral("spine"), m_in.readName(QStringLiteral("the version")));
    skeleton.insert(QStringLiteral("x"), readNumber(2));
    skeleton.insert(QStringLiteral("y"), readNumber(2));
    skeleton.insert(QStringLiteral("width"), readNumber(2));
    skeleton.insert(QStringLiteral("height"), readNumber(2));
    if (m_layout.referenceScale)
        insertUnless(skeleton, QStringLiteral("referenceScale"), readNumber(2), 100);
    m_nonessential = m_in.readBool();
    if (m_nonessential) {
        insertUnless(skeleton, QStringLiteral("fps"), shortestFloat(m_in.readFloat()), 30);
        // The export writes these whenever they are set, also when empty.
        for (const QString &key : {QStringLiteral("images"), QStringLiteral("audio")}) {
            const QString text = m_in.readString();
            if (!text.isNull())
                skeleton.insert(key, text);
        }
    }
    ContextScope strings(m_in, QStringLiteral("the string table"));
    const int count = m_in.readCount();
    m_strings.reserve(count);
    for (int i = 0; i < count; ++i)
        m_strings.append(m_in.readString());
    return skeleton;
}

QJsonArray Reader4x::readBones()
{
    ContextScope scope(m_in, QStringLiteral("the bones"));
    // A name, eight floats, the inheritance and the skin flag at least.
    const int count = m_in.readCount(35);
    QJsonArray bones;
    for (int i = 0; i < count; ++i) {
        bones.append(readBone(i));
    }
    return bones;
}

QJsonObject Reader4x::readBone(int index)
{
    QJsonObject bone;
    const QString name = m_in.readName(QStringLiteral("bone %1").arg(index));
    ContextScope scope(m_in, quotedName("bone", name));
    bone.insert(QStringLiteral("name"), name);
    if (index > 0)
        bone.insert(QStringLiteral("parent"), readReference(m_bones));
    insertUnless(bone, QStringLiteral("rotation"), readNumber(2), 0);
    insertUnless(bone, QStringLiteral("x"), readNumber(2), 0);
    insertUnless(bone, QStringLiteral("y"), readNumber(2), 0);
    insertUnless(bone, QStringLiteral("scaleX"), readNumber(4), 1);
    insertUnless(bone, QStringLiteral("scaleY"), readNumber(4), 1);
    insertUnless(bone, QStringLiteral("shearX"), readNumber(2), 0);
    insertUnless(bone, QStringLiteral("shearY"), readNumber(2), 0);
    insertUnless(bone, QStringLiteral("length"), readNumber(2), 0);
    const int inherit = m_layout.flagFields ? m_in.readByte() : m_in.readVarint();
    const QString mode = enumName(inherit, names4x::inherit, QStringLiteral("inheritance"));
    if (inherit != 0)
        bone.insert(m_layout.inheritKey, mode);
    insertIfTrue(bone, QStringLiteral("skin"), m_in.readBool());
    if (m_nonessential) {
        insertColor(bone, quint32(m_in.readInt32()), "9b9b9bff");
        if (m_layout.editorVisibility) {
            const QString icon = m_in.readString();
            if (!icon.isEmpty())
                bone.insert(QStringLiteral("icon"), icon);
            m_in.readBool(); // visible: the JSON export does not write it
        }
    }
    m_bones.names.append(name);
    return bone;
}

QJsonArray Reader4x::readSlots()
{
    ContextScope scope(m_in, QStringLiteral("the slots"));
    // A name, the bone, two colours, the attachment and the blend mode.
    const int count = m_in.readCount(12);
    QJsonArray slots;
    const bool folders = m_layout.slotFolders;
    for (int i = 0; i < count; ++i) {
        QJsonObject slot;
        const QString name = m_in.readName(QStringLiteral("slot %1").arg(i));
        ContextScope slotScope(m_in, quotedName("slot", name));
        slot.insert(QStringLiteral("name"), name);
        slot.insert(QStringLiteral("bone"), readReference(m_bones));
        insertColor(slot, quint32(m_in.readInt32()), "ffffffff");
        insertDarkColor(slot, m_in.readInt32());
        const QString attachment = readStringRef();
        if (!attachment.isNull())
            slot.insert(QStringLiteral("attachment"), attachment);
        const int blend = m_in.readVarint();
        const QString blendName = enumName(blend, names4x::blend, QStringLiteral("blend mode"));
        if (blend != 0)
            slot.insert(QStringLiteral("blend"), blendName);
        if (m_nonessential && m_layout.editorVisibility)
            m_in.readBool(); // visible: the JSON export does not write it
        slots.append(slot);
        m_slots.names.append(folders ? name.mid(name.lastIndexOf(QLatin1Char('/')) + 1) : name);
    }
    return slots;
}

QJsonArray Reader4x::readBoneNames(const QString &what)
{
    ContextScope scope(m_in, QStringLiteral("the bones of ") + what);
    return readNames(m_bones);
}

QJsonArray Reader4x::readConstraints(NameTable &table, const char *kind, int minBytesEach,
                                     ConstraintReader readRest)
{
    ContextScope scope(m_in, QLatin1String("the ") + QLatin1String(kind) + QLatin1Char('s'));
    const int count = m_in.readCount(minBytesEach);
    QJsonArray constraints;
    for (int i = 0; i < count; ++i) {
        QJsonObject constraint;
        const QString name = m_in.readName(QLatin1String(kind) + QLatin1Char(' ') + QString::number(i));
        const QString what = quotedName(kind, name);
        ContextScope constraintScope(m_in, what);
        constraint.insert(QStringLiteral("name"), name);
        insertUnless(constraint, QStringLiteral("order"), m_in.readVarint(), 0);
        (this->*readRest)(constraint, what);
        constraints.append(constraint);
        table.names.append(name);
    }
    return constraints;
}

// IK and transform constraints: 4.0 and 4.1 write the skin flag before the
// bones, 4.2 among the flags after the target.
QJsonArray Reader4x::readBonesAndTarget(QJsonObject &constraint, const QString &what)
{
    if (!m_layout.flagFields)
        insertIfTrue(constraint, QStringLiteral("skin"), m_in.readBool());
    const QJsonArray bones = readBoneNames(what);
    constraint.insert(QStringLiteral("bones"), bones);
    constraint.insert(QStringLiteral("target"), readReference(m_bones));
    return bones;
}

void Reader4x::readIkConstraint(QJsonObject &ik, const QString &what)
{
    const QJsonArray bones = readBonesAndTarget(ik, what);
    double mix = 1;
    double softness = 0;
    bool bendPositive = true;
    bool compress = false;
    bool stretch = false;
    bool uniform = false;
    if (m_layout.flagFields) {
        const int flags = m_in.readByte();
        insertIfTrue(ik, QStringLiteral("skin"), flags & 1);
        bendPositive = flags & 2;
        compress = flags & 4;
        stretch = flags & 8;
        uniform = flags & 16;
        mix = (flags & 32) ? ((flags & 64) ? readNumber(4) : 1) : 0;
        softness = (flags & 128) ? readNumber(2) : 0;
    } else {
        mix = readNumber(4);
        softness = readNumber(2);
        bendPositive = m_in.readSignedByte() != -1;
        compress = m_in.readBool();
        stretch = m_in.readBool();
        uniform = m_in.readBool();
    }
    insertUnless(ik, QStringLiteral("mix"), mix, 1);
    insertUnless(ik, QStringLiteral("softness"), softness, 0);
    // A one-bone constraint has no bend direction to write.
    if (!bendPositive && bones.size() == 2)
        ik.insert(QStringLiteral("bendPositive"), false);
    insertIfTrue(ik, QStringLiteral("compress"), compress);
    insertIfTrue(ik, QStringLiteral("stretch"), stretch);
    insertIfTrue(ik, QStringLiteral("uniform"), uniform);
}

void Reader4x::readTransformConstraint(QJsonObject &transform, const QString &what)
{
    const char *offsetKeys[] = {"rotation", "x", "y", "scaleX", "scaleY", "shearY"};
    const int offsetDecimals[] = {2, 2, 2, 4, 4, 2};
    const char *mixKeys[] = {"mixRotate", "mixX", "mixY", "mixScaleX", "mixScaleY", "mixShearY"};
    readBonesAndTarget(transform, what);
    double offsets[6] = {};
    double mixes[6] = {};
    if (m_layout.flagFields) {
        // The booleans, then one bit per float that follows; absent is 0.
        const int flags = m_in.readByte();
        insertIfTrue(transform, QStringLiteral("skin"), flags & 1);
        insertIfTrue(transform, QStringLiteral("local"), flags & 2);
        insertIfTrue(transform, QStringLiteral("relative"), flags & 4);
        for (int k = 0; k < 5; ++k)
            offsets[k] = (flags & (8 << k)) ? readNumber(offsetDecimals[k]) : 0;
        const int more = m_in.readByte();
        offsets[5] = (more & 1) ? readNumber(offsetDecimals[5]) : 0;
        for (int k = 0; k < 6; ++k)
            mixes[k] = (more & (2 << k)) ? readNumber(4) : 0;
    } else {
        insertIfTrue(transform, QStringLiteral("local"), m_in.readBool());
        insertIfTrue(transform, QStringLiteral("relative"), m_in.readBool());
        for (int k = 0; k < 6; ++k)
            offsets[k] = readNumber(offsetDecimals[k]);
        for (int k = 0; k < 6; ++k)
            mixes[k] = readNumber(4);
    }
    for (int k = 0; k < 6; ++k)
        insertUnless(transform, QString::fromLatin1(offsetKeys[k]), offsets[k], 0);
    const bool betaDefaults = m_layout.secondMixDefaultsToOne;
    for (int k = 0; k < 6; ++k) {
        // mixY follows mixX, mixScaleY follows mixScaleX.
        const bool second = k == 2 || k == 4;
        const double defaultValue = second && !betaDefaults ? mixes[k - 1] : 1;
        insertUnless(transform, QString::fromLatin1(mixKeys[k]), mixes[k], defaultValue);
    }
}

void Reader4x::readPathConstraint(QJsonObject &path, const QString &what)
{
    insertIfTrue(path, QStringLiteral("skin"), m_in.readBool());
    path.insert(QStringLiteral("bones"), readBoneNames(what));
    path.insert(QStringLiteral("target"), readReference(m_slots));
    int positionMode = 0;
    int spacingMode = 0;
    int rotateMode = 0;
    double rotation = 0;
    if (m_layout.flagFields) {
        const int flags = m_in.readByte();
        positionMode = flags & 1;
        spacingMode = (flags >> 1) & 3;
        rotateMode = (flags >> 3) & 3;
        rotation = (flags & 128) ? readNumber(2) : 0;
    } else {
        positionMode = m_in.readVarint();
        spacingMode = m_in.readVarint();
        rotateMode = m_in.readVarint();
        rotation = readNumber(2);
    }
    const QString position = enumName(positionMode, names4x::positionMode,
                                      QStringLiteral("position mode"));
    if (positionMode != 1)
        path.insert(QStringLiteral("positionMode"), position);
    const QString spacing = enumName(spacingMode, names4x::spacingMode,
                                     QStringLiteral("spacing mode"));
    if (spacingMode != 0)
        path.insert(QStringLiteral("spacingMode"), spacing);
    const QString rotate = enumName(rotateMode, names4x::rotateMode,
                                    QStringLiteral("rotate mode"));
    if (rotateMode != 0)
        path.insert(QStringLiteral("rotateMode"), rotate);
    insertUnless(path, QStringLiteral("rotation"), rotation, 0);
    insertUnless(path, QStringLiteral("position"), readNumber(4), 0);
    insertUnless(path, QStringLiteral("spacing"), readNumber(4), 0);
    insertUnless(path, QStringLiteral("mixRotate"), readNumber(4), 1);
    const double mixX = readNumber(4);
    insertUnless(path, QStringLiteral("mixX"), mixX, 1);
    insertUnless(path, QStringLiteral("mixY"), readNumber(4),
                 m_layout.secondMixDefaultsToOne ? 1 : mixX);
}

void Reader4x::readPhysicsConstraint(QJsonObject &physics, const QString &)
{
    physics.insert(QStringLiteral("bone"), readReference(m_bones));
    const int flags = m_in.readByte();
    insertIfTrue(physics, QStringLiteral("skin"), flags & 1);
    const char *offsetKeys[] = {"x", "y", "rotate", "scaleX", "shearX"};
    for (int k = 0; k < 5; ++k) {
        if (flags & (2 << k))
            insertUnless(physics, QString::fromLatin1(offsetKeys[k]), readNumber(4), 0);
    }
    if (flags & 64)
        insertUnless(physics, QStringLiteral("limit"), readNumber(2), 5000);
    insertUnless(physics, QStringLiteral("fps"), m_in.readByte(), 60);
    insertUnless(physics, QStringLiteral("inertia"), readNumber(4), 1);
    insertUnless(physics, QStringLiteral("strength"), readNumber(4), 100);
    insertUnless(physics, QStringLiteral("damping"), readNumber(4), 1);
    if (flags & 128) {
        const float massInverse = m_in.readFloat();
        if (massInverse == 0)
            m_in.fail(QStringLiteral("a mass of which the inverse is 0 in ") + m_in.context());
        insertUnless(physics, QStringLiteral("mass"), jsonNumber(1 / massInverse, 4), 1);
    }
    insertUnless(physics, QStringLiteral("wind"), readNumber(4), 0);
    insertUnless(physics, QStringLiteral("gravity"), readNumber(4), 0);
    const int globals = m_in.readByte();
    const char *globalKeys[] = {"inertiaGlobal", "strengthGlobal", "dampingGlobal",
                                "massGlobal", "windGlobal", "gravityGlobal", "mixGlobal"};
    for (int k = 0; k < 7; ++k)
        insertIfTrue(physics, QString::fromLatin1(globalKeys[k]), globals & (1 << k));
    if (globals & 128)
        insertUnless(physics, QStringLiteral("mix"), readNumber(4), 1);
}

QJsonObject Reader4x::readEvents()
{
    ContextScope scope(m_in, QStringLiteral("the events"));
    const int count = m_in.readCount(5);
    ObjectBuilder events;
    for (int i = 0; i < count; ++i) {
        EventSetup setup;
        const QString what = QStringLiteral("event %1").arg(i);
        setup.name = m_layout.namesAsStrings ? m_in.readName(what) : readRequiredStringRef(what);
        ContextScope eventScope(m_in, quotedName("event", setup.name));
        setup.intValue = m_in.readZigzag();
        setup.floatValue = readNumber(2);
        setup.string = m_in.readString();
        const QString audio = m_in.readString();
        QJsonObject event;
        insertUnless(event, QStringLiteral("int"), setup.intValue, 0);
        insertUnless(event, QStringLiteral("float"), setup.floatValue, 0);
        if (!setup.string.isEmpty())
            event.insert(QStringLiteral("string"), setup.string);
        if (!audio.isNull()) {
            setup.hasAudio = true;
            setup.volume = readNumber(4);
            setup.balance = readNumber(4);
            event.insert(QStringLiteral("audio"), audio);
            insertUnless(event, QStringLiteral("volume"), setup.volume, 1);
            insertUnless(event, QStringLiteral("balance"), setup.balance, 0);
        }
        events.add(setup.name, event);
        m_events.names.append(setup.name);
        m_eventSetups.append(setup);
    }
    return events.build();
}
