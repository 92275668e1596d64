#include "skins.h"

#include "attachment_item.h"
#include "attachment_lines.h"
#include "qmltext/indent.h"
#include "qmltext/qml_ids.h"
#include "qmltext/statements.h"
#include "qmltext/string_literal.h"

QString skinDisplayName(const QString &skinName)
{
    return skinName == QLatin1String("default") ? defaultSkinDisplayName : skinName;
}

QString writeSkinState(const QString &skinName, const QJsonObject &skin)
{
    const QString displayName = skinDisplayName(skinName);
    QString out = QLatin1String("State {\n\tname: ") + qmlStringLiteral(skinName.toUpper())
            + QLatin1Char('\n');
    for (auto slot = skin.begin(); slot != skin.end(); ++slot) {
        const QJsonObject attachments = slot.value().toObject();
        for (auto it = attachments.begin(); it != attachments.end(); ++it) {
            out += propertyChanges(attachmentItemId(displayName, slot.key(), it.key()),
                                   QStringLiteral("parent"), containerId(it.key()));
        }
    }
    out += QLatin1String("}\n");
    return out;
}

namespace {

QString skinItem(bool packed, const QString &skinName, const QJsonObject &skin,
                 const QJsonObject &root, QMap<QString, QString> &aliases)
{
    const QString displayName = skinDisplayName(skinName);
    QString out = QLatin1String("Item {\n\tid: ") + skinItemId(displayName)
            + QLatin1String("\n\n");
    for (auto slot = skin.begin(); slot != skin.end(); ++slot) {
        const QJsonObject attachments = slot.value().toObject();
        for (auto it = attachments.begin(); it != attachments.end(); ++it) {
            const QString item = attachmentItem(packed, it.value().toObject(), it.key(),
                                                slot.key(), displayName, root, aliases);
            out += indentLines(item);
        }
    }
    out += QLatin1String("}\n");
    return out;
}

} // namespace

QString writeSkins(bool packed, const QJsonObject &skins, const QJsonObject &root,
                   QMap<QString, QString> &aliases)
{
    QString out = QStringLiteral("property Item skins: Item {\nvisible: false\n\n");
    if (!skins.isEmpty()) {
        out += QLatin1String("states: [\n");
        for (auto skin = skins.begin(); skin != skins.end(); ++skin) {
            // States are separated by "},\n": the comma goes before the line
            // feed that ends the previous state.
            if (skin != skins.begin())
                out.insert(out.size() - 1, QLatin1Char(','));
            out += writeSkinState(skin.key(), skin.value().toObject());
        }
        out += QLatin1String("]\n");
    }
    for (auto skin = skins.begin(); skin != skins.end(); ++skin)
        out += skinItem(packed, skin.key(), skin.value().toObject(), root, aliases);
    out += QLatin1String("}\n");
    return out;
}
