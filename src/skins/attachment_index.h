#pragma once

#include "qmltext/id_table.h"

#include <QJsonObject>
#include <QMap>
#include <QString>

// Every attachment name of every skin and every slot's setup attachment,
// mapped to the name of the slot that shows it at setup (empty when none).
using AttachmentIndex = QMap<QString, QString>;

AttachmentIndex buildAttachmentIndex(const QJsonObject &root);
// One container line: its id and, when a slot shows it at setup, that slot.
QString attachmentContainer(const QString &attachmentName, const QString &slotName,
                            const IdTable &ids);
// The invisible "attachments" item with one container per attachment name.
QString writeAttachments(const QJsonObject &root, const IdTable &ids);
