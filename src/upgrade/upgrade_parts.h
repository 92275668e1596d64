#pragma once

#include "carry_over.h"
#include "diagnostics/diagnostics.h"
#include "upgrade.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

// The pieces of the setup upgrade, one area each.

// What the major.minor at the start of skeleton.spine says, if it says
// anything: "Dev", "4" or an absent text decide nothing.
struct SpineVersion {
    bool atLeast3 = false;
    bool above43 = false;
};
SpineVersion spineVersion(const QJsonObject &root);
// skeleton.spine is "4.2.N-beta": the editors of those betas wrote slot
// folders into the slot names.
bool isSpine42Beta(const QJsonObject &root);
// skeleton.spine as a note line can show it.
QString printableVersionText(const QJsonObject &root);

// The value of the first of `spellings` that `object` holds; every further
// one it also holds is counted as lost. Undefined when it holds none.
QJsonValue firstSpelling(const QJsonObject &object, std::initializer_list<const char *> spellings,
                         CarryOverReport &lost);

QJsonArray upgradedBones(const QJsonArray &bones, CarryOverReport &lost, Diagnostics &diagnostics);
// namesHoldFolders: the slot names of "slots" start with a folder, which goes.
QJsonArray upgradedSlots(const QJsonArray &slots, bool namesHoldFolders, CarryOverReport &lost);
QJsonArray upgradedIk(const QJsonArray &constraints, CarryOverReport &lost);
// The 2.x "ik" list of a file that keeps its constraints in the one 4.3
// "constraints" list; the other kinds there, and the older lists beside it,
// are counted as lost.
QJsonArray ikOfConstraintList(const QJsonObject &root, CarryOverReport &lost,
                              Diagnostics &diagnostics);

// A skins array as the object of the 2.x layout; an object as it is.
QJsonObject skinsAsObject(const QJsonValue &skins, CarryOverReport &lost,
                          Diagnostics &diagnostics);
// Attachments of every skin in the 2.x types; what cannot be drawn is
// dropped and recorded in the context, slots showing only dropped names lose
// their setup attachment.
QJsonObject upgradedSkins(const QJsonObject &skins, QJsonArray &slots, UpgradeContext &context,
                          CarryOverReport &lost, Diagnostics &diagnostics);
