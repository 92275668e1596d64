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

// "ScriptAction { script: { aSlot.z = 0; bSlot.z = 1; } }\n"; zSetters[s]
// is "<id of slot s>.z = ", made once per sequence: a key writes every slot.
void appendOrderStatement(QString &out, const std::vector<int> &order,
                          const QVector<QString> &zSetters)
{
    out += QLatin1String("ScriptAction { script: { ");
    for (size_t position = 0; position < order.size(); ++position) {
        out += zSetters.at(order[position]);
        appendInteger(out, int(position));
        out += QLatin1String("; ");
    }
    out += QLatin1String("} }\n");
}

std::vector<int> setupOrder(int count)
{
    std::vector<int> order(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        order[size_t(i)] = i;
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
    // Plain vectors: every key of a long animation walks every slot.
    std::vector<int> order(size_t(slots.count), -1);
    std::vector<int> unchanged;
    unchanged.reserve(size_t(slots.count));
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
            unchanged.push_back(next++);
        // In double arithmetic: an offset may be any number the file holds.
        const double position = slot + std::trunc(offset.value(QLatin1String("offset")).toDouble());
        if (!(position >= 0 && position < slots.count))
            return fault(DrawOrderFault::OutsideRange, name, position);
        if (order[size_t(position)] != -1)
            return fault(DrawOrderFault::PositionTaken, name, position);
        order[size_t(position)] = slot;
        next = slot + 1;
    }
    while (next < slots.count)
        unchanged.push_back(next++);
    size_t left = unchanged.size();
    for (size_t position = order.size(); position-- > 0;) {
        if (order[position] == -1)
            order[position] = unchanged[--left];
    }
    result.order = std::move(order);
    return result;
}

void appendDrawOrderTimeline(QString &out, const QJsonArray &keys, const SlotOrder &slots,
                             const IdTable &ids, const PartDone &partDone)
{
    bool opened = false;
    double previousTime = 0;
    QVector<QString> zSetters;
    for (const QJsonValue &element : keys) {
        const QJsonObject key = element.toObject();
        const DrawOrderKey order = drawOrderOf(key, slots);
        if (order.fault != DrawOrderFault::None)
            continue;
        const double time = keyTime(key);
        if (!opened) {
            zSetters.reserve(slots.count);
            for (int slot = 0; slot < slots.count; ++slot)
                zSetters.append(ids.slotAt(slot) + QLatin1String(".z = "));
            out += QLatin1String("\tSequentialAnimation {\n");
            // Until its first key a looping animation shows the setup order.
            if (time > 0)
                appendOrderStatement(out, setupOrder(slots.count), zSetters);
            opened = true;
        }
        appendPauseBeforeKey(out, time, previousTime);
        appendOrderStatement(out, order.order, zSetters);
        previousTime = time;
        reportLongPart(partDone, out);
    }
    if (opened)
        out += QLatin1String("\t}\n");
}
