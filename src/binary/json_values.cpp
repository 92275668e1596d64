#include "json_values.h"

QString hexRgba(quint32 rgba)
{
    return QStringLiteral("%1").arg(rgba, 8, 16, QLatin1Char('0'));
}

QString hexRgb(quint32 rgb)
{
    return QStringLiteral("%1").arg(rgb & 0xFFFFFFu, 6, 16, QLatin1Char('0'));
}

void insertColor(QJsonObject &json, quint32 rgba, const char *defaultColor)
{
    const QString color = hexRgba(rgba);
    if (defaultColor == nullptr || color != QLatin1String(defaultColor))
        json.insert(QStringLiteral("color"), color);
}

void insertDarkColor(QJsonObject &json, qint32 rgb)
{
    if (rgb != -1)
        json.insert(QStringLiteral("dark"), hexRgb(quint32(rgb)));
}

void insertUnless(QJsonObject &json, const QString &key, double value, double defaultValue)
{
    if (value != defaultValue)
        json.insert(key, value);
}

void insertIfTrue(QJsonObject &json, const QString &key, bool value)
{
    if (value)
        json.insert(key, true);
}

void insertUnlessEmpty(QJsonObject &json, const QString &key, const QJsonArray &value)
{
    if (!value.isEmpty())
        json.insert(key, value);
}

void insertUnlessEmpty(QJsonObject &json, const QString &key, const QJsonObject &value)
{
    if (!value.isEmpty())
        json.insert(key, value);
}

void insertPath(QJsonObject &json, const QString &path, const QString &name)
{
    if (!path.isNull() && path != name)
        json.insert(QStringLiteral("path"), path);
}
