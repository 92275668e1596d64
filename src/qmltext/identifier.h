#pragma once

#include <QJsonValue>
#include <QString>

// The name part of a QML id, made from a Spine name: words joined in camel
// case, a lower-case first letter, and "-", "/" and "." turned into "_".
// Anything that is not a JSON string gives the empty text.
QString qmlIdentifier(const QJsonValue &name);
QString qmlIdentifier(const QString &name);
