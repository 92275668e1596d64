#pragma once

#include "qmltext/id_table.h"
#include "qmltext/text_parts.h"
#include "timeline_targets.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// What an IK timeline starts from: the first constraint of the skeleton's
// "ik" array with a name, by that name.
struct IkSetup {
    int index = 0;
    double mix = 1;
    bool bendPositive = true;
};
QHash<QString, IkSetup> ikSetups(const QJsonArray &constraints);

// Per constraint the animation keys (in name order), its mix sequence and,
// when a key bends the other way than the setup, its bend sequence, on the
// constraint's IKJoint. A name that is no constraint, or not among the
// targets' constraints (its joint is not written), writes nothing (the check
// warns about it).
void appendIkTimelines(QString &out, const QJsonObject &ik, const QJsonArray &constraints,
                       const IdTable &ids, const PartDone &partDone = PartDone(),
                       const TimelineTargets *targets = nullptr);
