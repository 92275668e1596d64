#pragma once

#include <QJsonObject>
#include <QString>

// The root alias line and the BoneTransform item of one bone's setup pose.
QString writeBone(const QJsonObject &bone);
