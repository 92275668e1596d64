#pragma once

#include "diagnostics/diagnostics.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

// What a writer reads a key as. Ints and doubles are both numbers.
enum class JsonKind { Number, Text, List, Boolean, Object };

bool isKind(const QJsonValue &value, JsonKind kind);
// "a number", "text", "null", ... as a warning names what a file holds.
QString jsonTypeName(const QJsonValue &value);
// A Spine name in double quotes.
QString quoted(const QString &name);
// A value as a warning shows it: text in double quotes, anything else as
// JSON, cut short when long.
QString shownValue(const QJsonValue &value);

// The kind of item of the file's own top-level keys.
extern const char *const skeletonItems;

// One warning per key and kind of item ("bones", "slots", ...): a file that
// gets one key wrong usually gets it wrong everywhere.
void warnWrongKind(Diagnostics &diagnostics, const char *items, const QString &key,
                   const QJsonValue &value, JsonKind expected, const QString &where);
// An item that must be an object and is not, once per kind of item.
void warnNotObject(Diagnostics &diagnostics, const char *items, const QJsonValue &value,
                   const QString &where);
void warnWrongElement(Diagnostics &diagnostics, const char *items, const QString &key,
                      const QJsonValue &element, JsonKind expected, const QString &where);

// True when the key is absent or of the kind; warns otherwise. `where`
// describes the item and is called only for a warning: the checks run over
// every key of every animation.
template <typename Where>
bool expectKind(Diagnostics &diagnostics, const QJsonObject &item, const char *key, JsonKind kind,
                const char *items, Where where)
{
    const QJsonValue value = item.value(QLatin1String(key));
    if (value.isUndefined() || isKind(value, kind))
        return true;
    warnWrongKind(diagnostics, items, QLatin1String(key), value, kind, where());
    return false;
}

// A list of numbers, as vertices, texture coordinates and curves are read.
template <typename Where>
void expectNumberList(Diagnostics &diagnostics, const QJsonObject &item, const char *key,
                      const char *items, Where where)
{
    if (!expectKind(diagnostics, item, key, JsonKind::List, items, where))
        return;
    const QJsonArray list = item.value(QLatin1String(key)).toArray();
    for (const QJsonValue &element : list) {
        if (!element.isDouble()) {
            warnWrongElement(diagnostics, items, QLatin1String(key), element, JsonKind::Number,
                             where());
            return;
        }
    }
}
