#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// One Spine animation as a ParallelAnimation: its slot, bone and deform
// timelines, each a SequentialAnimation.
QString writeAnimation(const QJsonObject &animations, const QString &name,
                       const QJsonArray &skeletonSlots, const QJsonObject &root);
