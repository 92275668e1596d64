#include "slot.h"

#include "qmltext/color.h"

QString writeSlot(const QJsonObject &slot, int index, const IdTable &ids,
                  const BoneNames *bones)
{
    QString out;
    out += QLatin1String("Slot {\n");
    out += QLatin1String("\tid: ") + ids.slotAt(index) + QLatin1Char('\n');
    out += QLatin1String("\tparent: root\n");
    if (namesBone(bones, slot, "bone")) {
        out += QLatin1String("\tbone: ") + ids.bone(slot.value(QLatin1String("bone")).toString())
                + QLatin1Char('\n');
    }
    if (slot.contains(QLatin1String("attachment"))) {
        out += QLatin1String("\tsetupAttachment: ")
                + ids.container(slot.value(QLatin1String("attachment")).toString())
                + QLatin1Char('\n');
    }
    // A colour that is none would make the engine refuse the whole document.
    const QString color = slot.value(QLatin1String("color")).toString();
    if (isSpineColor(color))
        out += QLatin1String("\tsetupColor: \"#") + qmlColor(color) + QLatin1String("\"\n");
    out += QLatin1String("}\n");
    return out;
}
