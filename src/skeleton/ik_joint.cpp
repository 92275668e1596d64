#include "ik_joint.h"

#include "qmltext/number_format.h"

#include <QJsonArray>

QString writeIkJoint(const QJsonObject &constraint, int index, const IdTable &ids)
{
    const QJsonArray bones = constraint.value(QLatin1String("bones")).toArray();
    QString out;
    out += QLatin1String("IKJoint {\n");
    out += QLatin1String("\tid: ") + ids.joint(index) + QLatin1Char('\n');
    out += QLatin1String("\ttarget: ")
            + ids.bone(constraint.value(QLatin1String("target")).toString()) + QLatin1Char('\n');
    // A constraint without bones gets no "first:" line: an empty value would
    // not be valid QML.
    if (!bones.isEmpty())
        out += QLatin1String("\tfirst: ") + ids.bone(bones.at(0).toString()) + QLatin1Char('\n');
    if (bones.size() == 2)
        out += QLatin1String("\tsecond: ") + ids.bone(bones.at(1).toString()) + QLatin1Char('\n');
    if (constraint.contains(QLatin1String("bendPositive"))) {
        out += constraint.value(QLatin1String("bendPositive")).toBool()
                ? QLatin1String("\tbendPositive: true\n")
                : QLatin1String("\tbendPositive: false\n");
    }
    if (constraint.contains(QLatin1String("mix"))) {
        out += QLatin1String("\tmix: ");
        appendNumber(out, constraint.value(QLatin1String("mix")).toDouble());
        out += QLatin1Char('\n');
    }
    out += QLatin1String("}\n");
    return out;
}

bool ikJointHasItsBones(const QJsonObject &constraint, const BoneNames *bones)
{
    if (!namesBone(bones, constraint, "target"))
        return false;
    // Only the bones that the joint names count: a third one is ignored.
    const QJsonArray bent = constraint.value(QLatin1String("bones")).toArray();
    const int named = bent.size() == 2 ? 2 : qMin(bent.size(), 1);
    for (int i = 0; i < named; ++i) {
        if (bones && !bones->contains(bent.at(i).toString()))
            return false;
    }
    return true;
}
