#include "attachment_parts.h"

#include <QMap>

namespace {

QLatin1String key(const char *text) { return QLatin1String(text); }

// A skin of the array form keeps its own bones and constraints, which the
// 2.x layout has no place for.
qint64 skinOwnItems(const QJsonObject &skin)
{
    qint64 items = 0;
    for (const char *list : {"bones", "ik", "transform", "path", "physics", "slider"})
        items += skin.value(key(list)).toArray().size();
    return items;
}

} // namespace

QJsonObject skinsAsObject(const QJsonValue &skins, CarryOverReport &lost,
                          Diagnostics &diagnostics)
{
    if (!skins.isArray())
        return skins.toObject();
    const QJsonArray list = skins.toArray();
    QMap<QString, QJsonObject> kept;
    for (const QJsonValue &element : list) {
        if (!element.isObject())
            continue;
        const QJsonObject skin = element.toObject();
        const QString name = skin.value(key("name")).toString();
        if (kept.contains(name)) {
            diagnostics.warn(QStringLiteral("skin \"%1\" is given twice: the later one is ignored")
                                     .arg(name));
            continue;
        }
        kept.insert(name, skin.value(key("attachments")).toObject());
        lost.count(Lost::SkinBonesAndConstraints, skinOwnItems(skin));
    }
    // In key order, each skin lands at the end of the object: inserting in
    // array order would move the ones before it every time.
    QJsonObject out;
    for (auto it = kept.cbegin(); it != kept.cend(); ++it)
        out.insert(it.key(), it.value());
    return out;
}

namespace {

QVector<SkinAttachment> listAttachments(const QJsonObject &skins)
{
    QVector<SkinAttachment> list;
    for (auto skin = skins.begin(); skin != skins.end(); ++skin) {
        const QJsonObject slots = skin.value().toObject();
        for (auto slot = slots.begin(); slot != slots.end(); ++slot) {
            const QJsonObject attachments = slot.value().toObject();
            for (auto attachment = attachments.begin(); attachment != attachments.end(); ++attachment) {
                SkinAttachment entry;
                entry.path = {skin.key(), slot.key(), attachment.key()};
                entry.object = attachment.value().toObject();
                list.append(entry);
            }
        }
    }
    return list;
}

// The skins again, from the upgraded attachments, which come in the same
// key order; dropped ones leave nothing, not even their slot's entry.
QJsonObject rebuiltSkins(const QJsonObject &skins, const QVector<SkinAttachment> &list)
{
    QJsonObject out;
    int next = 0;
    for (auto skin = skins.begin(); skin != skins.end(); ++skin) {
        const QJsonObject slots = skin.value().toObject();
        QJsonObject slotsOut;
        for (auto slot = slots.begin(); slot != slots.end(); ++slot) {
            const int count = slot.value().toObject().size();
            QJsonObject attachmentsOut;
            bool droppedAny = false;
            for (int i = 0; i < count; ++i, ++next) {
                const SkinAttachment &entry = list.at(next);
                if (entry.state == SkinAttachment::Dropped)
                    droppedAny = true;
                else
                    attachmentsOut.insert(entry.path.attachment, entry.object);
            }
            if (!droppedAny || !attachmentsOut.isEmpty())
                slotsOut.insert(slot.key(), attachmentsOut);
        }
        out.insert(skin.key(), slotsOut);
    }
    return out;
}

// Per slot, the names dropped in every skin that had them under that slot.
QHash<QString, QSet<QString>> namesDroppedEverywhere(const QVector<SkinAttachment> &list)
{
    QHash<QString, QSet<QString>> dropped;
    QHash<QString, QSet<QString>> kept;
    for (const SkinAttachment &entry : list) {
        auto &names = entry.state == SkinAttachment::Dropped ? dropped : kept;
        names[entry.path.slot].insert(entry.path.attachment);
    }
    for (auto it = dropped.begin(); it != dropped.end();) {
        const QSet<QString> keptNames = kept.value(it.key());
        it.value().subtract(keptNames);
        if (it.value().isEmpty())
            it = dropped.erase(it);
        else
            ++it;
    }
    return dropped;
}

// A slot whose setup attachment shows nothing any more starts empty. The
// array is built anew: replacing elements one by one could copy it each time.
QJsonArray withoutHiddenSetupAttachments(const QJsonArray &slots,
                                         const QHash<QString, QSet<QString>> &hidden)
{
    if (hidden.isEmpty())
        return slots;
    QJsonArray out;
    for (const QJsonValue &element : slots) {
        QJsonObject slot = element.toObject();
        const auto names = hidden.constFind(slot.value(key("name")).toString());
        if (names != hidden.constEnd() && slot.contains(key("attachment"))
            && names->contains(slot.value(key("attachment")).toString()))
            slot.remove(key("attachment"));
        out.append(slot);
    }
    return out;
}

} // namespace

QJsonObject upgradedSkins(const QJsonObject &skins, QJsonArray &slots, UpgradeContext &context,
                          CarryOverReport &lost, Diagnostics &diagnostics)
{
    QVector<SkinAttachment> list = listAttachments(skins);
    for (SkinAttachment &attachment : list)
        upgradeAttachment(attachment, lost, diagnostics);
    resolveLinkedMeshes(list, context, lost, diagnostics);
    for (const SkinAttachment &attachment : list) {
        if (attachment.state == SkinAttachment::Dropped)
            context.dropped.insert(attachment.path);
    }
    context.hiddenNames = namesDroppedEverywhere(list);
    slots = withoutHiddenSetupAttachments(slots, context.hiddenNames);
    return rebuiltSkins(skins, list);
}
