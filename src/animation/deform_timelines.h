#pragma once

#include "skins/vertex_list.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

// The "ffd" section: per skin and slot, the vertices of the slot's first
// attachment animated as the setup vertices plus each key's deltas.
QString writeDeformTimelines(const QJsonObject &ffd, const QJsonObject &root);

QString vertexAction(const QString &target, const QString &property, const VertexList &list);
QString vertexAnimation(const QString &target, const QString &property, const VertexList &from,
                        const VertexList &to, double seconds, const QJsonValue &curve);
