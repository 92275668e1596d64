#pragma once

#include <QString>

// A Spine colour RRGGBBAA in QML's order AARRGGBB: the last two characters,
// then the first six. The digits are neither checked nor changed.
QString qmlColor(const QString &spineColor);
