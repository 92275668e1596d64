#pragma once

#include "diagnostics/diagnostics.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

class QIODevice;

// Converts one parsed skeleton: a newer file upgraded to the layout the
// writers read, every section in its fixed order, the root aliases and the
// animations, wrapped into the QML document and written to device as UTF-8.
// What was mended, dropped or not carried over goes to diagnostics. False
// when a write to the device failed. binaryVersion is the header's version
// when the tree was read from a binary export (the version note says so),
// null for a JSON file.
bool writeSkeletonDocument(const QJsonObject &root, bool packed, const QString &imageFolder,
                           QIODevice *device, Diagnostics &diagnostics,
                           const QString &binaryVersion = QString());

// The same document, held in memory.
QByteArray convertSkeleton(const QJsonObject &root, bool packed, const QString &imageFolder,
                           Diagnostics &diagnostics);
QByteArray convertSkeleton(const QJsonObject &root, bool packed, const QString &imageFolder);
