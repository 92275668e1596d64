#include "skins.h"

#include "attachment_item.h"
#include "qmltext/indent.h"
#include "qmltext/qml_ids.h"
#include "qmltext/statements.h"
#include "qmltext/string_literal.h"

namespace {

// A state up to its closing brace, without the line feed after it: between
// states the comma goes before that line feed.
void appendSkinStateUpToBrace(QString &out, const QString &skinName, const QJsonObject &skin,
                              const IdTable &ids)
{
    const QString parent = QStringLiteral("parent");
    out += QLatin1String("State {\n\tname: ");
    out += qmlStringLiteral(ids.stateName(skinName));
    out += QLatin1Char('\n');
    for (auto slot = skin.begin(); slot != skin.end(); ++slot) {
        const QJsonObject attachments = slot.value().toObject();
        for (auto it = attachments.begin(); it != attachments.end(); ++it) {
            appendPropertyChanges(out, ids.attachmentItem(skinName, slot.key(), it.key()), parent,
                                  ids.container(it.key()));
        }
    }
    out += QLatin1Char('}');
}

void appendSkinItem(QString &out, bool packed, const QString &skinName, const QJsonObject &skin,
                    const IdTable &ids, const PartDone &partDone)
{
    out += QLatin1String("Item {\n\tid: ");
    out += ids.skinItem(skinName);
    out += QLatin1String("\n\n");
    AttachmentPlace place;
    place.packed = packed;
    // By display name: a skin whose own name is "default skin" is placed like
    // the skin "default".
    place.inDefaultSkin = skinDisplayName(skinName) == QLatin1String("default skin");
    for (auto slot = skin.begin(); slot != skin.end(); ++slot) {
        const QJsonObject attachments = slot.value().toObject();
        for (auto it = attachments.begin(); it != attachments.end(); ++it) {
            place.itemId = ids.attachmentItem(skinName, slot.key(), it.key());
            place.containerId = ids.container(it.key());
            appendIndentedLines(out, attachmentItem(it.value().toObject(), it.key(), place, ids));
            reportPartDone(partDone, out);
        }
    }
    out += QLatin1String("}\n");
}

} // namespace

QString writeSkinState(const QString &skinName, const QJsonObject &skin, const IdTable &ids)
{
    QString out;
    appendSkinStateUpToBrace(out, skinName, skin, ids);
    out += QLatin1Char('\n');
    return out;
}

void appendSkins(QString &out, bool packed, const QJsonObject &skins, const IdTable &ids,
                 const PartDone &partDone)
{
    out += QLatin1String("property Item skins: Item {\nvisible: false\n\n");
    if (!skins.isEmpty()) {
        out += QLatin1String("states: [\n");
        for (auto skin = skins.begin(); skin != skins.end(); ++skin) {
            if (skin != skins.begin())
                out += QLatin1String(",\n");
            appendSkinStateUpToBrace(out, skin.key(), skin.value().toObject(), ids);
            reportPartDone(partDone, out);
        }
        out += QLatin1String("\n]\n");
    }
    for (auto skin = skins.begin(); skin != skins.end(); ++skin)
        appendSkinItem(out, packed, skin.key(), skin.value().toObject(), ids, partDone);
    out += QLatin1String("}\n");
}

QString writeSkins(bool packed, const QJsonObject &skins, const IdTable &ids)
{
    QString out;
    appendSkins(out, packed, skins, ids);
    return out;
}
