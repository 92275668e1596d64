#include "color.h"

#include <cctype>

QString qmlColor(const QString &spineColor)
{
    return spineColor.right(2) + spineColor.left(6);
}

bool isSpineColor(const QString &text)
{
    if (text.size() != 6 && text.size() != 8)
        return false;
    for (QChar c : text) {
        if (c.unicode() > 0x7f || !isxdigit(c.unicode()))
            return false;
    }
    return true;
}
