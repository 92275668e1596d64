#include "upgrade.h"

// Placeholders until the upgrade units land.
bool needsUpgrade(const QJsonObject &) { return false; }
QString versionNote(const QJsonObject &) { return QString(); }
UpgradedSetup upgradeSetup(const QJsonObject &root, CarryOverReport &, Diagnostics &)
{
    return {root, UpgradeContext()};
}
QJsonObject upgradeAnimation(const QString &, const QJsonObject &animation, const UpgradeContext &,
                             CarryOverReport &, Diagnostics &)
{
    return animation;
}
