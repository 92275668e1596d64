#include "global_strings.h"

const QString qmlModuleImport = QStringLiteral("Quillon 2.0");
const QString rootTypeName = QStringLiteral("SpineSkeleton");

const QString jointIdSuffix = QStringLiteral("Joint");
const QString boneIdSuffix = QStringLiteral("Bone");
const QString slotIdSuffix = QStringLiteral("Slot");
const QString attachmentIdSuffix = QStringLiteral("Attachment");
const QString animationIdSuffix = QStringLiteral("Animation");
