#pragma once

#include "diagnostics/diagnostics.h"
#include "skeleton_names.h"

#include <QJsonObject>
#include <QString>

// Warns about what the converter reads in a skeleton of the 2.x layout but
// cannot resolve or has to mend: references to nothing, colours that are no
// colour, keys out of time order, unknown attachment types, values of the
// wrong JSON type. It never changes what is written.
class SkeletonCheck
{
public:
    SkeletonCheck(const QJsonObject &skeleton, Diagnostics &diagnostics);
    void checkSetup();
    void checkAnimation(const QString &name, const QJsonObject &animation);

private:
    const QJsonObject &m_skeleton;
    Diagnostics &m_diagnostics;
    SkeletonNames m_names;
};
