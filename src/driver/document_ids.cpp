#include "document_ids.h"

#include "qmltext/global_strings.h"
#include "qmltext/qml_ids.h"
#include "qmltext/unique_names.h"
#include "skins/attachment_index.h"
#include "skins/attachment_item.h"

#include <QJsonArray>
#include <QMap>

namespace {

QString quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// One kind of named item, as a warning names it.
struct Kind {
    const char *one;
    const char *many;
};
const Kind boneKind = {"bone", "bones"};
const Kind jointKind = {"IK constraint", "IK constraints"};
const Kind slotKind = {"slot", "slots"};
const Kind containerKind = {"attachment name", "attachment names"};
const Kind skinKind = {"skin", "skins"};
const Kind animationKind = {"animation", "animations"};

QString described(const Kind &kind, const QString &name)
{
    return QLatin1String(kind.one) + QLatin1Char(' ') + quoted(name);
}

class IdBuilder
{
public:
    explicit IdBuilder(Diagnostics &diagnostics) : m_diagnostics(diagnostics)
    {
        // The document's own ids and root properties.
        m_ids.reserve(QStringLiteral("root"), QStringLiteral("the root item"));
        m_ids.reserve(QStringLiteral("attachments"), QStringLiteral("the attachments item"));
        for (const char *property : {"imageFolder", "imageFolderAndDash", "skins"}) {
            m_properties.reserve(QLatin1String(property),
                                 QLatin1String("the root property ") + QLatin1String(property));
        }
    }

    // The final id of an item of a kind, warning when its derived id was taken.
    QString itemId(const QString &derived, const Kind &kind, const QString &name)
    {
        return itemId(derived, described(kind, name), kind.many, name);
    }

    QString itemId(const QString &derived, const QString &owner, const char *kindMany,
                   const QString &name)
    {
        const UniqueNames::Claim claim = m_ids.claim(derived, owner);
        if (claim.takenBy == owner) {
            m_diagnostics.warn(QStringLiteral("two %1 are named %2: references name the first, "
                                              "the later one gets the id %3")
                                       .arg(QLatin1String(kindMany), quoted(name), claim.name));
        } else if (!claim.takenBy.isEmpty()) {
            m_diagnostics.warn(QStringLiteral("%1 gets the id %2: %3 is the id of %4")
                                       .arg(owner, claim.name, derived, claim.takenBy));
        }
        return claim.name;
    }

    QString propertyName(const QString &wanted, const QString &owner, const char *what)
    {
        return uniqueName(m_properties, wanted, owner, what);
    }

    QString stateName(const QString &skinName)
    {
        return uniqueName(m_states, skinName.toUpper(), described(skinKind, skinName),
                          "state name");
    }

private:
    QString uniqueName(UniqueNames &names, const QString &wanted, const QString &owner,
                       const char *what)
    {
        const UniqueNames::Claim claim = names.claim(wanted, owner);
        if (!claim.takenBy.isEmpty()) {
            m_diagnostics.warn(QStringLiteral("the %1 of %2 is %3: %4 is the %1 of %5")
                                       .arg(QLatin1String(what), owner, claim.name, wanted,
                                            claim.takenBy));
        }
        return claim.name;
    }

    Diagnostics &m_diagnostics;
    UniqueNames m_ids;
    UniqueNames m_properties;
    UniqueNames m_states;
};

QString nameOf(const QJsonValue &item)
{
    return item.toObject().value(QLatin1String("name")).toString();
}

// Bones, IK constraints and slots: ids by position, references by the first
// of each name.
void addSetupIds(IdBuilder &builder, const QJsonObject &skeleton, IdTable &table)
{
    const QJsonArray bones = skeleton.value(QLatin1String("bones")).toArray();
    for (const QJsonValue &bone : bones) {
        const QString name = nameOf(bone);
        table.boneIds.append(builder.itemId(boneId(name), boneKind, name));
        if (!table.bonesByName.contains(name))
            table.bonesByName.insert(name, table.boneIds.last());
    }
    const QJsonArray constraints = skeleton.value(QLatin1String("ik")).toArray();
    for (const QJsonValue &constraint : constraints) {
        const QString name = nameOf(constraint);
        table.jointIds.append(builder.itemId(jointId(name), jointKind, name));
    }
    const QJsonArray slots = skeleton.value(QLatin1String("slots")).toArray();
    for (const QJsonValue &slot : slots) {
        const QString name = nameOf(slot);
        table.slotIds.append(builder.itemId(slotId(name), slotKind, name));
        if (!table.slotsByName.contains(name))
            table.slotsByName.insert(name, table.slotIds.last());
    }
    const AttachmentIndex index = buildAttachmentIndex(skeleton);
    for (auto it = index.begin(); it != index.end(); ++it)
        table.containers.insert(it.key(), builder.itemId(containerId(it.key()), containerKind, it.key()));
}

struct ImageItem {
    QString id;
    QString description;
};

// Each skin item, then the items of its attachments; the image items' root
// aliases by their derived names, in the order they are written (of two
// images with one derived alias name, the later one keeps it).
QMap<QString, ImageItem> addSkinIds(IdBuilder &builder, const QJsonObject &skins, IdTable &table)
{
    QMap<QString, ImageItem> imageAliases;
    for (auto skin = skins.begin(); skin != skins.end(); ++skin) {
        const QString displayName = skinDisplayName(skin.key());
        table.skinItems.insert(skin.key(), builder.itemId(skinItemId(displayName), skinKind,
                                                          skin.key()));
        table.stateNames.insert(skin.key(), builder.stateName(skin.key()));
        const QJsonObject slots = skin.value().toObject();
        for (auto slot = slots.begin(); slot != slots.end(); ++slot) {
            const QJsonObject attachments = slot.value().toObject();
            for (auto it = attachments.begin(); it != attachments.end(); ++it) {
                const QString owner = QStringLiteral("attachment %1 of slot %2 in skin %3")
                                              .arg(quoted(it.key()), quoted(slot.key()),
                                                   quoted(skin.key()));
                const QString id = builder.itemId(
                        attachmentItemId(displayName, slot.key(), it.key()), owner,
                        "attachments", it.key());
                table.attachmentItems.insert(
                        IdTable::attachmentKey(skin.key(), slot.key(), it.key()), id);
                if (isImageAttachment(it.value().toObject()))
                    imageAliases.insert(imageAliasName(displayName, it.key()), {id, owner});
            }
        }
    }
    return imageAliases;
}

} // namespace

IdTable buildIdTable(const QJsonObject &skeleton, Diagnostics &diagnostics)
{
    IdBuilder builder(diagnostics);
    IdTable table;
    addSetupIds(builder, skeleton, table);
    const QMap<QString, ImageItem> imageAliases =
            addSkinIds(builder, skeleton.value(QLatin1String("skins")).toObject(), table);
    const QJsonObject animations = skeleton.value(QLatin1String("animations")).toObject();
    for (auto it = animations.begin(); it != animations.end(); ++it) {
        table.animations.insert(it.key(), builder.itemId(animationId(it.key()), animationKind,
                                                         it.key()));
    }

    // Root property names, in the order they are written.
    const QJsonArray bones = skeleton.value(QLatin1String("bones")).toArray();
    for (int i = 0; i < table.boneIds.size(); ++i) {
        table.boneAliases.append(builder.propertyName(QLatin1Char('a') + table.boneIds.at(i),
                                                      described(boneKind, nameOf(bones.at(i))),
                                                      "alias"));
    }
    for (auto it = imageAliases.begin(); it != imageAliases.end(); ++it) {
        table.imageAliases.append(
                {builder.propertyName(it.key(), it.value().description, "alias"), it.value().id});
    }
    for (auto it = animations.begin(); it != animations.end(); ++it) {
        table.animationAliases.insert(
                it.key(), builder.propertyName(table.animations.value(it.key()) + animationIdSuffix,
                                               described(animationKind, it.key()), "alias"));
    }
    return table;
}
