#pragma once

#include <QString>

// The ids of the generated items, one function per kind of item, so that an
// item and every reference to it always use the same text. Each id is made by
// the name rule of qmlIdentifier plus its suffix and then, only when that is
// not an id the QML engine accepts, repaired by validQmlId.

// "default skin" for the Spine skin "default", any other name as it is: the
// name that skin items and attachment items are named by.
QString skinDisplayName(const QString &skinName);

QString boneId(const QString &boneName);
QString slotId(const QString &slotName);
QString jointId(const QString &constraintName);
QString containerId(const QString &attachmentName);
QString skinItemId(const QString &skinDisplayName);
QString attachmentItemId(const QString &skinDisplayName, const QString &slotName,
                         const QString &attachmentName);
QString animationId(const QString &animationName);

// Root property names: the bone alias, the animation alias and the alias of an
// image item (made from the skin and attachment names only).
QString boneAliasName(const QString &boneName);
QString animationAliasName(const QString &animationName);
QString imageAliasName(const QString &skinDisplayName, const QString &attachmentName);

bool isValidQmlId(const QString &id);
// Returns id unchanged when it is valid; otherwise replaces every code unit
// that is not a letter, digit or "_" by "_", puts "_" before a first character
// that is not a lower-case letter or "_", and before a word QML rejects or a
// name the document itself defines (root, attachments, imageFolder...).
QString validQmlId(const QString &id);
