#include "slot.h"

#include "qmltext/color.h"
#include "qmltext/qml_ids.h"
#include "qmltext/string_literal.h"

QString writeSlot(const QJsonObject &slot)
{
    QString out;
    out += QLatin1String("Slot {\n");
    out += QLatin1String("\tid: ") + slotId(slot.value(QLatin1String("name")).toString())
            + QLatin1Char('\n');
    out += QLatin1String("\tparent: root\n");
    out += QLatin1String("\tbone: ") + boneId(slot.value(QLatin1String("bone")).toString())
            + QLatin1Char('\n');
    if (slot.contains(QLatin1String("attachment"))) {
        out += QLatin1String("\tsetupAttachment: ")
                + containerId(slot.value(QLatin1String("attachment")).toString())
                + QLatin1Char('\n');
    }
    if (slot.contains(QLatin1String("color"))) {
        const QString color = qmlColor(slot.value(QLatin1String("color")).toString());
        out += QLatin1String("\tsetupColor: \"#") + escapedForQmlString(color)
                + QLatin1String("\"\n");
    }
    out += QLatin1String("}\n");
    return out;
}
