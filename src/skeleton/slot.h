#pragma once

#include "qmltext/id_table.h"

#include <QJsonObject>
#include <QString>

// The Slot item of one slot: its bone, setup attachment and setup colour.
QString writeSlot(const QJsonObject &slot, int index, const IdTable &ids);
