#include "bone.h"

#include "qmltext/property_lines.h"
#include "qmltext/qml_ids.h"

QString writeBone(const QJsonObject &bone)
{
    const QString name = bone.value(QLatin1String("name")).toString();
    const QString id = boneId(name);
    QString out;
    out += QLatin1String("property alias ") + boneAliasName(name) + QLatin1String(" : ") + id
            + QLatin1Char('\n');
    out += QLatin1String("BoneTransform {\n");
    out += QLatin1String("\tid: ") + id + QLatin1Char('\n');
    if (bone.contains(QLatin1String("parent"))) {
        out += QLatin1String("\tparentBone: ")
                + boneId(bone.value(QLatin1String("parent")).toString()) + QLatin1Char('\n');
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
