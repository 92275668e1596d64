#include "property_lines.h"

#include "number_format.h"

void appendNumberProperty(QString &out, const QJsonObject &object, const char *key,
                          const char *label, double sign)
{
    const QLatin1String name(key);
    const auto it = object.constFind(name);
    if (it == object.constEnd())
        return;
    out += QLatin1Char('\t');
    out += QLatin1String(label);
    out += QLatin1String(": ");
    appendNumber(out, sign * it.value().toDouble());
    out += QLatin1Char('\n');
}

void appendBoolProperty(QString &out, const QJsonObject &object, const char *key)
{
    const QLatin1String name(key);
    const auto it = object.constFind(name);
    if (it == object.constEnd())
        return;
    out += QLatin1Char('\t');
    out += name;
    out += it.value().toBool() ? QLatin1String(": true\n") : QLatin1String(": false\n");
}
