#pragma once

#include "bone_names.h"
#include "qmltext/id_table.h"

#include <QJsonObject>
#include <QString>

// The IKJoint item of one IK constraint: its target, the one or two bones it
// bends, its bend direction and its mix.
QString writeIkJoint(const QJsonObject &constraint, int index, const IdTable &ids);

// Whether the IKJoint of a constraint can do what the constraint says: it has
// a target and the bones that it would name are bones. A joint that aims at
// nothing, or bends one bone of two, is not written at all (a two-bone
// constraint made a one-bone one would move the skeleton as the file never
// does), and nor are its timelines.
bool ikJointHasItsBones(const QJsonObject &constraint, const BoneNames *bones);
