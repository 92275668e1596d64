#include "skeleton_check.h"

#include "animation_check.h"
#include "json_kinds.h"
#include "setup_check.h"

SkeletonCheck::SkeletonCheck(const QJsonObject &skeleton, Diagnostics &diagnostics)
    : m_skeleton(skeleton), m_diagnostics(diagnostics), m_names(gatherNames(skeleton))
{
}

void SkeletonCheck::checkSetup()
{
    checkSetupPose(m_skeleton, m_names, m_diagnostics);
    checkSkins(m_skeleton, m_names, m_diagnostics);
    expectKind(m_diagnostics, m_skeleton, "animations", JsonKind::Object, skeletonItems,
               [] { return QStringLiteral("the skeleton"); });
}

void SkeletonCheck::checkAnimation(const QString &name, const QJsonObject &animation)
{
    checkAnimationTimelines(name, animation, m_skeleton, m_names, m_diagnostics);
}
