#pragma once

#include "qmltext/id_table.h"

#include <QJsonObject>
#include <QString>

// The root alias line and the BoneTransform item of one bone's setup pose, the
// bone at index of the skeleton.
QString writeBone(const QJsonObject &bone, int index, const IdTable &ids);
