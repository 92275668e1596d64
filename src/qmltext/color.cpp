#include "color.h"

QString qmlColor(const QString &spineColor)
{
    return spineColor.right(2) + spineColor.left(6);
}
