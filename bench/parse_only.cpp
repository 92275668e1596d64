// The floor the converter is measured against: read a skeleton file and
// parse it into a JSON document, exactly as the converter loads it, and do
// nothing else.
//
// With --check it instead proves that a generated input is what the
// benchmark claims to time: every reference resolves (so the converter does
// all its work instead of silently writing less), the mesh records are
// consistent, and every kind of attachment, timeline and curve is there.
// The benchmark runs the check once per input, outside the timed runs.
// Inputs in the 4.2 layout (skins as an array) are checked in their own
// spelling: weighted "mesh", "rgba", deforms under "attachments", curve
// arrays of four numbers per channel.
//
// Usage: parse_only INPUT
//        parse_only --check INPUT
// Exits with 0 when the file holds a JSON object (and passes the check),
// 1 otherwise.

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QMap>
#include <QSet>
#include <QStringList>

#include <cmath>
#include <cstdio>

namespace {

QLatin1String key(const char *name)
{
    return QLatin1String(name);
}

class Checker
{
public:
    explicit Checker(const QJsonObject &root)
        : m_root(root), m_newLayout(root.value(key("skins")).isArray())
    {
    }

    QStringList run()
    {
        checkBones();
        checkIk();
        checkSlots();
        checkSkins();
        checkAnimations();
        for (const char *feature : {"image", "mesh", "skinnedmesh", "boundingbox", "rotate",
                                    "translate", "scale", "attachment", "color", "ffd",
                                    "stepped", "bezier", "offset", "bone name with a space"}) {
            if (!m_seen.contains(QLatin1String(feature)))
                problem(QLatin1String("no ") + QLatin1String(feature) + QLatin1String(" at all"));
        }
        return m_problems;
    }

private:
    void problem(const QString &text)
    {
        if (m_problems.size() < 20)
            m_problems.append(text);
    }

    void checkBones()
    {
        for (const QJsonValue &element : m_root.value(key("bones")).toArray()) {
            const QJsonObject bone = element.toObject();
            const QString name = bone.value(key("name")).toString();
            if (name.isEmpty() || m_boneNames.contains(name))
                problem(QLatin1String("bone name empty or repeated: ") + name);
            const QString parent = bone.value(key("parent")).toString();
            if (bone.contains(key("parent")) && !m_boneNames.contains(parent))
                problem(QLatin1String("bone ") + name + QLatin1String(" has no earlier parent"));
            if (name.contains(QLatin1Char(' ')))
                m_seen.insert(QStringLiteral("bone name with a space"));
            m_boneNames.insert(name);
            m_bones.append(name);
        }
        if (m_bones.size() < 10)
            problem(QStringLiteral("fewer than ten bones"));
    }

    // 4.3 files keep their IK constraints in the one "constraints" list.
    void checkIk()
    {
        const bool oneList = m_root.contains(key("constraints"));
        for (const QJsonValue &element : m_root.value(key(oneList ? "constraints" : "ik")).toArray()) {
            const QJsonObject ik = element.toObject();
            if (oneList && ik.value(key("type")).toString() != QLatin1String("ik"))
                continue;
            QStringList names = {ik.value(key("target")).toString()};
            for (const QJsonValue &bone : ik.value(key("bones")).toArray())
                names.append(bone.toString());
            for (const QString &name : qAsConst(names)) {
                if (!m_boneNames.contains(name))
                    problem(QLatin1String("IK names a missing bone: ") + name);
            }
        }
    }

    void checkSlots()
    {
        for (const QJsonValue &element : m_root.value(key("slots")).toArray()) {
            const QJsonObject slot = element.toObject();
            const QString name = slot.value(key("name")).toString();
            if (!m_boneNames.contains(slot.value(key("bone")).toString()))
                problem(QLatin1String("slot ") + name + QLatin1String(" names a missing bone"));
            if (slot.contains(key("color")) && !isColor(slot.value(key("color")).toString()))
                problem(QLatin1String("slot ") + name + QLatin1String(" has a bad colour"));
            if (slot.contains(key("attachment")))
                m_setupAttachments.insert(name, slot.value(key("attachment")).toString());
            m_slotNames.insert(name);
        }
    }

    static bool isColor(const QString &text)
    {
        bool ok = false;
        text.toUInt(&ok, 16);
        return ok && text.size() == 8;
    }

    void checkSkins()
    {
        QJsonObject skins = m_root.value(key("skins")).toObject();
        for (const QJsonValue &element : m_root.value(key("skins")).toArray()) {
            const QJsonObject skin = element.toObject();
            skins.insert(skin.value(key("name")).toString(), skin.value(key("attachments")));
        }
        if (!skins.contains(key("default")) || skins.size() < 2)
            problem(QStringLiteral("no default skin, or no other skin"));
        for (auto skin = skins.begin(); skin != skins.end(); ++skin) {
            const QJsonObject slots = skin.value().toObject();
            for (auto slot = slots.begin(); slot != slots.end(); ++slot) {
                if (!m_slotNames.contains(slot.key()))
                    problem(QLatin1String("skin slot is not a slot: ") + slot.key());
                const QJsonObject attachments = slot.value().toObject();
                for (auto it = attachments.begin(); it != attachments.end(); ++it) {
                    const QString where = skin.key() + QLatin1Char('/') + slot.key()
                            + QLatin1Char('/') + it.key();
                    m_deformLength.insert(where, checkAttachment(where, it.value().toObject()));
                }
            }
        }
        const QJsonObject defaults = skins.value(key("default")).toObject();
        for (auto it = m_setupAttachments.begin(); it != m_setupAttachments.end(); ++it) {
            if (!defaults.value(it.key()).toObject().contains(it.value()))
                problem(QLatin1String("setup attachment not in the default skin: ") + it.value());
        }
    }

    // Returns how many values a deform key may change: 0 for no mesh.
    int checkAttachment(const QString &where, const QJsonObject &attachment)
    {
        QString type = attachment.value(key("type")).toString(QStringLiteral("image"));
        const QJsonArray vertices = attachment.value(key("vertices")).toArray();
        if (m_newLayout && type == QLatin1String("mesh")
            && vertices.size() > attachment.value(key("uvs")).toArray().size())
            type = QStringLiteral("skinnedmesh");
        m_seen.insert(type);
        if (type == QLatin1String("image"))
            return 0;
        if (type == QLatin1String("boundingbox")) {
            if (vertices.size() < 6 || vertices.size() % 2)
                problem(where + QLatin1String(": a bounding box needs three or more points"));
            return 0;
        }
        const int uvs = attachment.value(key("uvs")).toArray().size();
        int vertexCount = vertices.size() / 2;
        int deformLength = vertices.size();
        if (type == QLatin1String("skinnedmesh")) {
            vertexCount = 0;
            deformLength = 0;
            for (int i = 0; i < vertices.size(); ++vertexCount) {
                const int count = vertices.at(i++).toInt();
                if (count < 1 || i + 4 * count > vertices.size()) {
                    problem(where + QLatin1String(": skinned records do not add up"));
                    return 0;
                }
                double weights = 0;
                for (int k = 0; k < count; ++k, i += 4) {
                    const int bone = vertices.at(i).toInt(-1);
                    if (bone < 0 || bone >= m_bones.size())
                        problem(where + QLatin1String(": bone index out of range"));
                    weights += vertices.at(i + 3).toDouble();
                }
                if (std::fabs(weights - 1) > 0.01)
                    problem(where + QLatin1String(": weights of a vertex do not add up to 1"));
                deformLength += 2 * count;
            }
        } else if (type != QLatin1String("mesh")) {
            problem(where + QLatin1String(": unknown type ") + type);
            return 0;
        }
        if (uvs != 2 * vertexCount)
            problem(where + QLatin1String(": uvs and vertices disagree"));
        const QJsonArray triangles = attachment.value(key("triangles")).toArray();
        if (triangles.isEmpty() || triangles.size() % 3)
            problem(where + QLatin1String(": triangles are not triples"));
        for (const QJsonValue &index : triangles) {
            if (index.toInt(-1) < 0 || index.toInt() >= vertexCount) {
                problem(where + QLatin1String(": triangle index out of range"));
                break;
            }
        }
        return deformLength;
    }

    // Times must not go back, and curves are "stepped" or four numbers.
    void checkKeys(const QString &where, const QJsonArray &keys, bool curved)
    {
        if (keys.isEmpty())
            problem(where + QLatin1String(": empty timeline"));
        double previous = 0;
        for (const QJsonValue &element : keys) {
            const QJsonObject k = element.toObject();
            // 3.8 and later leave out a time of 0.
            const double time = k.value(key("time")).toDouble(m_newLayout ? 0 : -1);
            if (time < previous)
                problem(where + QLatin1String(": key times go back"));
            previous = time;
            if (!curved || !k.contains(key("curve")))
                continue;
            const QJsonValue curve = k.value(key("curve"));
            if (curve.toString() == QLatin1String("stepped"))
                m_seen.insert(QStringLiteral("stepped"));
            else if (curve.toArray().size() == 4
                     || (m_newLayout && curve.toArray().size() % 4 == 0 && curve.isArray()
                         && !curve.toArray().isEmpty()))
                m_seen.insert(QStringLiteral("bezier"));
            else
                problem(where + QLatin1String(": curve is neither stepped nor a bezier"));
        }
    }

    void checkAnimations()
    {
        const QJsonObject animations = m_root.value(key("animations")).toObject();
        if (animations.size() < 3)
            problem(QStringLiteral("fewer than three animations"));
        for (auto animation = animations.begin(); animation != animations.end(); ++animation) {
            const QJsonObject a = animation.value().toObject();
            const QJsonObject bones = a.value(key("bones")).toObject();
            for (auto bone = bones.begin(); bone != bones.end(); ++bone) {
                if (!m_boneNames.contains(bone.key()))
                    problem(QLatin1String("animated bone is not a bone: ") + bone.key());
                const QJsonObject timelines = bone.value().toObject();
                for (auto timeline = timelines.begin(); timeline != timelines.end(); ++timeline) {
                    m_seen.insert(timeline.key());
                    checkKeys(animation.key() + QLatin1Char('/') + bone.key(),
                              timeline.value().toArray(), true);
                }
            }
            const QJsonObject slots = a.value(key("slots")).toObject();
            for (auto slot = slots.begin(); slot != slots.end(); ++slot) {
                if (!m_slotNames.contains(slot.key()))
                    problem(QLatin1String("animated slot is not a slot: ") + slot.key());
                const QJsonObject timelines = slot.value().toObject();
                for (auto timeline = timelines.begin(); timeline != timelines.end(); ++timeline) {
                    const bool color = timeline.key() == QLatin1String(m_newLayout ? "rgba" : "color");
                    m_seen.insert(color ? QStringLiteral("color") : timeline.key());
                    checkKeys(animation.key() + QLatin1Char('/') + slot.key(),
                              timeline.value().toArray(), color);
                }
            }
            checkDeforms(animation.key(), a.value(key(m_newLayout ? "attachments" : "ffd")).toObject());
        }
    }

    void checkDeforms(const QString &animation, const QJsonObject &ffd)
    {
        for (auto skin = ffd.begin(); skin != ffd.end(); ++skin) {
            const QJsonObject slots = skin.value().toObject();
            for (auto slot = slots.begin(); slot != slots.end(); ++slot) {
                const QJsonObject attachments = slot.value().toObject();
                for (auto it = attachments.begin(); it != attachments.end(); ++it) {
                    m_seen.insert(QStringLiteral("ffd"));
                    const QString where = skin.key() + QLatin1Char('/') + slot.key()
                            + QLatin1Char('/') + it.key();
                    const int length = m_deformLength.value(where);
                    if (length == 0)
                        problem(animation + QLatin1String(" deforms what is no mesh: ") + where);
                    const QJsonArray keys = m_newLayout
                            ? it.value().toObject().value(key("deform")).toArray()
                            : it.value().toArray();
                    checkKeys(animation + QLatin1Char('/') + where, keys, true);
                    for (const QJsonValue &element : keys) {
                        const QJsonObject k = element.toObject();
                        const int offset = k.value(key("offset")).toInt();
                        if (offset)
                            m_seen.insert(QStringLiteral("offset"));
                        const int deltas = k.value(key("vertices")).toArray().size();
                        if (offset % 2 || offset + deltas > length)
                            problem(animation + QLatin1String(" deforms beyond ") + where);
                    }
                }
            }
        }
    }

    const QJsonObject m_root;
    const bool m_newLayout;
    QStringList m_bones;
    QSet<QString> m_boneNames, m_slotNames, m_seen;
    QMap<QString, QString> m_setupAttachments; // slot name to its setup attachment
    QMap<QString, int> m_deformLength;         // "skin/slot/attachment" to deformable values
    QStringList m_problems;
};

} // namespace

int main(int argc, char *argv[])
{
    const bool check = argc == 3 && QByteArray(argv[1]) == "--check";
    if (argc != 2 && !check) {
        std::fprintf(stderr, "Usage: parse_only [--check] INPUT\n");
        return 2;
    }
    const char *path = argv[argc - 1];
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "parse_only: cannot read %s\n", path);
        return 1;
    }
    const QByteArray bytes = file.readAll();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        std::fprintf(stderr, "parse_only: %s is not a JSON object (%s at byte %d)\n", path,
                     qPrintable(error.errorString()), error.offset);
        return 1;
    }
    if (!check)
        return 0;
    const QStringList problems = Checker(document.object()).run();
    for (const QString &problem : problems)
        std::fprintf(stderr, "parse_only: %s: %s\n", path, qPrintable(problem));
    if (problems.isEmpty())
        std::printf("%s: every reference resolves, every feature is there\n", path);
    return problems.isEmpty() ? 0 : 1;
}
