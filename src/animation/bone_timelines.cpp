#include "bone_timelines.h"

#include "qmltext/number_format.h"
#include "qmltext/statements.h"
#include "rotation_turns.h"
#include "timeline.h"

namespace {

// One pass over a timeline array: which field it reads, how the value is
// written and the neutral value it starts from.
struct BonePass {
    const char *property;
    const char *field;
    double sign;
    double startValue;
    bool isRotation;
};

void appendBonePass(QString &out, const QString &target, const QJsonArray &keys,
                    const BonePass &pass, const PartDone &partDone)
{
    const QString property = QLatin1String(pass.property);
    const QLatin1String field(pass.field);
    RotationValues rotation(pass.isRotation ? keys : QJsonArray());
    out += QLatin1String("\tSequentialAnimation {\n");
    appendKeyedTimeline(
            out, keys, pass.startValue,
            [&](const QJsonObject &key) {
                return pass.isRotation ? rotation.next(key)
                                       : pass.sign * key.value(field).toDouble();
            },
            [&](QString &text, double value) {
                appendPropertyActionNumber(text, target, property, value);
            },
            [&](QString &text, double from, double to, double seconds, const QJsonValue &curve) {
                appendNumberAnimation(text, target, property, from, to, seconds, curve);
            },
            partDone);
    out += QLatin1String("\t}\n");
}

const BonePass rotatePass = {"dangle", "angle", 1, 0, true};
const BonePass scaleXPass = {"dxScale", "x", 1, 1, false};
const BonePass scaleYPass = {"dyScale", "y", 1, 1, false};
const BonePass translateXPass = {"dx", "x", 1, 0, false};
const BonePass translateYPass = {"dy", "y", -1, 0, false};

// The passes of an upgraded file, one per split channel, in the same order.
const struct {
    const char *timeline;
    BonePass pass;
} splitPasses[] = {
    {"scalex", {"dxScale", "value", 1, 1, false}},
    {"scaley", {"dyScale", "value", 1, 1, false}},
    {"translatex", {"dx", "value", 1, 0, false}},
    {"translatey", {"dy", "value", -1, 0, false}},
};

void appendSplitChannels(QString &out, const QString &target, const QJsonObject &timelines,
                         const PartDone &partDone)
{
    for (const auto &split : splitPasses) {
        const QJsonValue keys = timelines.value(QLatin1String(split.timeline));
        if (!keys.isUndefined())
            appendBonePass(out, target, keys.toArray(), split.pass, partDone);
    }
}

} // namespace

void appendNumberAnimation(QString &out, const QString &target, const QString &property,
                           double from, double to, double seconds, const QJsonValue &curve)
{
    if (isSteppedCurve(curve)) {
        appendPauseStatement(out, seconds);
        appendPropertyActionNumber(out, target, property, to);
        return;
    }
    out += QLatin1String("PropertyAnimation { target: ");
    out += target;
    out += QLatin1String("; property: \"");
    out += property;
    out += QLatin1String("\"; from: ");
    appendNumber(out, from);
    out += QLatin1String("; to: ");
    appendNumber(out, to);
    out += QLatin1String("; ");
    appendDurationAndEasing(out, seconds, curve);
}

void appendBoneTimelines(QString &out, const QJsonObject &bones, const IdTable &ids,
                         const PartDone &partDone, bool splitChannels)
{
    for (auto bone = bones.begin(); bone != bones.end(); ++bone) {
        const QString target = ids.bone(bone.key());
        const QJsonObject timelines = bone.value().toObject();
        const QJsonValue rotate = timelines.value(QLatin1String("rotate"));
        if (!rotate.isUndefined())
            appendBonePass(out, target, rotate.toArray(), rotatePass, partDone);
        if (splitChannels) {
            appendSplitChannels(out, target, timelines, partDone);
            reportPartDone(partDone, out);
            continue;
        }
        const QJsonValue scale = timelines.value(QLatin1String("scale"));
        if (!scale.isUndefined()) {
            appendBonePass(out, target, scale.toArray(), scaleXPass, partDone);
            appendBonePass(out, target, scale.toArray(), scaleYPass, partDone);
        }
        const QJsonValue translate = timelines.value(QLatin1String("translate"));
        if (!translate.isUndefined()) {
            appendBonePass(out, target, translate.toArray(), translateXPass, partDone);
            appendBonePass(out, target, translate.toArray(), translateYPass, partDone);
        }
        reportPartDone(partDone, out);
    }
}

QString writeBoneTimelines(const QJsonObject &bones, const IdTable &ids)
{
    QString out;
    appendBoneTimelines(out, bones, ids);
    return out;
}
