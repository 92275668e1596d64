#pragma once

#include <QHash>
#include <QPair>
#include <QString>
#include <QVector>

// The final id of every item of one document and the names of the root's
// properties and skin states, made unique before the first line is written.
// Items are looked up by their position or their Spine name; a name that
// belongs to several items names the first of them, and a name that no item
// has gets the id its name derives (the writers never fail on a dangling
// reference). An empty table therefore gives every derived id unchanged.
class IdTable
{
public:
    QString bone(const QString &name) const;
    QString boneAt(int index) const;
    QString boneAlias(int index) const;
    QString joint(int index) const;
    QString slot(const QString &name) const;
    QString slotAt(int index) const;
    QString container(const QString &attachmentName) const;
    QString skinItem(const QString &skinName) const;
    QString stateName(const QString &skinName) const;
    QString attachmentItem(const QString &skinName, const QString &slotName,
                           const QString &attachmentName) const;
    QString animation(const QString &name) const;
    QString animationAlias(const QString &name) const;
    // Filled once, in document order, by the document's id builder.
    QVector<QString> boneIds;
    QVector<QString> boneAliases;
    QVector<QString> jointIds;
    QVector<QString> slotIds;
    QHash<QString, QString> bonesByName;
    QHash<QString, QString> slotsByName;
    QHash<QString, QString> containers;
    QHash<QString, QString> skinItems;
    QHash<QString, QString> stateNames;
    QHash<QString, QString> attachmentItems;
    QHash<QString, QString> animations;
    QHash<QString, QString> animationAliases;
    // The root aliases of the image items, final alias name to item id, in
    // the order they are written.
    QVector<QPair<QString, QString>> imageAliases;

    // The key of attachmentItems for one attachment of one skin's slot.
    static QString attachmentKey(const QString &skinName, const QString &slotName,
                                 const QString &attachmentName);
};
