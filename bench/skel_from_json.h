#pragma once

#include <QByteArray>
#include <QJsonObject>

// The 4.2 binary export of a skeleton given as the 4.2 JSON tree the
// generator writes (bones, IK, slots, skins of regions, meshes and bounding
// boxes, and slot, bone and deform timelines), with nonessential data. Only
// for the benchmark: it writes what the generator makes, nothing more.
QByteArray skelFromJson42(const QJsonObject &root);
