#include "skins.h"

#include "attachment_item.h"
#include "attachment_lines.h"
#include "qmltext/indent.h"
#include "qmltext/qml_ids.h"
#include "qmltext/statements.h"
#include "qmltext/string_literal.h"

namespace {

// A state up to its closing brace, without the line feed after it: between
// states the comma goes before that line feed.
void appendSkinStateUpToBrace(QString &out, const QString &skinName, const QJsonObject &skin)
{
    const QString displayName = skinDisplayName(skinName);
    const QString parent = QStringLiteral("parent");
    out += QLatin1String("State {\n\tname: ");
    out += qmlStringLiteral(skinName.toUpper());
    out += QLatin1Char('\n');
    for (auto slot = skin.begin(); slot != skin.end(); ++slot) {
        const QJsonObject attachments = slot.value().toObject();
        for (auto it = attachments.begin(); it != attachments.end(); ++it) {
            appendPropertyChanges(out, attachmentItemId(displayName, slot.key(), it.key()),
                                  parent, containerId(it.key()));
        }
    }
    out += QLatin1Char('}');
}

void appendSkinItem(QString &out, bool packed, const QString &skinName, const QJsonObject &skin,
                    const QJsonObject &root, QMap<QString, QString> &aliases,
                    const PartDone &partDone)
{
    const QString displayName = skinDisplayName(skinName);
    out += QLatin1String("Item {\n\tid: ");
    out += skinItemId(displayName);
    out += QLatin1String("\n\n");
    for (auto slot = skin.begin(); slot != skin.end(); ++slot) {
        const QJsonObject attachments = slot.value().toObject();
        for (auto it = attachments.begin(); it != attachments.end(); ++it) {
            appendIndentedLines(out, attachmentItem(packed, it.value().toObject(), it.key(),
                                                    slot.key(), displayName, root, aliases));
            reportPartDone(partDone, out);
        }
    }
    out += QLatin1String("}\n");
}

} // namespace

QString skinDisplayName(const QString &skinName)
{
    return skinName == QLatin1String("default") ? defaultSkinDisplayName : skinName;
}

QString writeSkinState(const QString &skinName, const QJsonObject &skin)
{
    QString out;
    appendSkinStateUpToBrace(out, skinName, skin);
    out += QLatin1Char('\n');
    return out;
}

void appendSkins(QString &out, bool packed, const QJsonObject &skins, const QJsonObject &root,
                 QMap<QString, QString> &aliases, const PartDone &partDone)
{
    out += QLatin1String("property Item skins: Item {\nvisible: false\n\n");
    if (!skins.isEmpty()) {
        out += QLatin1String("states: [\n");
        for (auto skin = skins.begin(); skin != skins.end(); ++skin) {
            if (skin != skins.begin())
                out += QLatin1String(",\n");
            appendSkinStateUpToBrace(out, skin.key(), skin.value().toObject());
            reportPartDone(partDone, out);
        }
        out += QLatin1String("\n]\n");
    }
    for (auto skin = skins.begin(); skin != skins.end(); ++skin)
        appendSkinItem(out, packed, skin.key(), skin.value().toObject(), root, aliases, partDone);
    out += QLatin1String("}\n");
}

QString writeSkins(bool packed, const QJsonObject &skins, const QJsonObject &root,
                   QMap<QString, QString> &aliases)
{
    QString out;
    appendSkins(out, packed, skins, root, aliases);
    return out;
}
