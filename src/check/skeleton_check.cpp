#include "skeleton_check.h"

SkeletonCheck::SkeletonCheck(const QJsonObject &skeleton, Diagnostics &diagnostics)
    : m_skeleton(skeleton), m_diagnostics(diagnostics)
{
}

void SkeletonCheck::checkSetup() {}

void SkeletonCheck::checkAnimation(const QString &, const QJsonObject &) {}
