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
