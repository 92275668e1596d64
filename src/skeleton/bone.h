#pragma once

#include "bone_names.h"
#include "qmltext/id_table.h"

#include <QJsonObject>
#include <QString>

// The root alias line and the BoneTransform item of one bone's setup pose, the
// bone at index of the skeleton. A parent that is no bone is left out: the
// bone is written as a root bone.
QString writeBone(const QJsonObject &bone, int index, const IdTable &ids,
                  const BoneNames *bones = nullptr);
