#pragma once

// How the JSON export writes small values, shared by the 3.x and 4.x
// readers: colours as hex text, and members left out at their defaults.

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// 8 hex digits of RRGGBBAA.
QString hexRgba(quint32 rgba);
// 6 hex digits of the low 24 bits.
QString hexRgb(quint32 rgb);
// "color" unless it is defaultColor; a null defaultColor always writes it.
void insertColor(QJsonObject &json, quint32 rgba, const char *defaultColor);
// "dark" unless the file holds -1, its mark for no dark colour.
void insertDarkColor(QJsonObject &json, qint32 rgb);
// Inserts value unless it equals the default the JSON export leaves out.
void insertUnless(QJsonObject &json, const QString &key, double value, double defaultValue);
void insertIfTrue(QJsonObject &json, const QString &key, bool value);
void insertUnlessEmpty(QJsonObject &json, const QString &key, const QJsonArray &value);
void insertUnlessEmpty(QJsonObject &json, const QString &key, const QJsonObject &value);
// An attachment's image path, written only where it differs from its name.
void insertPath(QJsonObject &json, const QString &path, const QString &name);
