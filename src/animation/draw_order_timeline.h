#pragma once

#include "qmltext/id_table.h"
#include "qmltext/text_parts.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QVector>

#include <vector>

// The draw order keys of an animation: "drawOrder", or the older spelling
// "draworder" when the animation has no "drawOrder".
QJsonArray drawOrderKeys(const QJsonObject &animation);

// The setup order of the skeleton's slots: a name stands for the first slot
// of that name.
struct SlotOrder {
    explicit SlotOrder(const QJsonArray &skeletonSlots);
    QHash<QString, int> indexByName;
    int count = 0;
};

// Why a key's offsets give no order; the runtimes refuse such a file.
enum class DrawOrderFault { None, NoSuchSlot, OutOfSetupOrder, OutsideRange, PositionTaken };

// One key's order, built as the runtimes build it: order[p] is the index of
// the slot drawn at position p. On a fault, `slot` and `position` say where.
struct DrawOrderKey {
    std::vector<int> order;
    DrawOrderFault fault = DrawOrderFault::None;
    QString slot;
    double position = 0;
};
DrawOrderKey drawOrderOf(const QJsonObject &key, const SlotOrder &slots);

// One sequence that sets every slot's z to its position at each key. Keys
// whose offsets give no order are left out (the check warns about them).
void appendDrawOrderTimeline(QString &out, const QJsonArray &keys, const SlotOrder &slots,
                             const IdTable &ids, const PartDone &partDone = PartDone());
