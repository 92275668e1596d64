#include "upgrade_parts.h"

QJsonObject upgradedSkins(const QJsonObject &skins, QJsonArray &, UpgradeContext &,
                          CarryOverReport &, Diagnostics &)
{
    return skins;
}
