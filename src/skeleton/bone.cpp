#include "bone.h"

#include "qmltext/property_lines.h"

QString writeBone(const QJsonObject &bone, int index, const IdTable &ids,
                  const BoneNames *bones)
{
    const QString id = ids.boneAt(index);
    QString out;
    out += QLatin1String("property alias ") + ids.boneAlias(index) + QLatin1String(" : ") + id
            + QLatin1Char('\n');
    out += QLatin1String("BoneTransform {\n");
    out += QLatin1String("\tid: ") + id + QLatin1Char('\n');
    if (namesBone(bones, bone, "parent")) {
        out += QLatin1String("\tparentBone: ")
                + ids.bone(bone.value(QLatin1String("parent")).toString()) + QLatin1Char('\n');
    }
    appendNumberProperty(out, bone, "x", "x");
    appendNumberProperty(out, bone, "y", "y", -1);
    appendNumberProperty(out, bone, "scaleX", "xScale");
    appendNumberProperty(out, bone, "scaleY", "yScale");
    appendNumberProperty(out, bone, "rotation", "angle", -1);
    appendBoolProperty(out, bone, "inheritScale");
    appendBoolProperty(out, bone, "inheritRotation");
    appendNumberProperty(out, bone, "length", "length");
    out += QLatin1String("}\n");
    return out;
}
