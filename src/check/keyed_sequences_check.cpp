#include "animation/draw_order_timeline.h"
#include "animation/event_timeline.h"
#include "animation_check.h"
#include "json_kinds.h"
#include "timeline_keys.h"

namespace {

const char *const ikKeys = "IK keys";
const char *const offsetItems = "draw order offsets";

QString refusal(const DrawOrderKey &order, int slotCount)
{
    const QString slot = quoted(order.slot);
    switch (order.fault) {
    case DrawOrderFault::NoSuchSlot:
        return QStringLiteral("the slot %1 is no slot").arg(slot);
    case DrawOrderFault::OutOfSetupOrder:
        return QStringLiteral("the slot %1 is listed after a slot that follows it in the setup "
                              "order, or twice")
                .arg(slot);
    case DrawOrderFault::OutsideRange:
        return QStringLiteral("the slot %1 moves to position %2, outside 0 to %3")
                .arg(slot, formatNumber(order.position), QString::number(slotCount - 1));
    case DrawOrderFault::PositionTaken:
        return QStringLiteral("the slot %1 moves to position %2, where another slot is already")
                .arg(slot, formatNumber(order.position));
    case DrawOrderFault::None:
        break;
    }
    return QString();
}

void checkIkTimelines(const QString &animation, const QJsonObject &ik,
                      const QJsonObject &skeleton, Diagnostics &diagnostics)
{
    if (ik.isEmpty())
        return;
    QSet<QString> constraints;
    for (const QJsonValue &constraint : skeleton.value(QLatin1String("ik")).toArray())
        constraints.insert(constraint.toObject().value(QLatin1String("name")).toString());
    for (auto timeline = ik.begin(); timeline != ik.end(); ++timeline) {
        if (!constraints.contains(timeline.key())) {
            diagnostics.warn(QStringLiteral("%1 animates the IK constraint %2, which is no IK "
                                            "constraint: its timeline is left out")
                                     .arg(animationWhere(animation), quoted(timeline.key())));
            continue;
        }
        checkKeys(timeline.value(), ikKeys, diagnostics,
                  [&] {
                      return animationWhere(animation) + QStringLiteral(", IK constraint ")
                              + quoted(timeline.key());
                  },
                  [&](const QJsonObject &key, const auto &where) {
                      expectKind(diagnostics, key, "mix", JsonKind::Number, ikKeys, where);
                      expectKind(diagnostics, key, "bendPositive", JsonKind::Boolean, ikKeys,
                                 where);
                  });
    }
}

void checkDrawOrder(const QString &animation, const char *spelling, const QJsonValue &keys,
                    const QJsonArray &slots, Diagnostics &diagnostics)
{
    const SlotOrder order(slots);
    checkKeys(keys, drawOrderKeyItems, diagnostics,
              [&] {
                  return animationWhere(animation) + QStringLiteral(", timeline ")
                          + quoted(QLatin1String(spelling));
              },
              [&](const QJsonObject &key, const auto &where) {
                  // A key without offsets, null ones included, is the setup order.
                  if (!key.value(QLatin1String("offsets")).isNull()) {
                      expectKind(diagnostics, key, "offsets", JsonKind::List, drawOrderKeyItems,
                                 where);
                  }
                  for (const QJsonValue &element : key.value(QLatin1String("offsets")).toArray()) {
                      const QJsonObject offset = element.toObject();
                      if (!element.isObject())
                          warnNotObject(diagnostics, offsetItems, element, where());
                      expectKind(diagnostics, offset, "slot", JsonKind::Text, offsetItems, where);
                      expectKind(diagnostics, offset, "offset", JsonKind::Number, offsetItems,
                                 where);
                  }
                  const DrawOrderKey keyOrder = drawOrderOf(key, order);
                  if (keyOrder.fault != DrawOrderFault::None) {
                      diagnostics.warn(QStringLiteral("%1: %2: the key is left out")
                                               .arg(where(), refusal(keyOrder, order.count)));
                  }
              });
}

void checkEvents(const QString &animation, const QJsonValue &keys, const QJsonObject &skeleton,
                 Diagnostics &diagnostics)
{
    const QJsonObject setupEvents = skeleton.value(QLatin1String("events")).toObject();
    checkKeys(keys, eventKeyItems, diagnostics,
              [&] { return animationWhere(animation) + QStringLiteral(", timeline \"events\""); },
              [&](const QJsonObject &key, const auto &where) {
                  if (!firesEvent(key)) {
                      diagnostics.warn(QStringLiteral("%1: \"name\" is %2, not the name of an "
                                                      "event: the key is left out")
                                               .arg(where(), jsonTypeName(key.value(
                                                                     QLatin1String("name")))));
                      return;
                  }
                  const QString name = key.value(QLatin1String("name")).toString();
                  if (!setupEvents.contains(name)) {
                      diagnostics.warnOnce(
                              QStringLiteral("event ") + animation + QLatin1Char('/') + name,
                              QStringLiteral("%1: the event %2 is not in the skeleton's "
                                             "\"events\": it fires with the default values "
                                             "(not repeated for its other keys)")
                                      .arg(where(), quoted(name)));
                  }
                  for (const char *field : {"int", "float", "volume", "balance"})
                      expectKind(diagnostics, key, field, JsonKind::Number, eventKeyItems, where);
                  expectKind(diagnostics, key, "string", JsonKind::Text, eventKeyItems, where);
              });
}

} // namespace

void checkKeyedSequences(const QString &name, const QJsonObject &animation, const QJsonObject &ik,
                         const QJsonObject &skeleton, Diagnostics &diagnostics)
{
    const auto where = [&] { return animationWhere(name); };
    if (expectKind(diagnostics, animation, "ik", JsonKind::Object, "animations", where))
        checkIkTimelines(name, ik, skeleton, diagnostics);
    const char *drawOrder = animation.contains(QLatin1String("drawOrder")) ? "drawOrder"
                                                                            : "draworder";
    if (animation.contains(QLatin1String(drawOrder))) {
        checkDrawOrder(name, drawOrder, animation.value(QLatin1String(drawOrder)),
                       skeleton.value(QLatin1String("slots")).toArray(), diagnostics);
    }
    if (animation.contains(QLatin1String("events"))) {
        checkEvents(name, animation.value(QLatin1String("events")), skeleton, diagnostics);
    }
}
