#pragma once

#include "curves.h"
#include "upgrade.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QVector>

// The pieces of one animation's upgrade, one file per area.

// What every part of one animation's upgrade needs to hand on.
struct AnimationUpgrade {
    QString name;
    const UpgradeContext &context;
    CarryOverReport &lost;
    Diagnostics &diagnostics;
};

// The keys of a timeline; an element that is not an object reads as {}, a
// timeline that is not an array as no keys (warned).
QVector<QJsonObject> timelineKeys(const QJsonValue &timeline, const QString &where,
                                  const AnimationUpgrade &upgrade);

double upgradeKeyTime(const QJsonObject &key);
// A number of the key, `fallback` when the key does not hold it.
double keyNumber(const QJsonObject &key, const QString &field, double fallback);

// The curve of one channel of keys[index] toward the next key, with the
// values of that channel at both keys; none for the last key. A 4.x curve
// array too short for the channel is warned about.
QJsonValue segmentCurve(const QVector<QJsonObject> &keys, int index, int channel, double v1,
                        double v2, bool valueless, const AnimationUpgrade &upgrade);

QJsonObject upgradeBoneTimelines(const QJsonObject &bones, const AnimationUpgrade &upgrade);
QJsonObject upgradeSlotTimelines(const QJsonObject &slots, const AnimationUpgrade &upgrade);
// The "ffd" section, undefined when the animation has no deform section.
QJsonValue upgradeDeformTimelines(const QJsonObject &animation, const AnimationUpgrade &upgrade);
