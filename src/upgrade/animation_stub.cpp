#include "upgrade.h"

// Placeholder until the animation upgrade lands.
QJsonObject upgradeAnimation(const QString &, const QJsonObject &animation, const UpgradeContext &,
                             CarryOverReport &, Diagnostics &)
{
    return animation;
}
