#pragma once

#include "bone_names.h"
#include "qmltext/id_table.h"

#include <QJsonObject>
#include <QString>

// The Slot item of one slot: its bone, setup attachment and setup colour. A
// slot that names no bone, or one that is no bone, gets no "bone:" line and
// follows no bone.
QString writeSlot(const QJsonObject &slot, int index, const IdTable &ids,
                  const BoneNames *bones = nullptr);
