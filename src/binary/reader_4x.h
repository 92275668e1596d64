#pragma once

#include "binary_input.h"
#include "json_values.h"
#include "layout_4x.h"

#include <QHash>
#include <QSet>
#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>
#include <QVector>

#include <functional>

// One value of a timeline key and how the JSON export writes it.
struct TimelineChannel {
    QString key;
    int decimals;
    double defaultValue;
    // mixY and mixScaleY are left out when they equal the mix before them.
    bool defaultIsPrevious;
    // Decimals of the curve's cy handles, in the channel's units.
    int cyDecimals;
};

// The image path and colour of a region or mesh, white where the file
// leaves the colour out.
struct ImageFields {
    QString path;
    quint32 color = 0xFFFFFFFFu;
};

// Reads one 4.x export into the JSON tree the same version's JSON export
// holds. The setup, the skins and the animations are read in files of their
// own; this holds what they share: the tables later parts refer back to.
class Reader4x {
public:
    Reader4x(BinaryInput &input, const Layout4x &layout);

    QJsonObject readSkeleton();

private:
    struct EventSetup {
        QString name;
        int intValue = 0;
        double floatValue = 0;
        QString string;
        bool hasAudio = false;
        double volume = 1;
        double balance = 0;
    };
    // A skin as read: its attachments become JSON objects only once every
    // linked mesh in them knows the name of its parent's skin.
    struct SlotAttachments {
        QString slot;
        QVector<QPair<QString, QJsonObject>> attachments;
    };
    struct SkinParts {
        QJsonObject skin;
        QVector<SlotAttachments> slots;
    };
    // A linked mesh whose parent is looked up once every skin is read.
    struct LinkedMesh {
        int ownerSkin = 0;
        // Where its JSON object is in the skin's parts.
        int slotEntry = 0;
        int attachmentEntry = 0;
        int slot = 0;
        QString key;
        // 4.2 names the parent's skin by index, earlier layouts by name.
        int skinIndex = -1;
        QString skinName;
        QString parent;
        QString description;
        int offset = 0;
    };
    // A table of names read so far, and the words for a message about an
    // index past it ("slot", "slots").
    struct NameTable {
        QStringList names;
        QString kind;
        QString plural;
    };

    // skeleton_4x_setup.cpp
    QJsonObject readHeader();
    QJsonArray readBones();
    QJsonObject readBone(int index);
    QJsonArray readSlots();
    // Reads what follows a constraint's name and order.
    using ConstraintReader = void (Reader4x::*)(QJsonObject &constraint, const QString &what);
    QJsonArray readConstraints(NameTable &table, const char *kind, int minBytesEach,
                               ConstraintReader readRest);
    void readIkConstraint(QJsonObject &ik, const QString &what);
    void readTransformConstraint(QJsonObject &transform, const QString &what);
    void readPathConstraint(QJsonObject &path, const QString &what);
    void readPhysicsConstraint(QJsonObject &physics, const QString &what);
    QJsonArray readBonesAndTarget(QJsonObject &constraint, const QString &what);
    QJsonArray readBoneNames(const QString &what);
    QJsonObject readEvents();

    // skins_4x.cpp
    QJsonArray readSkins();
    SkinParts readNamedSkin(int index);
    void readAttachmentBlock(SkinParts &skin, int slotCount);
    QJsonObject readAttachment(const QString &key, int slot);
    ImageFields readFlaggedImageFields(QJsonObject &json, int flags);
    void readSize(QJsonObject &json);
    void readRegion(QJsonObject &json, int flags, const QString &name);
    void readMesh(QJsonObject &json, int flags, const QString &name);
    void readLinkedMesh(QJsonObject &json, int flags, const QString &name, int slot,
                        const QString &key, const QString &description);
    void readPath(QJsonObject &json, int flags);
    void readVertexAttachment(QJsonObject &json, int flags);
    int readVertexCountAndVertices(QJsonObject &json, int flags, int weightedBit);
    void readVertices(QJsonObject &json, int vertexCount, bool weighted);
    QJsonArray readUvs(int vertexCount);
    QJsonArray readIndices(int count);
    QJsonObject readSequence();
    void readSequenceIfThere(QJsonObject &json);
    void resolveLinkedMeshes(QVector<SkinParts> &skins);

    // animations_4x.cpp
    QJsonObject readAnimations();
    QJsonObject readAnimation();
    int readFrameCount();
    double readTime(QJsonObject &key);
    void readCurve(QJsonObject &previousKey, int curveType, const int cyDecimals[], int channels);
    QJsonArray readCurvedKeys(int frameCount, const int cyDecimals[], int channels,
                              const std::function<void(QJsonObject &key)> &readValues);
    QJsonArray readChannelKeys(int frameCount, const QVector<TimelineChannel> &channels);
    QJsonObject readTimelineGroups(const char *kind, const char *ownerKind,
                                   const std::function<QString()> &readOwner,
                                   const char *const typeNames[], int typeCount,
                                   const std::function<QJsonArray(int type, int frameCount)> &readKeys);
    QJsonArray readUncurvedKeys(int count, const std::function<void(QJsonObject &key)> &readValues);
    QJsonObject readSlotTimelines();
    QJsonArray readAttachmentKeys(int frameCount);
    QJsonArray readColorKeys(int frameCount, int lightBytes, int darkBytes);
    QJsonObject readBoneTimelines();
    QJsonObject readIkTimelines();
    QJsonObject readTransformTimelines();
    QJsonObject readPathTimelines();
    QJsonObject readPhysicsTimelines();
    QJsonObject readAttachmentTimelines();
    QJsonArray readDeformKeys();
    void readDeformValues(QJsonObject &key);
    QJsonArray readSequenceKeys();
    QJsonArray readDrawOrder();
    QJsonArray readEventKeys();

    // Shared helpers (reader_4x.cpp).
    QString readStringRef();
    QString readRequiredStringRef(const QString &what);
    int readIndex(const NameTable &table);
    // The JSON word of an enum value; a value past the list is malformed.
    template <int N>
    QString enumName(int value, const char *const (&names)[N], const QString &what)
    {
        checkEnum(value, N, what);
        return QString::fromLatin1(names[value]);
    }
    void checkEnum(int value, int count, const QString &what);
    double readNumber(int decimals);
    QJsonArray readNames(const NameTable &table);
    // An index into table, as the name it stands for.
    QString readReference(const NameTable &table);
    // Every name copied into the tree for a reference counts against a
    // budget in proportion to the file: a one-byte reference to a long name,
    // repeated, must not make the tree outgrow the file by more than that.
    const QString &charge(const QString &name);

    BinaryInput &m_in;
    Layout4x m_layout;
    qint64 m_copied = 0;
    qint64 m_copyBudget = 0;
    bool m_nonessential = false;
    QStringList m_strings;
    NameTable m_bones;
    // The names that skins and animations use: the slot names, without the
    // folder where the layout has folders.
    NameTable m_slots;
    NameTable m_ik;
    NameTable m_transform;
    NameTable m_path;
    NameTable m_physics;
    NameTable m_skins;
    NameTable m_events;
    QVector<EventSetup> m_eventSetups;
    // Skin index, slot index and key of every mesh and linked mesh, for
    // the parents of linked meshes.
    QSet<QPair<QPair<int, int>, QString>> m_meshes;
    QVector<LinkedMesh> m_linkedMeshes;
};

// Builds a JSON object from many members at once. Inserting members one by
// one into a QJsonObject moves every later member each time, so a large
// object built that way costs the square of its size; in key order each
// member goes at the end. A later member of one key replaces an earlier one.
class ObjectBuilder {
public:
    void add(const QString &key, const QJsonValue &value);
    bool isEmpty() const { return m_members.isEmpty(); }
    QJsonObject build();

private:
    struct Member {
        QByteArray order;
        QString key;
        QJsonValue value;
    };
    QVector<Member> m_members;
};

// kind "name" for messages; a long name is cut, so that a message built for
// every item of a file with long names stays cheap.
QString quotedName(const char *kind, const QString &name);
