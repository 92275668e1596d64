#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

class QIODevice;

// Converts one parsed skeleton: every section in its fixed order, the root
// aliases and the animations, wrapped into the QML document and written to
// device as UTF-8. False when a write to the device failed.
bool writeSkeletonDocument(const QJsonObject &root, bool packed, const QString &imageFolder,
                           QIODevice *device);

// The same document, held in memory.
QByteArray convertSkeleton(const QJsonObject &root, bool packed, const QString &imageFolder);
