// Writes a large skeleton file with the proportions of a real rig: a
// humanoid body with extra bone chains (hair, capes, tails), a few IK
// constraints, slots, several skins full of images and meshes, and as many
// animations as it takes to reach the requested size. The skeleton grows
// slowly with the size; the bytes come mostly from more animations and
// denser meshes, so the mix stays the same from 1 to 50 MB and beyond.
// Below about 1 MB the body and its default skin outweigh the animations.
//
// The same seed always gives the same bytes: the random source is our own
// and numbers are formatted without the C library, so neither the standard
// library's distributions nor the locale can change the output.
//
// With --layout 4.2 the same skeleton is written in the 4.2 spelling: the
// skins as an array, weighted meshes as "mesh", rotate keys with "value",
// with the whole turns of the angles the 2.x file turns through,
// curves as 4.x arrays in seconds and value units (made from the 2.x curve,
// so that reading them back gives the same easing), colours as "rgba",
// deforms under "attachments", bone inheritance as "inherit". Where the
// size decides how many skins, animations and timelines there are, the
// decisions of the 2.x file of the same BYTES are used, so both files hold
// one skeleton; the 4.2 spelling comes out about 15 % longer than BYTES.
//
// With --layout 4.2-binary the 4.2 skeleton is written as the editor's 4.2
// binary export (.skel) of that JSON tree instead.
//
// With --layout 4.3 it is written as Spine 4.3 writes it: the 4.2 file with
// its IK constraints in the one "constraints" list, each with its "type".
//
// Two variants stress the upgrade of newer files, for rows of their own:
//  --channel-curves (with --layout 4.2): each channel of a bone key gets its
//    own curve, a bezier on about a third of them, as real 4.x exports have;
//    the decisions of every other number stay those of the plain file.
//  --one-animation: all keys in one long animation, the case where an
//    upgraded copy of the animation would cost the most memory.
//
// --draw-order-events writes a skeleton of its own in the 4.2 layout: 200
// slots and one animation as long as the size allows with a draw order key
// and an event at every frame, the case where the document grows with slots
// times keys.
//
// Usage: generate_skeleton OUTPUT BYTES [SEED] [--layout 2.x|4.2|4.2-binary|4.3]
//                          [--channel-curves] [--one-animation]
//                          [--draw-order-events]

#include "skel_from_json.h"

#include "animation/rotation_turns.h"

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>
#include <QString>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>

namespace {

// splitmix64: small, fast and the same on every platform.
class Random
{
public:
    explicit Random(uint64_t seed) : m_state(seed) {}

    uint64_t next()
    {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double low, double high) { return low + (high - low) * unit(); }
    // Inclusive at both ends.
    int between(int low, int high) { return low + int(next() % uint64_t(high - low + 1)); }
    bool chance(double probability) { return unit() < probability; }

private:
    uint64_t m_state;
};

// JSON text in the layout exporters write: one small object per line, tabs
// for nesting. Names are plain ASCII, so strings need no escaping.
class Json
{
public:
    QByteArray text;

    void raw(const char *s) { text.append(s); }
    void raw(const QByteArray &s) { text.append(s); }
    void newline(int depth)
    {
        text.append('\n');
        text.append(QByteArray(depth, '\t'));
    }
    void string(const QByteArray &s)
    {
        text.append('"');
        text.append(s);
        text.append('"');
    }
    void integer(long long value) { text.append(QByteArray::number(value)); }
    // value rounded to at most decimals places, without trailing zeros.
    void number(double value, int decimals)
    {
        static const double scales[] = {1, 10, 100, 1000, 10000, 100000};
        long long scaled = std::llround(value * scales[decimals]);
        if (scaled < 0) {
            text.append('-');
            scaled = -scaled;
        }
        const long long scale = (long long)scales[decimals];
        text.append(QByteArray::number(scaled / scale));
        long long fraction = scaled % scale;
        if (fraction == 0)
            return;
        char digits[8];
        for (int i = decimals - 1; i >= 0; --i) {
            digits[i] = char('0' + fraction % 10);
            fraction /= 10;
        }
        int length = decimals;
        while (digits[length - 1] == '0')
            --length;
        text.append('.');
        text.append(digits, length);
    }
    // The shortest text that reads back as the same double, for the 4.x
    // curve numbers: the converter must find the 2.x curve again exactly.
    void exact(double value)
    {
        for (int precision = 15;; ++precision) {
            const QByteArray digits = QByteArray::number(value, 'g', precision);
            if (precision == 17 || digits.toDouble() == value) {
                text.append(digits);
                return;
            }
        }
    }
    // The ", " or nothing before a field of an object on one line, then its key.
    void field(bool &first, const char *key)
    {
        text.append(first ? "\"" : ", \"");
        first = false;
        text.append(key);
        text.append("\": ");
    }
};

struct Bone {
    QByteArray name;
    int parent;
};

enum class AttachmentType { Image, Mesh, SkinnedMesh, BoundingBox };

struct Attachment {
    QByteArray name;
    AttachmentType type;
    int deformLength; // numbers a deform key may change; 0 for no mesh
};

struct Slot {
    QByteArray name;
    int bone;
    QVector<QByteArray> variants; // attachment names of the default skin
    bool boundingBox;
};

// A mesh that animations may deform, by where its skin keeps it.
struct DeformTarget {
    QByteArray skin;
    QByteArray slot;
    QByteArray attachment;
    int deformLength;
};

struct Counts {
    int images = 0, meshes = 0, skinnedMeshes = 0, boundingBoxes = 0, skins = 0;
    int animations = 0, boneKeys = 0, slotKeys = 0, deformKeys = 0;
    long long setupBytes = 0, skinBytes = 0, boneTimelineBytes = 0, deformBytes = 0;
};

enum class Layout { V2, V4_2, V4_3 };

// The curve of a key towards the next one, in the 2.x form: a normalised
// cubic as the file shows it (two decimals).
struct Curve {
    enum Kind { Linear, Stepped, Bezier } kind = Linear;
    double controls[4] = {0, 0, 0, 0};
};

// What one channel of a key does over its segment, for the 4.x curve form.
struct Channel {
    double from, to;
};

// A value as the file shows it: rounded as Json::number rounds it.
double shown(double value, int decimals)
{
    static const double scales[] = {1, 10, 100, 1000, 10000, 100000};
    return double(std::llround(value * scales[decimals])) / scales[decimals];
}

const char *const chainKinds[] = {"hair", "cape", "tail", "ribbon", "scarf", "skirt",
                                  "feather", "strap", "tentacle", "antenna", "sleeve", "belt"};
const char *const chainParents[] = {"head", "chest", "hip", "torso", "neck", "hip",
                                    "head", "chest", "hip", "head", "left upper arm", "hip"};
const char *const skinNames[] = {"goblin", "knight armor", "zombie", "ice queen", "pirate",
                                 "desert nomad", "robot", "fire lord", "space cadet", "ninja"};
const char *const motions[] = {"idle", "walk", "run", "jump", "fall", "land", "attack",
                               "hit", "death", "crouch", "roll", "dash", "cast", "block",
                               "taunt", "climb", "swim", "throw", "reload", "aim", "celebrate"};

struct Variant {
    bool channelCurves = false;
    bool oneAnimation = false;
};

class Generator
{
public:
    Generator(long long targetBytes, uint64_t seed, Layout layout, Variant variant = Variant())
        : m_target(targetBytes), m_scale(std::max(0.05, double(targetBytes) / 1e6)),
          m_random(seed), m_channelRandom(seed ^ 0x5deece66dull), m_layout(layout),
          m_variant(variant)
    {
    }

    // Takes the size decisions of another run instead of making them.
    void replay(const QVector<bool> &decisions) { m_decisions = decisions; m_replaying = true; }
    const QVector<bool> &decisions() const { return m_decisions; }

    // A null file only counts the bytes.
    bool write(QFile *file)
    {
        m_file = file;
        m_out.raw("{\n");
        if (m_layout == Layout::V4_2)
            m_out.raw("\"skeleton\": { \"spine\": \"4.2.40\" },\n");
        else if (m_layout == Layout::V4_3)
            m_out.raw("\"skeleton\": { \"spine\": \"4.3.23\" },\n");
        buildBones();
        writeBones();
        writeIk();
        writeSlots();
        m_counts.setupBytes = m_written + m_out.text.size();
        writeSkins();
        m_counts.skinBytes = m_written + m_out.text.size() - m_counts.setupBytes;
        writeAnimations();
        m_out.raw("\n}\n");
        return flush(true);
    }

    const Counts &counts() const { return m_counts; }
    int boneCount() const { return m_bones.size(); }
    int slotCount() const { return m_slots.size(); }
    long long written() const { return m_written; }

private:
    long long size() const { return m_written + m_out.text.size(); }
    bool newLayout() const { return m_layout != Layout::V2; }

    // Whether the file is still short of end bytes. Every choice that hangs
    // on the size goes through here, so that a replay repeats them all.
    bool before(long long end)
    {
        if (m_replaying)
            return m_next < m_decisions.size() && m_decisions.at(m_next++);
        m_decisions.append(size() < end);
        return m_decisions.last();
    }

    bool flush(bool all)
    {
        if (!all && m_out.text.size() < (1 << 20))
            return true;
        const bool ok = !m_file || m_file->write(m_out.text) == m_out.text.size();
        m_written += m_out.text.size();
        m_out.text.clear();
        return ok;
    }

    int addBone(const QByteArray &name, const QByteArray &parent)
    {
        int parentIndex = -1;
        for (int i = 0; i < m_bones.size(); ++i) {
            if (m_bones.at(i).name == parent)
                parentIndex = i;
        }
        m_bones.append({name, parentIndex});
        return m_bones.size() - 1;
    }

    void buildBones()
    {
        addBone("root", "");
        addBone("hip", "root");
        addBone("torso", "hip");
        addBone("chest", "torso");
        addBone("neck", "chest");
        addBone("head", "neck");
        addBone("jaw", "head");
        for (const char *side : {"left", "right"}) {
            const QByteArray s(side);
            addBone(s + " eye", "head");
            addBone(s + " upper arm", "chest");
            addBone(s + " lower arm", s + " upper arm");
            addBone(s + " hand", s + " lower arm");
            addBone(s + " thigh", "hip");
            addBone(s + " shin", s + " thigh");
            addBone(s + " foot", s + " shin");
            addBone(s + " toe", s + " foot");
            addBone(s + " foot target", "root");
        }
        addBone("look target", "root");
        m_firstChainBone = m_bones.size();
        // Tens of bones at 1 MB, around a hundred and fifty at 50 MB.
        const int chains = std::max(2, int(std::lround(3 * std::pow(m_scale, 0.55))));
        for (int c = 0; c < chains; ++c) {
            const int kind = m_random.between(0, int(std::size(chainKinds)) - 1);
            const QByteArray base = QByteArray(chainKinds[kind]) + ' ' + QByteArray::number(c + 1);
            QByteArray parent = chainParents[kind];
            const int segments = m_random.between(3, 7);
            for (int s = 1; s <= segments; ++s) {
                const QByteArray name = base + ' ' + QByteArray::number(s);
                addBone(name, parent);
                parent = name;
            }
        }
    }

    void writeBones()
    {
        m_out.raw("\"bones\": [");
        for (int i = 0; i < m_bones.size(); ++i) {
            const Bone &bone = m_bones.at(i);
            m_out.raw(i ? ",\n\t{ " : "\n\t{ ");
            bool first = true;
            m_out.field(first, "name");
            m_out.string(bone.name);
            if (bone.parent >= 0) {
                m_out.field(first, "parent");
                m_out.string(m_bones.at(bone.parent).name);
                m_out.field(first, "length");
                m_out.number(m_random.range(5, 120), 2);
                m_out.field(first, "x");
                m_out.number(m_random.range(-80, 80), 2);
                m_out.field(first, "y");
                m_out.number(m_random.range(-80, 120), 2);
                if (m_random.chance(0.8)) {
                    m_out.field(first, "rotation");
                    m_out.number(m_random.range(-180, 180), 2);
                }
                if (m_random.chance(0.1)) {
                    m_out.field(first, "scaleX");
                    m_out.number(m_random.range(0.6, 1.4), 3);
                    m_out.field(first, "scaleY");
                    m_out.number(m_random.range(0.6, 1.4), 3);
                }
                const bool noRotation = m_random.chance(0.04);
                const bool noScale = m_random.chance(0.03);
                if (newLayout() && (noRotation || noScale)) {
                    m_out.field(first, "inherit");
                    m_out.string(noRotation && noScale ? "onlyTranslation"
                                         : noRotation ? "noRotationOrReflection" : "noScale");
                }
                if (!newLayout() && noRotation) {
                    m_out.field(first, "inheritRotation");
                    m_out.raw("false");
                }
                if (!newLayout() && noScale) {
                    m_out.field(first, "inheritScale");
                    m_out.raw("false");
                }
            }
            m_out.raw(" }");
        }
        m_out.raw("\n],\n");
    }

    void writeIkLine(bool &firstLine, const QByteArray &name, const QVector<QByteArray> &bones,
                     const QByteArray &target)
    {
        m_out.raw(firstLine ? "\n\t{ " : ",\n\t{ ");
        firstLine = false;
        bool first = true;
        if (m_layout == Layout::V4_3) {
            m_out.field(first, "type");
            m_out.string("ik");
        }
        m_out.field(first, "name");
        m_out.string(name);
        m_out.field(first, "bones");
        m_out.raw("[ ");
        for (int i = 0; i < bones.size(); ++i) {
            if (i)
                m_out.raw(", ");
            m_out.string(bones.at(i));
        }
        m_out.raw(" ]");
        m_out.field(first, "target");
        m_out.string(target);
        if (bones.size() == 2 && m_random.chance(0.5)) {
            m_out.field(first, "bendPositive");
            m_out.raw("false");
        }
        if (m_random.chance(0.3)) {
            m_out.field(first, "mix");
            m_out.number(m_random.range(0.3, 1), 2);
        }
        m_out.raw(" }");
    }

    void writeIk()
    {
        m_out.raw(m_layout == Layout::V4_3 ? "\"constraints\": [" : "\"ik\": [");
        bool firstLine = true;
        writeIkLine(firstLine, "left leg ik", {"left thigh", "left shin"}, "left foot target");
        writeIkLine(firstLine, "right leg ik", {"right thigh", "right shin"}, "right foot target");
        writeIkLine(firstLine, "head look", {"head"}, "look target");
        // A tail or tentacle that follows the last segment of another chain.
        const int chainEnd = m_bones.size() - 1;
        if (m_bones.at(chainEnd).parent > m_firstChainBone) {
            writeIkLine(firstLine, "chain follow",
                        {m_bones.at(m_bones.at(chainEnd).parent).name,
                         m_bones.at(chainEnd).name},
                        m_bones.at(m_firstChainBone).name);
        }
        m_out.raw("\n],\n");
    }

    void addSlot(const QByteArray &name, int bone, QVector<QByteArray> variants, bool box = false)
    {
        m_slots.append({name, bone, variants, box});
    }

    void writeSlots()
    {
        for (int i = 2; i < m_bones.size(); ++i) {
            const QByteArray &name = m_bones.at(i).name;
            if (name.endsWith("target"))
                continue;
            if (name.endsWith(" eye")) {
                addSlot(name, i, {name + " open", name + " half", name + " closed"});
            } else if (name == "jaw") {
                addSlot("mouth", i, {"mouth smile", "mouth open", "mouth o", "mouth grit"});
            } else if (name.endsWith(" hand")) {
                addSlot(name, i, {name + " open", name + " fist", name + " point"});
            } else {
                QVector<QByteArray> variants = {name};
                if (m_random.chance(0.15))
                    variants.append(name + " alt");
                addSlot(name, i, variants);
            }
            if (i % 15 == 0)
                addSlot(name + " hit box", i, {name + " hit box"}, true);
        }
        addSlot("shadow", 0, {"shadow"});
        addSlot("weapon", indexOf("right hand"), {"sword", "axe", "bow", "staff"});
        addSlot("muzzle flash", indexOf("right hand"), {"flash 1", "flash 2"});
        addSlot("body hit box", 1, {"body hit box"}, true);

        m_out.raw("\"slots\": [");
        for (int i = 0; i < m_slots.size(); ++i) {
            const Slot &slot = m_slots.at(i);
            m_out.raw(i ? ",\n\t{ " : "\n\t{ ");
            bool first = true;
            m_out.field(first, "name");
            m_out.string(slot.name);
            m_out.field(first, "bone");
            m_out.string(m_bones.at(slot.bone).name);
            if (m_random.chance(0.15)) {
                m_out.field(first, "color");
                m_out.string(randomColor());
            }
            // Effects and alternatives start hidden.
            if (slot.name != "muzzle flash" && m_random.chance(0.9)) {
                m_out.field(first, "attachment");
                m_out.string(slot.variants.first());
            }
            m_out.raw(" }");
        }
        m_out.raw("\n],\n");
    }

    int indexOf(const QByteArray &boneName) const
    {
        for (int i = 0; i < m_bones.size(); ++i) {
            if (m_bones.at(i).name == boneName)
                return i;
        }
        return 0;
    }

    QByteArray randomColor()
    {
        static const char hex[] = "0123456789abcdef";
        QByteArray color;
        for (int i = 0; i < 4; ++i) {
            // Tints stay light and alpha rarely drops below a third.
            const int channel = m_random.between(i == 3 ? 0x60 : 0x80, 0xff);
            color.append(hex[channel >> 4]);
            color.append(hex[channel & 15]);
        }
        return color;
    }

    // Vertices per mesh: tens at 1 MB, up to a few hundred at 50 MB.
    int meshVertexTarget() { return int(60 * std::pow(m_scale, 0.4) * m_random.range(0.5, 1.5)); }

    AttachmentType attachmentType(const Slot &slot)
    {
        if (slot.boundingBox)
            return AttachmentType::BoundingBox;
        const double roll = m_random.unit();
        return roll < 0.55 ? AttachmentType::Image
                           : roll < 0.8 ? AttachmentType::Mesh : AttachmentType::SkinnedMesh;
    }

    void writeSkins()
    {
        m_out.raw(newLayout() ? "\"skins\": [" : "\"skins\": {");
        // The skins take about a fifth of the file: the default skin first,
        // then partial skins until that share is reached.
        const long long skinsEnd = size() + m_target / 5;
        writeSkin("default", true);
        for (int s = 0; s < 1 || before(skinsEnd); ++s) {
            const int kinds = int(std::size(skinNames));
            QByteArray name = skinNames[s % kinds];
            if (s >= kinds)
                name += ' ' + QByteArray::number(s / kinds + 1);
            writeSkin(name, false);
        }
        m_out.raw(newLayout() ? "\n],\n" : "\n},\n");
    }

    void writeSkin(const QByteArray &skinName, bool isDefault)
    {
        m_out.raw(m_counts.skins ? ",\n\t" : "\n\t");
        ++m_counts.skins;
        if (newLayout()) {
            m_out.raw("{ \"name\": ");
            m_out.string(skinName);
            m_out.raw(", \"attachments\": {");
        } else {
            m_out.string(skinName);
            m_out.raw(": {");
        }
        const double coverage = m_random.range(0.25, 0.6);
        bool firstSlot = true;
        for (const Slot &slot : qAsConst(m_slots)) {
            if (!isDefault && (slot.boundingBox || !m_random.chance(coverage)))
                continue;
            m_out.raw(firstSlot ? "\n\t\t" : ",\n\t\t");
            firstSlot = false;
            m_out.string(slot.name);
            m_out.raw(": {");
            QVector<QByteArray> names = slot.variants;
            if (!isDefault) {
                // Half of a skin's attachments replace the default ones by
                // name, the others bring names of their own.
                for (QByteArray &name : names) {
                    if (m_random.chance(0.5))
                        name = skinName + ' ' + name;
                }
            }
            for (int i = 0; i < names.size(); ++i) {
                m_out.raw(i ? ",\n\t\t\t" : "\n\t\t\t");
                m_out.string(names.at(i));
                m_out.raw(": ");
                const AttachmentType type = attachmentType(slot);
                const int deformLength = writeAttachment(type, slot, names.at(i), skinName);
                if (deformLength > 0)
                    m_deformTargets.append({skinName, slot.name, names.at(i), deformLength});
            }
            m_out.raw("\n\t\t}");
            flush(false);
        }
        m_out.raw(newLayout() ? "\n\t} }" : "\n\t}");
    }

    // Writes the attachment object; returns how many numbers a deform key
    // may change (0 for images and bounding boxes).
    int writeAttachment(AttachmentType type, const Slot &slot, const QByteArray &name,
                        const QByteArray &skinName)
    {
        bool first = true;
        m_out.raw("{ ");
        switch (type) {
        case AttachmentType::Image:
            ++m_counts.images;
            if (m_random.chance(0.2)) {
                m_out.field(first, "name");
                m_out.string(skinName + '/' + QByteArray(name).replace(' ', '-'));
            }
            m_out.field(first, "x");
            m_out.number(m_random.range(-60, 60), 2);
            m_out.field(first, "y");
            m_out.number(m_random.range(-60, 60), 2);
            if (m_random.chance(0.1)) {
                m_out.field(first, "scaleX");
                m_out.number(m_random.range(0.5, 1.5), 3);
                m_out.field(first, "scaleY");
                m_out.number(m_random.range(0.5, 1.5), 3);
            }
            if (m_random.chance(0.85)) {
                m_out.field(first, "rotation");
                m_out.number(m_random.range(-180, 180), 2);
            }
            m_out.field(first, "width");
            m_out.integer(m_random.between(8, 300));
            m_out.field(first, "height");
            m_out.integer(m_random.between(8, 300));
            m_out.raw(" }");
            return 0;
        case AttachmentType::BoundingBox: {
            ++m_counts.boundingBoxes;
            m_out.field(first, "type");
            m_out.string("boundingbox");
            const int points = m_random.between(4, 12);
            if (newLayout()) {
                m_out.field(first, "vertexCount");
                m_out.integer(points);
            }
            m_out.field(first, "vertices");
            m_out.raw("[ ");
            for (int i = 0; i < points * 2; ++i) {
                if (i)
                    m_out.raw(", ");
                m_out.number(m_random.range(-120, 120), 2);
            }
            m_out.raw(" ] }");
            return 0;
        }
        case AttachmentType::Mesh:
        case AttachmentType::SkinnedMesh:
            break;
        }
        const bool skinned = type == AttachmentType::SkinnedMesh;
        ++(skinned ? m_counts.skinnedMeshes : m_counts.meshes);
        m_out.field(first, "type");
        // 4.x knows a weighted mesh by its vertices outnumbering its uvs.
        m_out.string(skinned && !newLayout() ? "skinnedmesh" : "mesh");
        if (m_random.chance(0.2)) {
            m_out.field(first, "name");
            m_out.string(skinName + '/' + QByteArray(name).replace(' ', '-'));
        }
        // A grid of columns by rows, slightly jittered, as a mesh tool lays
        // it over an image.
        const int wanted = std::max(4, meshVertexTarget());
        const double aspect = m_random.range(0.6, 1.6);
        const int columns = std::max(2, int(std::lround(std::sqrt(wanted * aspect))));
        const int rows = std::max(2, (wanted + columns - 1) / columns);
        const int vertices = rows * columns;
        const double width = m_random.between(40, 400), height = m_random.between(40, 400);
        QVector<double> u(vertices), v(vertices);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                const bool edge = r == 0 || c == 0 || r == rows - 1 || c == columns - 1;
                const double jitter = edge ? 0 : 0.3;
                const double x = (c + m_random.range(-jitter, jitter)) / (columns - 1);
                const double y = (r + m_random.range(-jitter, jitter)) / (rows - 1);
                u[r * columns + c] = std::clamp(x, 0.0, 1.0);
                v[r * columns + c] = std::clamp(y, 0.0, 1.0);
            }
        }
        m_out.field(first, "uvs");
        m_out.raw("[ ");
        for (int i = 0; i < vertices; ++i) {
            m_out.raw(i ? ", " : "");
            m_out.number(u[i], 4);
            m_out.raw(", ");
            m_out.number(v[i], 4);
        }
        m_out.raw(" ]");
        m_out.field(first, "triangles");
        m_out.raw("[ ");
        for (int r = 0; r + 1 < rows; ++r) {
            for (int c = 0; c + 1 < columns; ++c) {
                const int a = r * columns + c, b = a + 1, d = a + columns, e = d + 1;
                const int corners[6] = {a, b, d, b, e, d};
                for (int k = 0; k < 6; ++k) {
                    if (r || c || k)
                        m_out.raw(", ");
                    m_out.integer(corners[k]);
                }
            }
        }
        m_out.raw(" ]");
        m_out.field(first, "vertices");
        m_out.raw("[ ");
        int deformLength = 2 * vertices;
        if (!skinned) {
            for (int i = 0; i < vertices; ++i) {
                m_out.raw(i ? ", " : "");
                m_out.number((u[i] - 0.5) * width, 2);
                m_out.raw(", ");
                m_out.number((0.5 - v[i]) * height, 2);
            }
        } else {
            deformLength = writeSkinnedVertices(slot, vertices, u, v, width, height);
        }
        m_out.raw(" ]");
        const int hull = 2 * (rows + columns) - 4;
        m_out.field(first, "hull");
        m_out.integer(hull);
        if (m_random.chance(0.5)) {
            // The hull's outline, as pairs of doubled vertex indices.
            QVector<int> outline;
            for (int c = 0; c < columns; ++c)
                outline.append(c);
            for (int r = 1; r < rows; ++r)
                outline.append(r * columns + columns - 1);
            for (int c = columns - 2; c >= 0; --c)
                outline.append((rows - 1) * columns + c);
            for (int r = rows - 2; r > 0; --r)
                outline.append(r * columns);
            m_out.field(first, "edges");
            m_out.raw("[ ");
            for (int i = 0; i < outline.size(); ++i) {
                m_out.raw(i ? ", " : "");
                m_out.integer(2 * outline.at(i));
                m_out.raw(", ");
                m_out.integer(2 * outline.at((i + 1) % outline.size()));
            }
            m_out.raw(" ]");
        }
        m_out.field(first, "width");
        m_out.integer(int(width));
        m_out.field(first, "height");
        m_out.integer(int(height));
        m_out.raw(" }");
        return deformLength;
    }

    // Records of a bone count, then per bone its index, the vertex in that
    // bone's space and a weight; weights of a vertex add up to 1. Returns
    // the number of deformable values: two per influence.
    int writeSkinnedVertices(const Slot &slot, int vertices, const QVector<double> &u,
                             const QVector<double> &v, double width, double height)
    {
        // A mesh is weighted to its slot's bone and the bones next to it.
        QVector<int> pool = {slot.bone};
        if (m_bones.at(slot.bone).parent >= 0)
            pool.append(m_bones.at(slot.bone).parent);
        for (int i = 0; i < m_bones.size() && pool.size() < 4; ++i) {
            if (m_bones.at(i).parent == slot.bone)
                pool.append(i);
        }
        int influences = 0;
        for (int i = 0; i < vertices; ++i) {
            const double roll = m_random.unit();
            const int count = std::min(int(pool.size()), roll < 0.3 ? 1 : roll < 0.8 ? 2 : 3);
            m_out.raw(i ? ", " : "");
            m_out.integer(count);
            double remaining = 1;
            for (int k = 0; k < count; ++k) {
                const double weight =
                        k + 1 == count ? remaining : remaining * m_random.range(0.3, 0.8);
                remaining -= weight;
                m_out.raw(", ");
                m_out.integer(k == 0 ? slot.bone : pool.at(1 + (i + k) % (pool.size() - 1)));
                m_out.raw(", ");
                m_out.number((u[i] - 0.5) * width + m_random.range(-20, 20), 2);
                m_out.raw(", ");
                m_out.number((0.5 - v[i]) * height + m_random.range(-20, 20), 2);
                m_out.raw(", ");
                m_out.number(weight, 3);
            }
            influences += count;
        }
        return 2 * influences;
    }

    // Seconds on a 30 frames per second grid, as the editor keys them.
    static double frameTime(int frame) { return std::round(frame / 30.0 * 10000) / 10000; }

    Curve randomCurve(bool isLastKey)
    {
        Curve curve;
        if (isLastKey)
            return curve;
        const double roll = m_random.unit();
        if (roll < 0.1) {
            curve.kind = Curve::Stepped;
        } else if (roll < 0.55) {
            curve.kind = Curve::Bezier;
            curve.controls[0] = shown(m_random.range(0, 1), 2);
            curve.controls[1] = shown(m_random.range(0, 0.5), 2);
            curve.controls[2] = shown(m_random.range(0, 1), 2);
            curve.controls[3] = shown(m_random.range(0.5, 1), 2);
        }
        return curve;
    }

    // The key's curve over the segment from time t1 to t2. The 4.x form
    // holds four numbers per channel: the 2.x handles scaled to seconds and
    // to the channel's values.
    void writeCurve(bool &first, const Curve &curve, double t1, double t2,
                    const QVector<Channel> &channels)
    {
        if (curve.kind == Curve::Linear)
            return;
        m_out.field(first, "curve");
        if (curve.kind == Curve::Stepped) {
            m_out.string("stepped");
            return;
        }
        m_out.raw("[ ");
        if (!newLayout()) {
            for (int i = 0; i < 4; ++i) {
                m_out.raw(i ? ", " : "");
                m_out.number(curve.controls[i], 2);
            }
        } else {
            for (int c = 0; c < channels.size(); ++c) {
                const Channel &v = channels.at(c);
                for (int i = 0; i < 2; ++i) {
                    m_out.raw(c || i ? ", " : "");
                    m_out.exact(t1 + curve.controls[2 * i] * (t2 - t1));
                    m_out.raw(", ");
                    m_out.exact(v.from + curve.controls[2 * i + 1] * (v.to - v.from));
                }
            }
        }
        m_out.raw(" ]");
    }

    // A bone key of the --channel-curves variant: its values, then a curve of
    // its own for each channel (a bezier on about a third of them, the rest
    // straight handles), or now and then "stepped".
    void writeChannelCurveKey(bool &first, bool last, double t1, double t2, bool rotation,
                              const Channel &x, const Channel &y, int decimals)
    {
        if (rotation) {
            m_out.field(first, "value");
            m_out.number(x.from, 2);
        } else {
            m_out.field(first, "x");
            m_out.number(x.from, decimals);
            m_out.field(first, "y");
            m_out.number(y.from, decimals);
        }
        if (last)
            return;
        if (m_channelRandom.chance(0.05)) {
            m_out.field(first, "curve");
            m_out.string("stepped");
            return;
        }
        QVector<Channel> channels = {x};
        if (!rotation)
            channels.append(y);
        bool anyBezier = false;
        QVector<double> handles;
        for (const Channel &channel : channels) {
            const bool bezier = m_channelRandom.chance(1.0 / 3);
            anyBezier = anyBezier || bezier;
            const double c[4] = {
                    bezier ? shown(m_channelRandom.range(0, 1), 2) : 1.0 / 3,
                    bezier ? shown(m_channelRandom.range(0, 0.5), 2) : 1.0 / 3,
                    bezier ? shown(m_channelRandom.range(0, 1), 2) : 2.0 / 3,
                    bezier ? shown(m_channelRandom.range(0.5, 1), 2) : 2.0 / 3};
            for (int i = 0; i < 2; ++i) {
                handles.append(t1 + c[2 * i] * (t2 - t1));
                handles.append(channel.from + c[2 * i + 1] * (channel.to - channel.from));
            }
        }
        // A key whose channels are all straight has no curve at all.
        if (!anyBezier)
            return;
        m_out.field(first, "curve");
        m_out.raw("[ ");
        for (int i = 0; i < handles.size(); ++i) {
            m_out.raw(i ? ", " : "");
            m_out.exact(handles.at(i));
        }
        m_out.raw(" ]");
    }

    // The first key of a 4.x timeline leaves out a time of 0.
    void writeTime(bool &first, int frame)
    {
        if (newLayout() && frame == 0)
            return;
        m_out.field(first, "time");
        m_out.number(frameTime(frame), 4);
    }

    // Frames of the keys of one timeline over an animation of the given
    // length: evenly spaced with some jitter, usually starting at 0.
    QVector<int> keyFrames(int frames, int spacing)
    {
        QVector<int> keys;
        int frame = m_random.chance(0.85) ? 0 : m_random.between(1, std::max(1, frames / 4));
        while (frame < frames) {
            keys.append(frame);
            frame += std::max(1, spacing + m_random.between(-1, 1));
        }
        keys.append(frames);
        return keys;
    }

    // A 4.x editor writes the angles that a 2.x file turns through the short
    // way, whole turns included, so that both spellings play alike.
    static QVector<double> valuesAsAnEditorWrites(const QVector<double> &angles)
    {
        RotationValues shortTurns(false, 0);
        QVector<double> values;
        for (double angle : angles)
            values.append(-shortTurns.next(angle));
        return values;
    }

    void writeBoneTimeline(const char *name, int frames, double amplitude, double centre,
                           bool rotation)
    {
        m_out.raw("\"");
        m_out.raw(name);
        m_out.raw("\": [");
        const QVector<int> keys = keyFrames(frames, m_random.between(3, 10));
        const double phase = m_random.range(0, 6.283);
        // One rotation in twenty spins: angles well past half a turn.
        const double spin = rotation && m_random.chance(0.05) ? 360.0 / frames : 0;
        // All keys first: a 4.x curve needs the values of the next key.
        const int decimals = centre ? 3 : 2;
        QVector<double> xs, ys;
        QVector<Curve> curves;
        for (int k = 0; k < keys.size(); ++k) {
            const double t = keys.at(k) * 6.283 / frames + phase;
            if (rotation) {
                xs.append(shown(amplitude * std::sin(t) + spin * keys.at(k), 2));
            } else {
                xs.append(shown(centre + amplitude * std::sin(t), decimals));
                ys.append(shown(centre + amplitude * std::cos(t) * 0.7, decimals));
            }
            curves.append(randomCurve(k + 1 == keys.size()));
        }
        if (rotation && newLayout())
            xs = valuesAsAnEditorWrites(xs);
        for (int k = 0; k < keys.size(); ++k) {
            m_out.raw(k ? ",\n\t\t\t\t\t{ " : "\n\t\t\t\t\t{ ");
            bool first = true;
            writeTime(first, keys.at(k));
            const int next = std::min(k + 1, int(keys.size()) - 1);
            if (m_variant.channelCurves && newLayout()) {
                writeChannelCurveKey(first, k + 1 == keys.size(), frameTime(keys.at(k)),
                                     frameTime(keys.at(next)), rotation,
                                     {xs.at(k), xs.at(next)},
                                     rotation ? Channel{0, 0} : Channel{ys.at(k), ys.at(next)},
                                     decimals);
                m_out.raw(" }");
                continue;
            }
            QVector<Channel> channels = {{xs.at(k), xs.at(next)}};
            if (rotation) {
                m_out.field(first, newLayout() ? "value" : "angle");
                m_out.number(xs.at(k), 2);
            } else {
                m_out.field(first, "x");
                m_out.number(xs.at(k), decimals);
                m_out.field(first, "y");
                m_out.number(ys.at(k), decimals);
                channels.append({ys.at(k), ys.at(next)});
            }
            writeCurve(first, curves.at(k), frameTime(keys.at(k)), frameTime(keys.at(next)),
                       channels);
            m_out.raw(" }");
        }
        m_counts.boneKeys += keys.size();
        m_out.raw("\n\t\t\t\t]");
    }

    void writeSlotTimelines(int frames)
    {
        // Blinks, mouth shapes and weapon swaps; now and then a flash of
        // colour.
        QVector<int> animated;
        for (int i = 0; i < m_slots.size(); ++i) {
            const Slot &slot = m_slots.at(i);
            if (!slot.boundingBox && slot.variants.size() > 1 && m_random.chance(0.3))
                animated.append(i);
            else if (m_random.chance(0.015))
                animated.append(i);
        }
        if (animated.isEmpty())
            return;
        m_out.raw("\n\t\t\"slots\": {");
        for (int n = 0; n < animated.size(); ++n) {
            const Slot &slot = m_slots.at(animated.at(n));
            m_out.raw(n ? ",\n\t\t\t" : "\n\t\t\t");
            m_out.string(slot.name);
            m_out.raw(": {");
            const bool attachment = slot.variants.size() > 1 && m_random.chance(0.85);
            const bool color = !attachment || m_random.chance(0.2);
            if (attachment) {
                m_out.raw("\n\t\t\t\t\"attachment\": [");
                const QVector<int> keys = keyFrames(frames, m_random.between(4, 20));
                for (int k = 0; k < keys.size(); ++k) {
                    m_out.raw(k ? ",\n\t\t\t\t\t{ " : "\n\t\t\t\t\t{ ");
                    bool first = true;
                    writeTime(first, keys.at(k));
                    // 4.1 and later hide the attachment by leaving out the name.
                    if (m_random.chance(0.1)) {
                        if (!newLayout()) {
                            m_out.field(first, "name");
                            m_out.raw("null");
                        }
                    } else {
                        m_out.field(first, "name");
                        m_out.string(slot.variants.at(
                                m_random.between(0, slot.variants.size() - 1)));
                    }
                    m_out.raw(" }");
                }
                m_counts.slotKeys += keys.size();
                m_out.raw("\n\t\t\t\t]");
            }
            if (color) {
                m_out.raw(attachment ? ",\n\t\t\t\t\"" : "\n\t\t\t\t\"");
                m_out.raw(newLayout() ? "rgba\": [" : "color\": [");
                const QVector<int> keys = keyFrames(frames, m_random.between(8, 30));
                QVector<QByteArray> colors;
                QVector<Curve> curves;
                for (int k = 0; k < keys.size(); ++k) {
                    colors.append(randomColor());
                    curves.append(randomCurve(k + 1 == keys.size()));
                }
                for (int k = 0; k < keys.size(); ++k) {
                    m_out.raw(k ? ",\n\t\t\t\t\t{ " : "\n\t\t\t\t\t{ ");
                    bool first = true;
                    writeTime(first, keys.at(k));
                    m_out.field(first, "color");
                    m_out.string(colors.at(k));
                    const int next = std::min(k + 1, int(keys.size()) - 1);
                    // r, g, b, a: each channel's two hex digits over 255.
                    QVector<Channel> channels;
                    for (int c = 0; c < 4; ++c) {
                        channels.append({colors.at(k).mid(2 * c, 2).toInt(nullptr, 16) / 255.0,
                                         colors.at(next).mid(2 * c, 2).toInt(nullptr, 16) / 255.0});
                    }
                    writeCurve(first, curves.at(k), frameTime(keys.at(k)),
                               frameTime(keys.at(next)), channels);
                    m_out.raw(" }");
                }
                m_counts.slotKeys += keys.size();
                m_out.raw("\n\t\t\t\t]");
            }
            m_out.raw("\n\t\t\t}");
        }
        m_out.raw("\n\t\t},");
    }

    // Bone timelines until the animation would pass end bytes.
    void writeBoneTimelines(int frames, long long end)
    {
        const long long start = size();
        m_out.raw("\n\t\t\"bones\": {");
        const double share = m_random.range(0.3, 0.9);
        bool firstBone = true;
        for (int i = 1; i < m_bones.size() && before(end); ++i) {
            if (!m_random.chance(share))
                continue;
            const bool rotate = m_random.chance(0.9);
            const bool translate = m_random.chance(0.4);
            const bool scale = m_random.chance(0.12);
            if (!rotate && !translate && !scale)
                continue;
            m_out.raw(firstBone ? "\n\t\t\t" : ",\n\t\t\t");
            firstBone = false;
            m_out.string(m_bones.at(i).name);
            m_out.raw(": {");
            const char *separator = "\n\t\t\t\t";
            if (rotate) {
                m_out.raw(separator);
                writeBoneTimeline("rotate", frames, m_random.range(3, 60), 0, true);
                separator = ",\n\t\t\t\t";
            }
            if (translate) {
                m_out.raw(separator);
                writeBoneTimeline("translate", frames, m_random.range(1, 40), 0, false);
                separator = ",\n\t\t\t\t";
            }
            if (scale) {
                m_out.raw(separator);
                writeBoneTimeline("scale", frames, m_random.range(0.05, 0.4), 1, false);
            }
            m_out.raw("\n\t\t\t}");
        }
        m_out.raw("\n\t\t}");
        m_counts.boneTimelineBytes += size() - start;
    }

    void writeDeformTimeline(const DeformTarget &target, int frames)
    {
        m_out.raw("\"");
        m_out.raw(target.attachment);
        m_out.raw(newLayout() ? "\": { \"deform\": [" : "\": [");
        const QVector<int> keys = keyFrames(frames, m_random.between(4, 12));
        // A deform touches one region of the mesh in every key.
        const int offset = 2 * m_random.between(0, target.deformLength / 4);
        const int pairs = int((target.deformLength - offset) / 2 * m_random.range(0.3, 1.0));
        const int length = std::max(2, 2 * pairs);
        const double amplitude = m_random.range(1, 15);
        for (int k = 0; k < keys.size(); ++k) {
            m_out.raw(k ? ",\n\t\t\t\t\t{ " : "\n\t\t\t\t\t{ ");
            bool first = true;
            writeTime(first, keys.at(k));
            // The first and last keys are often the rest pose: no deltas.
            const bool rest = (k == 0 || k + 1 == keys.size()) && m_random.chance(0.5);
            if (!rest) {
                if (offset) {
                    m_out.field(first, "offset");
                    m_out.integer(offset);
                }
                m_out.field(first, "vertices");
                m_out.raw("[ ");
                const double phase = k * 0.7;
                for (int i = 0; i < length; ++i) {
                    m_out.raw(i ? ", " : "");
                    const double wave = amplitude * std::sin(phase + i * 0.37);
                    m_out.number(wave + m_random.range(-0.5, 0.5), 2);
                }
                m_out.raw(" ]");
            }
            // A deform curve's y is already 0..1: one channel from 0 to 1.
            const int next = std::min(k + 1, int(keys.size()) - 1);
            writeCurve(first, randomCurve(k + 1 == keys.size()), frameTime(keys.at(k)),
                       frameTime(keys.at(next)), {{0, 1}});
            m_out.raw(" }");
        }
        m_counts.deformKeys += keys.size();
        m_out.raw(newLayout() ? "\n\t\t\t\t] }" : "\n\t\t\t\t]");
    }

    // Deform timelines on a few meshes, grouped by skin and slot as the
    // file nests them; a slot's deforms name one attachment.
    void writeDeformTimelines(int frames, long long end)
    {
        const long long start = size();
        const int count = m_random.between(1, 5);
        QVector<int> chosen;
        for (int n = 0; n < count; ++n) {
            const int pick = m_random.between(0, m_deformTargets.size() - 1);
            const DeformTarget &candidate = m_deformTargets.at(pick);
            bool clash = false;
            for (int other : qAsConst(chosen)) {
                const DeformTarget &taken = m_deformTargets.at(other);
                clash = clash || (taken.skin == candidate.skin && taken.slot == candidate.slot);
            }
            if (!clash)
                chosen.append(pick);
        }
        std::sort(chosen.begin(), chosen.end());
        m_out.raw(newLayout() ? ",\n\t\t\"attachments\": {" : ",\n\t\t\"ffd\": {");
        int written = 0;
        for (int n = 0; n < chosen.size() && before(end); ++n, ++written) {
            const DeformTarget &target = m_deformTargets.at(chosen.at(n));
            const bool sameSkin = n > 0 && m_deformTargets.at(chosen.at(n - 1)).skin == target.skin;
            if (!sameSkin) {
                m_out.raw(n ? "\n\t\t\t},\n\t\t\t" : "\n\t\t\t");
                m_out.string(target.skin);
                m_out.raw(": {");
            } else {
                m_out.raw(",");
            }
            m_out.raw("\n\t\t\t\t");
            m_out.string(target.slot);
            m_out.raw(": {\n\t\t\t\t");
            writeDeformTimeline(target, frames);
            m_out.raw("\n\t\t\t\t}");
        }
        // No target at all when the file was already full: an empty object.
        m_out.raw(written ? "\n\t\t\t}\n\t\t}" : "\n\t\t}");
        m_counts.deformBytes += size() - start;
    }

    QByteArray animationName(int index)
    {
        const int kinds = int(std::size(motions));
        QByteArray name = motions[index % kinds];
        if (index >= kinds)
            name += ' ' + QByteArray::number(index / kinds + 1);
        // Combat moves sit in a folder, as animators like to sort them.
        if (name.startsWith("attack") || name.startsWith("block") || name.startsWith("hit"))
            name.prepend("combat/");
        return name;
    }

    void writeAnimations()
    {
        m_out.raw("\"animations\": {");
        // Stop just short of the target; the closing braces are all that
        // follows.
        const long long end = m_target - 8;
        for (int index = 0; index == 0 || (!m_variant.oneAnimation && before(end - 200));
             ++index) {
            m_out.raw(index ? ",\n\t" : "\n\t");
            m_out.string(animationName(index));
            m_out.raw(": {");
            int frames = m_random.between(15, 90);
            // About 12 bytes per bone and frame: every bone animated, the
            // file full.
            if (m_variant.oneAnimation)
                frames = std::max<long long>(frames, (end - size()) / (12 * m_bones.size()));
            writeSlotTimelines(frames);
            writeBoneTimelines(frames, end);
            if (!m_deformTargets.isEmpty() && m_random.chance(0.5) && before(end))
                writeDeformTimelines(frames, end);
            m_out.raw("\n\t}");
            ++m_counts.animations;
            flush(false);
        }
        m_out.raw("\n}");
    }

    long long m_target;
    double m_scale; // the target in megabytes
    Random m_random;
    // Only for the --channel-curves curves, so that every other number is
    // the plain file's.
    Random m_channelRandom;
    Layout m_layout;
    Variant m_variant;
    QVector<bool> m_decisions;
    bool m_replaying = false;
    int m_next = 0;
    QFile *m_file = nullptr;
    Json m_out;
    long long m_written = 0;
    QVector<Bone> m_bones;
    int m_firstChainBone = 0;
    QVector<Slot> m_slots;
    QVector<DeformTarget> m_deformTargets;
    Counts m_counts;
};

// 200 slots on a few bones, and one animation with a draw order key and an
// event at every frame (1/30 s) until the file has its size. Each key
// swaps one to three pairs of slots, listed in setup order, so that every
// key gives an order.
bool writeDrawOrderEvents(QFile *file, long long target, uint64_t seed)
{
    const int slotCount = 200;
    Random random(seed);
    Json out;
    long long written = 0;
    const auto flush = [&](bool all) {
        if (!all && out.text.size() < (1 << 20))
            return true;
        const bool ok = file->write(out.text) == out.text.size();
        written += out.text.size();
        out.text.clear();
        return ok;
    };
    out.raw("{\n\"skeleton\": { \"spine\": \"4.2.40\" },\n\"bones\": [");
    for (int b = 0; b < 10; ++b) {
        out.raw(b ? ",\n\t{ \"name\": " : "\n\t{ \"name\": ");
        out.string("bone " + QByteArray::number(b));
        if (b) {
            out.raw(", \"parent\": ");
            out.string("bone " + QByteArray::number(b - 1));
        }
        out.raw(" }");
    }
    out.raw("\n],\n\"slots\": [");
    for (int i = 0; i < slotCount; ++i) {
        out.raw(i ? ",\n\t{ \"name\": " : "\n\t{ \"name\": ");
        out.string("slot " + QByteArray::number(i));
        out.raw(", \"bone\": ");
        out.string("bone " + QByteArray::number(i % 10));
        out.raw(" }");
    }
    out.raw("\n],\n\"skins\": [ { \"name\": \"default\" } ],\n\"events\": {\n"
            "\t\"step\": { \"int\": 1, \"audio\": \"step.ogg\" },\n"
            "\t\"hit\": { \"float\": 0.5, \"string\": \"sword\" }\n},\n"
            "\"animations\": {\n\t\"long\": {\n\t\t\"drawOrder\": [");
    // About 230 bytes per frame: two thirds for the draw order key, the rest
    // for the event.
    const long long frames = std::max<long long>(1, (target - written - out.text.size()) / 230);
    QByteArray events;
    for (long long frame = 0; frame < frames; ++frame) {
        const double time = std::round(frame / 30.0 * 10000) / 10000;
        out.raw(frame ? ",\n\t\t\t{ " : "\n\t\t\t{ ");
        bool first = true;
        if (frame) {
            out.field(first, "time");
            out.number(time, 4);
        }
        // Disjoint pairs (a, b), a < b, in rising order: a goes to b's
        // position and b to a's.
        QVector<int> moved;
        const int pairs = random.between(1, 3);
        int low = 0;
        for (int p = 0; p < pairs && low < slotCount - 2; ++p) {
            const int a = random.between(low, std::min(slotCount - 2, low + 60));
            const int b = random.between(a + 1, std::min(slotCount - 1, a + 60));
            moved << a << b;
            low = b + 1;
        }
        QVector<QPair<int, int>> offsets;
        for (int m = 0; m < moved.size(); m += 2) {
            offsets.append({moved.at(m), moved.at(m + 1) - moved.at(m)});
            offsets.append({moved.at(m + 1), moved.at(m) - moved.at(m + 1)});
        }
        std::sort(offsets.begin(), offsets.end());
        out.field(first, "offsets");
        out.raw("[");
        for (int o = 0; o < offsets.size(); ++o) {
            out.raw(o ? ", { \"slot\": " : " { \"slot\": ");
            out.string("slot " + QByteArray::number(offsets.at(o).first));
            out.raw(", \"offset\": ");
            out.raw(QByteArray::number(offsets.at(o).second));
            out.raw(" }");
        }
        out.raw(" ] }");
        events += frame ? ",\n\t\t\t{ \"time\": " : "\n\t\t\t{ \"time\": ";
        events += QByteArray::number(time, 'g', 10);
        events += random.chance(0.5) ? ", \"name\": \"step\" }"
                                     : ", \"name\": \"hit\", \"int\": 3 }";
        if (!flush(false))
            return false;
    }
    out.raw("\n\t\t],\n\t\t\"events\": [");
    out.raw(events);
    out.raw("\n\t\t]\n\t}\n}\n}\n");
    std::printf("%lld bytes: %d slots, one animation of %lld frames with a draw order key "
                "and an event each\n",
                written + out.text.size(), slotCount, frames);
    return flush(true);
}

} // namespace

int main(int argc, char *argv[])
{
    Layout layout = Layout::V2;
    Variant variant;
    bool binary = false;
    bool drawOrderEvents = false;
    QVector<QByteArray> positional;
    bool usable = true;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--layout" && i + 1 < argc) {
            const QByteArray name(argv[++i]);
            usable = usable
                    && (name == "2.x" || name == "4.2" || name == "4.2-binary" || name == "4.3");
            layout = name == "2.x" ? Layout::V2 : name == "4.3" ? Layout::V4_3 : Layout::V4_2;
            binary = name == "4.2-binary";
        } else if (arg == "--channel-curves") {
            variant.channelCurves = true;
        } else if (arg == "--one-animation") {
            variant.oneAnimation = true;
        } else if (arg == "--draw-order-events") {
            drawOrderEvents = true;
        } else {
            positional.append(arg);
        }
    }
    if (!usable || positional.size() < 2 || positional.size() > 3) {
        std::fprintf(stderr, "Usage: generate_skeleton OUTPUT BYTES [SEED] [--layout 2.x|4.2|4.2-binary|4.3] "
                             "[--channel-curves] [--one-animation] [--draw-order-events]\n");
        return 2;
    }
    bool sizeOk = false;
    const long long target = positional.at(1).toLongLong(&sizeOk);
    bool seedOk = true;
    const unsigned long long seed =
            positional.size() == 3 ? positional.at(2).toULongLong(&seedOk) : 1;
    if (!sizeOk || target <= 0 || !seedOk) {
        std::fprintf(stderr, "generate_skeleton: BYTES must be a positive number and SEED a "
                             "non-negative one\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(positional.at(0)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "generate_skeleton: cannot write %s\n", positional.at(0).constData());
        return 1;
    }
    if (drawOrderEvents) {
        if (!writeDrawOrderEvents(&file, target, seed) || !file.flush()) {
            std::fprintf(stderr, "generate_skeleton: writing %s failed\n",
                         positional.at(0).constData());
            return 1;
        }
        return 0;
    }
    Generator generator(target, seed, layout, variant);
    if (layout != Layout::V2) {
        // The 2.x file of this size, only counted, makes the size decisions.
        Generator sizing(target, seed, Layout::V2, variant);
        sizing.write(nullptr);
        generator.replay(sizing.decisions());
    }
    if (!generator.write(&file) || !file.flush()) {
        std::fprintf(stderr, "generate_skeleton: writing %s failed\n", positional.at(0).constData());
        return 1;
    }
    if (binary) {
        // The JSON just written, as the binary export of the same tree.
        file.close();
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        const QByteArray skel = skelFromJson42(QJsonDocument::fromJson(file.readAll()).object());
        file.close();
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(skel) != skel.size()
            || !file.flush()) {
            std::fprintf(stderr, "generate_skeleton: writing %s failed\n",
                         positional.at(0).constData());
            return 1;
        }
    }
    const Counts &c = generator.counts();
    const double total = double(generator.written());
    std::printf("%lld bytes: %d bones, %d slots, %d skins (%d images, %d meshes, %d skinned "
                "meshes, %d bounding boxes), %d animations (%d bone, %d slot, %d deform keys); "
                "setup %.0f%%, skins %.0f%%, bone timelines %.0f%%, deform timelines %.0f%%\n",
                generator.written(), generator.boneCount(), generator.slotCount(), c.skins,
                c.images, c.meshes, c.skinnedMeshes, c.boundingBoxes, c.animations, c.boneKeys,
                c.slotKeys, c.deformKeys, 100 * c.setupBytes / total, 100 * c.skinBytes / total,
                100 * c.boneTimelineBytes / total, 100 * c.deformBytes / total);
    return 0;
}
