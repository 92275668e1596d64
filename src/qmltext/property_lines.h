#pragma once

#include <QJsonObject>
#include <QString>

// "\t<label>: <number>\n" when object holds key: the value read as a number
// (0 when it is none) times sign. Nothing when the key is absent.
void appendNumberProperty(QString &out, const QJsonObject &object, const char *key,
                          const char *label, double sign = 1);
// "\t<key>: true\n" or "false" when object holds key; anything but true is false.
void appendBoolProperty(QString &out, const QJsonObject &object, const char *key);
