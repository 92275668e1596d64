#pragma once

#include "curves.h"
#include "upgrade.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QVector>

// The pieces of one animation's upgrade, one file per area.

// The keys of a timeline; an element that is not an object reads as {}, a
// timeline that is not an array as no keys (warned).
QVector<QJsonObject> timelineKeys(const QJsonValue &timeline, const QString &where,
                                  const AnimationUpgrade &upgrade);

double upgradeKeyTime(const QJsonObject &key);
// A number of the key, `fallback` when the key does not hold it.
double keyNumber(const QJsonObject &key, const QString &field, double fallback);

// A number as a JSON value holds it: the 2.x layout has no negative zero.
inline double asJsonNumber(double value) { return value + 0.0; }

// The curve of one channel of `key` (whose "curve" is `curve`) over its
// segment to the next key. A 4.x curve array too short for the channel is
// warned about.
SegmentCurve keySegmentCurve(const QJsonObject &key, const QJsonValue &curve,
                             const ChannelSegment &segment, int channel, bool valueless,
                             const AnimationUpgrade &upgrade);
// The same for keys[index], as JSON; none for the last key.
QJsonValue segmentCurve(const QVector<QJsonObject> &keys, int index, int channel, double v1,
                        double v2, bool valueless, const AnimationUpgrade &upgrade);
