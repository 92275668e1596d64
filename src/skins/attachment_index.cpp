#include "attachment_index.h"

#include <QJsonArray>

AttachmentIndex buildAttachmentIndex(const QJsonObject &root)
{
    AttachmentIndex index;
    const QJsonObject skins = root.value(QLatin1String("skins")).toObject();
    for (const QJsonValue &skin : skins) {
        const QJsonObject slots = skin.toObject();
        for (const QJsonValue &slot : slots) {
            const QJsonObject attachments = slot.toObject();
            for (auto it = attachments.begin(); it != attachments.end(); ++it)
                index.insert(it.key(), QString());
        }
    }
    // Setup attachments come last, so the later slot of two with the same
    // setup attachment names the container.
    const QJsonArray slots = root.value(QLatin1String("slots")).toArray();
    for (const QJsonValue &element : slots) {
        const QJsonObject slot = element.toObject();
        if (slot.contains(QLatin1String("attachment"))) {
            index.insert(slot.value(QLatin1String("attachment")).toString(),
                         slot.value(QLatin1String("name")).toString());
        }
    }
    return index;
}

QString attachmentContainer(const QString &attachmentName, const QString &slotName,
                            const IdTable &ids)
{
    QString line = QLatin1String("Attachment { id: ") + ids.container(attachmentName);
    if (!slotName.isEmpty())
        line += QLatin1String("; setupParent: ") + ids.slot(slotName);
    line += QLatin1String(" }\n");
    return line;
}

QString writeAttachments(const QJsonObject &root, const IdTable &ids)
{
    const AttachmentIndex index = buildAttachmentIndex(root);
    QString out = QStringLiteral("Item {\n\tid: attachments\n\tvisible: false\n\n");
    for (auto it = index.begin(); it != index.end(); ++it)
        out += attachmentContainer(it.key(), it.value(), ids);
    out += QLatin1String("}\n");
    return out;
}
