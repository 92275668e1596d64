#pragma once

#include <QString>

// A Spine colour RRGGBBAA in QML's order AARRGGBB: the last two characters,
// then the first six. The digits are neither checked nor changed.
QString qmlColor(const QString &spineColor);

// Six or eight hex digits: what qmlColor turns into a colour QML can read.
bool isSpineColor(const QString &text);
