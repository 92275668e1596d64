#pragma once

#include "diagnostics/diagnostics.h"
#include "skeleton_names.h"

#include <QJsonObject>

// Warnings about the bones, IK constraints, slots and skins of a skeleton in
// the 2.x layout, in the order the document writes them.
void checkSetupPose(const QJsonObject &skeleton, const SkeletonNames &names,
                    Diagnostics &diagnostics);
void checkSkins(const QJsonObject &skeleton, const SkeletonNames &names,
                Diagnostics &diagnostics);
