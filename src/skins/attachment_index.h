#pragma once

#include <QJsonObject>
#include <QMap>
#include <QString>

// Every attachment name of every skin and every slot's setup attachment,
// mapped to the name of the slot that shows it at setup (empty when none).
using AttachmentIndex = QMap<QString, QString>;

AttachmentIndex buildAttachmentIndex(const QJsonObject &root);
QString attachmentContainer(const QString &attachmentName, const QString &slotName);
// The invisible "attachments" item with one container per attachment name.
QString writeAttachments(const QJsonObject &root);
