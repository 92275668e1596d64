#pragma once

#include <QString>

// One-line statements that states and animations repeat. Each ends in "\n"
// and carries no indentation; the values are inserted as given.
void appendPropertyActionNumber(QString &out, const QString &target, const QString &property,
                                double value);
void appendPropertyActionText(QString &out, const QString &target, const QString &property,
                              const QString &value);
void appendPropertyChanges(QString &out, const QString &target, const QString &property,
                           const QString &value);

// "PropertyAction { target: <target>; property: \"<property>\"; value: ", the
// part before the value.
void appendPropertyActionStart(QString &out, const QString &target, const QString &property);
