#include "reader_4x.h"

#include "json_number.h"

#include <algorithm>

void ObjectBuilder::add(const QString &key, const QJsonValue &value)
{
    m_members.append({key.toUtf8(), key, value});
}

QJsonObject ObjectBuilder::build()
{
    std::stable_sort(m_members.begin(), m_members.end(),
                     [](const Member &a, const Member &b) { return a.order < b.order; });
    QJsonObject object;
    for (const Member &member : qAsConst(m_members))
        object.insert(member.key, member.value);
    m_members.clear();
    return object;
}

QString quotedName(const char *kind, const QString &name)
{
    const int longest = 100;
    QString shown = name.size() <= longest ? name : name.left(longest) + QStringLiteral("...");
    // The message is one line on a terminal.
    for (QChar &c : shown) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char('?');
    }
    return QLatin1String(kind) + QLatin1String(" \"") + shown + QLatin1Char('"');
}

Reader4x::Reader4x(BinaryInput &input, const Layout4x &layout)
    : m_in(input),
      m_layout(layout),
      m_copyBudget((1 << 20) + 32 * qint64(input.bytesLeft()))
{
    m_bones.kind = QStringLiteral("bone");
    m_bones.plural = QStringLiteral("bones");
    m_slots.kind = QStringLiteral("slot");
    m_slots.plural = QStringLiteral("slots");
    m_ik.kind = QStringLiteral("IK constraint");
    m_ik.plural = QStringLiteral("IK constraints");
    m_transform.kind = QStringLiteral("transform constraint");
    m_transform.plural = QStringLiteral("transform constraints");
    m_path.kind = QStringLiteral("path constraint");
    m_path.plural = QStringLiteral("path constraints");
    m_physics.kind = QStringLiteral("physics constraint");
    m_physics.plural = QStringLiteral("physics constraints");
    m_skins.kind = QStringLiteral("skin");
    m_skins.plural = QStringLiteral("skins");
    m_events.kind = QStringLiteral("event");
    m_events.plural = QStringLiteral("events");
}

QJsonObject Reader4x::readSkeleton()
{
    QJsonObject root;
    root.insert(QStringLiteral("skeleton"), readHeader());
    root.insert(QStringLiteral("bones"), readBones());
    root.insert(QStringLiteral("slots"), readSlots());
    // The fewest bytes a constraint takes: a name, the order, the bone count,
    // the target and the flags; a path constraint its skin flag besides; a
    // physics constraint the numbers and flags it always holds.
    insertUnlessEmpty(root, QStringLiteral("ik"),
                      readConstraints(m_ik, "IK constraint", 5, &Reader4x::readIkConstraint));
    insertUnlessEmpty(root, QStringLiteral("transform"),
                      readConstraints(m_transform, "transform constraint", 5,
                                      &Reader4x::readTransformConstraint));
    insertUnlessEmpty(root, QStringLiteral("path"),
                      readConstraints(m_path, "path constraint", 6, &Reader4x::readPathConstraint));
    if (m_layout.physics)
        insertUnlessEmpty(root, QStringLiteral("physics"),
                          readConstraints(m_physics, "physics constraint", 18,
                                          &Reader4x::readPhysicsConstraint));
    insertUnlessEmpty(root, QStringLiteral("skins"), readSkins());
    insertUnlessEmpty(root, QStringLiteral("events"), readEvents());
    root.insert(QStringLiteral("animations"), readAnimations());
    if (m_in.bytesLeft() > 0)
        m_in.failAtOffset(QStringLiteral("%1 %2 left over after the animations")
                                  .arg(m_in.bytesLeft())
                                  .arg(m_in.bytesLeft() == 1 ? QStringLiteral("byte")
                                                             : QStringLiteral("bytes")));
    return root;
}

QString Reader4x::readStringRef()
{
    const qint32 index = m_in.readVarint();
    if (index == 0)
        return QString();
    if (index < 0 || index > m_strings.size())
        m_in.fail(QStringLiteral("string reference %1 in %2, but the string table has %3 strings")
                          .arg(QString::number(quint32(index)), m_in.context(),
                               QString::number(m_strings.size())));
    return charge(m_strings.at(index - 1));
}

const QString &Reader4x::charge(const QString &name)
{
    m_copied += name.size();
    if (m_copied > m_copyBudget)
        m_in.fail(QStringLiteral("names repeated beyond %1 characters, more than the file's size "
                                 "could mean, in %2")
                          .arg(m_copyBudget)
                          .arg(m_in.context()));
    return name;
}

QString Reader4x::readReference(const NameTable &table)
{
    return charge(table.names.at(readIndex(table)));
}

QString Reader4x::readRequiredStringRef(const QString &what)
{
    const QString text = readStringRef();
    if (text.isNull())
        m_in.fail(QStringLiteral("no name for ") + what);
    return text;
}

int Reader4x::readIndex(const NameTable &table)
{
    const qint32 index = m_in.readVarint();
    if (index < 0 || index >= table.names.size())
        m_in.fail(QStringLiteral("%1 index %2 in %3, but the skeleton has %4 %5")
                          .arg(table.kind, QString::number(quint32(index)), m_in.context(),
                               QString::number(table.names.size()),
                               table.names.size() == 1 ? table.kind : table.plural));
    return index;
}

void Reader4x::checkEnum(int value, int count, const QString &what)
{
    if (value < 0 || value >= count)
        m_in.fail(QStringLiteral("an unknown %1 (%2) in %3")
                          .arg(what, QString::number(value), m_in.context()));
}

double Reader4x::readNumber(int decimals)
{
    return jsonNumber(m_in.readFloat(), decimals);
}

QJsonArray Reader4x::readNames(const NameTable &table)
{
    QJsonArray names;
    const int count = m_in.readCount();
    for (int i = 0; i < count; ++i)
        names.append(readReference(table));
    return names;
}
