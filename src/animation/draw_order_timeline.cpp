#include "draw_order_timeline.h"

#include "qmltext/number_format.h"
#include "timeline.h"

#include <cmath>

namespace {

DrawOrderKey fault(DrawOrderFault kind, const QString &slot, double position = 0)
{
    DrawOrderKey key;
    key.fault = kind;
    key.slot = slot;
    key.position = position;
    return key;
}

// "ScriptAction { script: { aSlot.z = 0; bSlot.z = 1; } }\n".
void appendOrderStatement(QString &out, const QVector<int> &order, const IdTable &ids)
{
    out += QLatin1String("ScriptAction { script: { ");
    for (int position = 0; position < order.size(); ++position) {
        out += ids.slotAt(order.at(position));
        out += QLatin1String(".z = ");
        appendInteger(out, position);
        out += QLatin1String("; ");
    }
    out += QLatin1String("} }\n");
}

QVector<int> setupOrder(int count)
{
    QVector<int> order(count);
    for (int i = 0; i < count; ++i)
        order[i] = i;
    return order;
}

} // namespace

QJsonArray drawOrderKeys(const QJsonObject &animation)
{
    const QJsonValue keys = animation.value(QLatin1String("drawOrder"));
    return keys.isUndefined() ? animation.value(QLatin1String("draworder")).toArray()
                              : keys.toArray();
}

SlotOrder::SlotOrder(const QJsonArray &skeletonSlots) : count(skeletonSlots.size())
{
    for (int i = 0; i < count; ++i) {
        const QString name = skeletonSlots.at(i).toObject().value(QLatin1String("name")).toString();
        if (!indexByName.contains(name))
            indexByName.insert(name, i);
    }
}

DrawOrderKey drawOrderOf(const QJsonObject &key, const SlotOrder &slots)
{
    const QJsonArray offsets = key.value(QLatin1String("offsets")).toArray();
    DrawOrderKey result;
    if (offsets.isEmpty()) {
        result.order = setupOrder(slots.count);
        return result;
    }
    QVector<int> order(slots.count, -1);
    QVector<int> unchanged;
    unchanged.reserve(slots.count);
    int next = 0;
    for (const QJsonValue &element : offsets) {
        const QJsonObject offset = element.toObject();
        const QString name = offset.value(QLatin1String("slot")).toString();
        const auto found = slots.indexByName.constFind(name);
        if (found == slots.indexByName.constEnd())
            return fault(DrawOrderFault::NoSuchSlot, name);
        const int slot = found.value();
        if (slot < next)
            return fault(DrawOrderFault::OutOfSetupOrder, name);
        while (next < slot)
            unchanged.append(next++);
        // In double arithmetic: an offset may be any number the file holds.
        const double position = slot + std::trunc(offset.value(QLatin1String("offset")).toDouble());
        if (!(position >= 0 && position < slots.count))
            return fault(DrawOrderFault::OutsideRange, name, position);
        if (order.at(int(position)) != -1)
            return fault(DrawOrderFault::PositionTaken, name, position);
        order[int(position)] = slot;
        next = slot + 1;
    }
    while (next < slots.count)
        unchanged.append(next++);
    for (int position = slots.count - 1; position >= 0; --position) {
        if (order.at(position) == -1)
            order[position] = unchanged.takeLast();
    }
    result.order = order;
    return result;
}

void appendDrawOrderTimeline(QString &out, const QJsonArray &keys, const SlotOrder &slots,
                             const IdTable &ids, const PartDone &partDone)
{
    bool opened = false;
    double previousTime = 0;
    for (const QJsonValue &element : keys) {
        const QJsonObject key = element.toObject();
        const DrawOrderKey order = drawOrderOf(key, slots);
        if (order.fault != DrawOrderFault::None)
            continue;
        const double time = keyTime(key);
        if (!opened) {
            out += QLatin1String("\tSequentialAnimation {\n");
            // Until its first key a looping animation shows the setup order.
            if (time > 0)
                appendOrderStatement(out, setupOrder(slots.count), ids);
            opened = true;
        }
        appendPauseBeforeKey(out, time, previousTime);
        appendOrderStatement(out, order.order, ids);
        previousTime = time;
        reportLongPart(partDone, out);
    }
    if (opened)
        out += QLatin1String("\t}\n");
}
