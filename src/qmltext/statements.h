#pragma once

#include <QString>

// One-line statements that states and animations repeat. Each ends in "\n"
// and carries no indentation; the values are inserted as given.
QString propertyActionNumber(const QString &target, const QString &property, double value);
QString propertyActionText(const QString &target, const QString &property, const QString &value);
QString propertyChanges(const QString &target, const QString &property, const QString &value);
