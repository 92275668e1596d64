#pragma once

#include "qmltext/id_table.h"

#include <QJsonObject>
#include <QString>

// The IKJoint item of one IK constraint: its target, the one or two bones it
// bends, its bend direction and its mix.
QString writeIkJoint(const QJsonObject &constraint, int index, const IdTable &ids);
