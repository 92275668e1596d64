#pragma once

#include "qmltext/id_table.h"
#include "qmltext/text_parts.h"
#include "timeline.h"
#include "timeline_targets.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QVector>

// The rotate, scale and translate sequences of every animated bone.
QString writeBoneTimelines(const QJsonObject &bones, const IdTable &ids = IdTable());
// Each bone's sequences are reported as a part done. A bone that is not
// among the targets is left out.
void appendBoneTimelines(QString &out, const QJsonObject &bones, const IdTable &ids,
                         const PartDone &partDone = PartDone(),
                         const TimelineTargets *targets = nullptr);

// A bone's timelines read already, one per channel, each with its own keys
// and curves: rotate (the values as the file writes them), then translate
// and scale split by channel.
struct SplitChannels {
    // In the order in which they are written.
    enum Channel { Rotate, ScaleX, ScaleY, TranslateX, TranslateY, Count };
    bool present[Count] = {false, false, false, false, false};
    QVector<NumberKey> keys[Count];
    // The rotate timeline had a "value" key: it plays as written.
    bool rotateAsWritten = false;
};

// The sequences of one bone (the target id): from `split` when given, else
// "rotate", "scale" and "translate" from its JSON timelines. Long text is
// handed on through partDone.
void appendBoneSequences(QString &out, const QString &target, const QJsonObject &timelines,
                         const SplitChannels *split, const PartDone &partDone = PartDone());

// One segment of a number property: a PropertyAnimation, or for a stepped
// curve a pause and a jump to the new value.
void appendNumberAnimation(QString &out, const QString &target, const QString &property,
                           double from, double to, int milliseconds, const SegmentCurve &curve);

