#pragma once

#include <QJsonObject>
#include <QSet>
#include <QString>

// The names of the skeleton's bones, which the setup items' references may
// name. A reference to any other name would write an id that no item has,
// and the engine would refuse the document, so the writers leave it out; the
// check has warned. The document's driver fills it; a writer given none
// writes every reference as it is named.
using BoneNames = QSet<QString>;

// The bone that key of item names, when it is there and is a bone.
inline bool namesBone(const BoneNames *bones, const QJsonObject &item, const char *key)
{
    const QJsonValue value = item.value(QLatin1String(key));
    return !value.isUndefined() && (!bones || bones->contains(value.toString()));
}
