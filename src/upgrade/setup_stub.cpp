#include "upgrade.h"

// Placeholders until the setup upgrade lands.
bool needsUpgrade(const QJsonObject &) { return false; }
QString versionNote(const QJsonObject &) { return QString(); }
UpgradedSetup upgradeSetup(const QJsonObject &root, CarryOverReport &, Diagnostics &)
{
    return {root, UpgradeContext()};
}
