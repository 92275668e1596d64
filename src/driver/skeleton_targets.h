#pragma once

#include "animation/timeline_targets.h"
#include "qmltext/id_table.h"

#include <QJsonObject>

// What the animations of one skeleton (in the layout the writers read) may
// name: its bones, slots and the IK constraints whose joint is written, the
// attachment names the id table gave a container, and its skins' meshes. One
// pass over the setup. Its bone names are also what the setup items may name.
TimelineTargets skeletonTargets(const QJsonObject &skeleton, const IdTable &ids);
