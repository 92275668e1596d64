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

void SkeletonCheck::checkAnimationStart(const QString &name, Diagnostics &into) const
{
    checkStoredAnimation(name, m_skeleton, into);
}

void SkeletonCheck::checkAnimatedSlot(const QString &animation, const QString &slot,
                                      const QJsonObject &timelines,
                                      const QVector<ColorKey> *colors, Diagnostics &into) const
{
    ::checkAnimatedSlot(animation, slot, timelines, colors, m_names, into);
}

void SkeletonCheck::checkAnimatedBone(const QString &animation, const QString &bone,
                                      const QJsonObject &timelines, const SplitChannels &split,
                                      Diagnostics &into) const
{
    ::checkAnimatedBone(animation, bone, timelines, &split, m_names, into);
}

void SkeletonCheck::checkDeform(const QString &animation, const QJsonObject &ffd,
                                Diagnostics &into) const
{
    checkDeformTimelines(animation, ffd, m_skeleton, into);
}

void SkeletonCheck::checkKeyedSequences(const QString &animation, const QJsonObject &stored,
                                        const QJsonObject &ik, Diagnostics &into) const
{
    ::checkKeyedSequences(animation, stored, ik, m_skeleton, into);
}
