#include "statements.h"

#include "number_format.h"

QString propertyActionNumber(const QString &target, const QString &property, double value)
{
    return propertyActionText(target, property, formatNumber(value));
}

QString propertyActionText(const QString &target, const QString &property, const QString &value)
{
    return QLatin1String("PropertyAction { target: ") + target + QLatin1String("; property: \"")
            + property + QLatin1String("\"; value: ") + value + QLatin1String(" }\n");
}

QString propertyChanges(const QString &target, const QString &property, const QString &value)
{
    return QLatin1String("PropertyChanges { target: ") + target + QLatin1String("; ") + property
            + QLatin1String(": ") + value + QLatin1String(" }\n");
}
