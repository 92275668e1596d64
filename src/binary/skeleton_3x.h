#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// Spine 3.3 to 3.8 binary exports: a header of the hash and the version as
// strings, then the skeleton.

// The version text when the bytes start with two strings, the second of
// which reads as a version ("3.8.55"); a null text otherwise.
QString headerVersion3x(const QByteArray &bytes);

// True for the 3.x versions whose layout is known (3.3.0 to 3.8.x).
bool isReadableVersion3x(const QString &version);

// The JSON tree of a file whose headerVersion3x is readable. Throws
// BinaryError where the file is malformed.
QJsonObject readSkeleton3x(const QByteArray &bytes);
