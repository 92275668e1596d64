#pragma once

#include "diagnostics/diagnostics.h"
#include "skeleton_names.h"

#include <QJsonObject>
#include <QString>

// Warnings about one animation in the 2.x layout (an upgraded one with its
// bone translate and scale split by channel too): what it animates that the
// skeleton lacks, keys out of time order, colours that are none and values of
// the wrong kind.
void checkAnimationTimelines(const QString &name, const QJsonObject &animation,
                             const QJsonObject &skeleton, const SkeletonNames &names,
                             Diagnostics &diagnostics);

// The "ffd" section of one animation: what it deforms must be a mesh of a
// skin of the skeleton.
void checkDeformTimelines(const QString &animation, const QJsonObject &ffd,
                          const QJsonObject &skeleton, Diagnostics &diagnostics);
