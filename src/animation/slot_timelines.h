#pragma once

#include "qmltext/id_table.h"
#include "qmltext/text_parts.h"
#include "timeline.h"
#include "timeline_targets.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QVector>

// The attachment and colour sequences of every animated slot. The skeleton's
// slots give the setup colour that a colour sequence starts from.
QString writeSlotTimelines(const QJsonObject &slots, const QJsonArray &skeletonSlots,
                           const IdTable &ids = IdTable());
// Each slot's sequences are reported as a part done. A slot that is not
// among the targets is left out.
void appendSlotTimelines(QString &out, const QJsonObject &slots, const QJsonArray &skeletonSlots,
                         const IdTable &ids, const PartDone &partDone = PartDone(),
                         const TimelineTargets *targets = nullptr);

// What one animated slot shows: its attachment keys, and its colour keys
// as JSON or, when readColorKeys is given, read already; the colour sequence
// starts from startColor.
struct SlotSequences {
    QJsonArray attachmentKeys;
    QJsonArray colorKeys;
    const QVector<ColorKey> *readColorKeys = nullptr;
    QString startColor = QStringLiteral("ffffffff");
};
// The sequences of one slot; long text is handed on through partDone. An
// attachment key whose name has no container among the targets shows nothing.
void appendSlotSequences(QString &out, const QString &slot, const SlotSequences &sequences,
                         const IdTable &ids, const TimelineTargets *targets,
                         const PartDone &partDone = PartDone());

// Setup colour per slot name; when several slots share a name, the last one
// that has a colour counts.
QHash<QString, QString> setupColors(const QJsonArray &skeletonSlots);
// The colour a slot's colour sequence starts from: its setup colour, or white.
QString startColorOf(const QHash<QString, QString> &setupColors, const QString &slot);

