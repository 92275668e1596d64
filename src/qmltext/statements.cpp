#include "statements.h"

#include "number_format.h"

void appendPropertyActionStart(QString &out, const QString &target, const QString &property)
{
    out += QLatin1String("PropertyAction { target: ");
    out += target;
    out += QLatin1String("; property: \"");
    out += property;
    out += QLatin1String("\"; value: ");
}

void appendPropertyActionNumber(QString &out, const QString &target, const QString &property,
                                double value)
{
    appendPropertyActionStart(out, target, property);
    appendNumber(out, value);
    out += QLatin1String(" }\n");
}

void appendPropertyActionText(QString &out, const QString &target, const QString &property,
                              const QString &value)
{
    appendPropertyActionStart(out, target, property);
    out += value;
    out += QLatin1String(" }\n");
}

void appendPropertyChanges(QString &out, const QString &target, const QString &property,
                           const QString &value)
{
    out += QLatin1String("PropertyChanges { target: ");
    out += target;
    out += QLatin1String("; ");
    out += property;
    out += QLatin1String(": ");
    out += value;
    out += QLatin1String(" }\n");
}

