#include "json_kinds.h"

#include <QJsonDocument>

namespace {

QString kindName(JsonKind kind)
{
    switch (kind) {
    case JsonKind::Number:
        return QStringLiteral("a number");
    case JsonKind::Text:
        return QStringLiteral("text");
    case JsonKind::List:
        return QStringLiteral("a list");
    case JsonKind::Boolean:
        return QStringLiteral("true or false");
    case JsonKind::Object:
        return QStringLiteral("an object");
    }
    return QString();
}

// What the writers make of a value of the wrong kind.
QString readsAs(JsonKind kind)
{
    switch (kind) {
    case JsonKind::Number:
        return QStringLiteral("0");
    case JsonKind::Text:
        return QStringLiteral("empty text");
    case JsonKind::List:
        return QStringLiteral("an empty list");
    case JsonKind::Boolean:
        return QStringLiteral("false");
    case JsonKind::Object:
        return QStringLiteral("empty");
    }
    return QString();
}

QString group(const char *items, const QString &key, const char *part)
{
    return QLatin1String(items) + QLatin1Char('/') + key + QLatin1String(part);
}

} // namespace

const char *const skeletonItems = "skeleton";

bool isKind(const QJsonValue &value, JsonKind kind)
{
    switch (kind) {
    case JsonKind::Number:
        return value.isDouble();
    case JsonKind::Text:
        return value.isString();
    case JsonKind::List:
        return value.isArray();
    case JsonKind::Boolean:
        return value.isBool();
    case JsonKind::Object:
        return value.isObject();
    }
    return false;
}

QString jsonTypeName(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("true or false");
    case QJsonValue::Double:
        return QStringLiteral("a number");
    case QJsonValue::String:
        return QStringLiteral("text");
    case QJsonValue::Array:
        return QStringLiteral("a list");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("missing");
}

QString quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

QString shownValue(const QJsonValue &value)
{
    const int longest = 40;
    QString text = value.isString()
            ? quoted(value.toString())
            : QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact))
                      .mid(1)
                      .chopped(1);
    if (text.size() > longest)
        text = text.left(longest) + QStringLiteral("...");
    return text;
}

void warnWrongKind(Diagnostics &diagnostics, const char *items, const QString &key,
                   const QJsonValue &value, JsonKind expected, const QString &where)
{
    QString text = QStringLiteral("%1: %2 is %3, not %4: it reads as %5")
                           .arg(where, quoted(key), jsonTypeName(value), kindName(expected),
                                readsAs(expected));
    // A file has one skeleton: nothing to repeat.
    if (qstrcmp(items, skeletonItems) != 0)
        text += QStringLiteral(" (not repeated for other %1)").arg(QLatin1String(items));
    diagnostics.warnOnce(group(items, key, ""), text);
}

void warnWrongElement(Diagnostics &diagnostics, const char *items, const QString &key,
                      const QJsonValue &element, JsonKind expected, const QString &where)
{
    diagnostics.warnOnce(group(items, key, "[]"),
                         QStringLiteral("%1: %2 holds %3 where %4 belongs (not repeated for "
                                        "other %5)")
                                 .arg(where, quoted(key), jsonTypeName(element),
                                      kindName(expected), QLatin1String(items)));
}

void warnNotObject(Diagnostics &diagnostics, const char *items, const QJsonValue &value,
                   const QString &where)
{
    diagnostics.warnOnce(QLatin1String(items) + QLatin1String("/{}"),
                         QStringLiteral("%1 is %2, not an object: it reads as empty (not "
                                        "repeated for other %3)")
                                 .arg(where, jsonTypeName(value), QLatin1String(items)));
}
