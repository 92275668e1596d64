#pragma once

#include "qmltext/id_table.h"
#include "qmltext/text_parts.h"
#include "skins/vertex_list.h"
#include "timeline.h"
#include "timeline_targets.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

// The "ffd" section: per skin and slot, the vertices of the slot's first
// attachment animated as the setup vertices plus each key's deltas.
QString writeDeformTimelines(const QJsonObject &ffd, const QJsonObject &root,
                             const IdTable &ids = IdTable());
// Each slot's sequence, and long text between its keys, is reported as a part
// done. An attachment that is not among the targets' meshes is left out.
void appendDeformTimelines(QString &out, const QJsonObject &ffd, const QJsonObject &root,
                           const IdTable &ids, const PartDone &partDone = PartDone(),
                           const TimelineTargets *targets = nullptr);


// The same statements with each list given as its numberListText: a key's
// list ends one segment and starts the next, and is written out only once.
void appendVertexAction(QString &out, const QString &target, const QString &property,
                        const QString &listText);
void appendVertexAnimation(QString &out, const QString &target, const QString &property,
                           const QString &fromText, const QString &toText, int milliseconds,
                           const SegmentCurve &curve);
