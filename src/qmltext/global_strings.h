#pragma once

#include <QString>

// The module the generated document imports and the type of its root item.
extern const QString qmlModuleImport;
extern const QString rootTypeName;

// Suffixes that the id of each kind of item carries after its name part.
extern const QString jointIdSuffix;
extern const QString boneIdSuffix;
extern const QString slotIdSuffix;
extern const QString attachmentIdSuffix;
extern const QString animationIdSuffix;
