#pragma once

#include <QJsonObject>
#include <QString>

// The IKJoint item of one IK constraint: its target, the one or two bones it
// bends, its bend direction and its mix.
QString writeIkJoint(const QJsonObject &constraint);
