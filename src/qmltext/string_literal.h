#pragma once

#include <QString>

// Text from the input made safe to stand between the double quotes of a QML
// string literal: backslash, quote, newline, carriage return and tab become
// their escapes, other control characters \u00XX. Quotes are not added.
QString escapedForQmlString(const QString &text);
// The same text with the surrounding double quotes.
QString qmlStringLiteral(const QString &text);
