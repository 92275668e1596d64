#include "id_table.h"

#include "global_strings.h"
#include "qml_ids.h"

namespace {

QString found(const QHash<QString, QString> &table, const QString &key, const QString &derived)
{
    const auto it = table.constFind(key);
    return it == table.constEnd() ? derived : it.value();
}

} // namespace

QString IdTable::bone(const QString &name) const
{
    const auto it = bonesByName.constFind(name);
    return it == bonesByName.constEnd() ? boneId(name) : it.value();
}

QString IdTable::boneAt(int index) const
{
    // Every index outside the skeleton names the bone without a name.
    return index >= 0 && index < boneIds.size() ? boneIds.at(index) : bone(QString());
}

QString IdTable::boneAlias(int index) const
{
    return index >= 0 && index < boneAliases.size() ? boneAliases.at(index)
                                                    : QLatin1Char('a') + boneAt(index);
}

QString IdTable::joint(int index) const
{
    return index >= 0 && index < jointIds.size() ? jointIds.at(index) : jointId(QString());
}

QString IdTable::slot(const QString &name) const
{
    const auto it = slotsByName.constFind(name);
    return it == slotsByName.constEnd() ? slotId(name) : it.value();
}

QString IdTable::slotAt(int index) const
{
    return index >= 0 && index < slotIds.size() ? slotIds.at(index) : slot(QString());
}

QString IdTable::container(const QString &attachmentName) const
{
    const auto it = containers.constFind(attachmentName);
    return it == containers.constEnd() ? containerId(attachmentName) : it.value();
}

QString IdTable::skinItem(const QString &skinName) const
{
    const auto it = skinItems.constFind(skinName);
    return it == skinItems.constEnd() ? skinItemId(skinDisplayName(skinName)) : it.value();
}

QString IdTable::stateName(const QString &skinName) const
{
    return found(stateNames, skinName, skinName.toUpper());
}

QString IdTable::attachmentItem(const QString &skinName, const QString &slotName,
                                const QString &attachmentName) const
{
    const auto it = attachmentItems.constFind(attachmentKey(skinName, slotName, attachmentName));
    if (it != attachmentItems.constEnd())
        return it.value();
    return attachmentItemId(skinDisplayName(skinName), slotName, attachmentName);
}

QString IdTable::animation(const QString &name) const
{
    const auto it = animations.constFind(name);
    return it == animations.constEnd() ? animationId(name) : it.value();
}

QString IdTable::animationAlias(const QString &name) const
{
    const auto it = animationAliases.constFind(name);
    return it == animationAliases.constEnd() ? animation(name) + animationIdSuffix : it.value();
}

QString IdTable::attachmentKey(const QString &skinName, const QString &slotName,
                               const QString &attachmentName)
{
    // Lengths first, so that no two triples of names share a key.
    return QString::number(skinName.size()) + QLatin1Char(':') + skinName
            + QString::number(slotName.size()) + QLatin1Char(':') + slotName + attachmentName;
}
