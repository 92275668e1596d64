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

// The two statements of a number property's sequence.
struct NumberStatements {
    const QString &target;
    QString property;
    void operator()(QString &text, double value) const
    {
        appendPropertyActionNumber(text, target, property, value);
    }
    void operator()(QString &text, double from, double to, int milliseconds,
                    const SegmentCurve &curve) const
    {
        appendNumberAnimation(text, target, property, from, to, milliseconds, curve);
    }
};

void appendBonePass(QString &out, const QString &target, const QJsonArray &keys,
                    const BonePass &pass, const PartDone &partDone)
{
    const NumberStatements statements{target, QLatin1String(pass.property)};
    const QLatin1String field(pass.field);
    RotationValues rotation(pass.isRotation ? keys : QJsonArray());
    out += QLatin1String("\tSequentialAnimation {\n");
    appendKeyedTimeline(
            out, keys, pass.startValue,
            [&](const QJsonObject &key) {
                return pass.isRotation ? rotation.next(writtenRotation(key))
                                       : pass.sign * key.value(field).toDouble();
            },
            statements, statements, partDone);
    out += QLatin1String("\t}\n");
}

const BonePass rotatePass = {"dangle", "angle", 1, 0, true};
const BonePass scaleXPass = {"dxScale", "x", 1, 1, false};
const BonePass scaleYPass = {"dyScale", "y", 1, 1, false};
const BonePass translateXPass = {"dx", "x", 1, 0, false};
const BonePass translateYPass = {"dy", "y", -1, 0, false};

// The passes of split channels, in the same order as the combined ones.
const BonePass splitPasses[SplitChannels::Count] = {
        {"dangle", "value", 1, 0, true},
        {"dxScale", "value", 1, 1, false},
        {"dyScale", "value", 1, 1, false},
        {"dx", "value", 1, 0, false},
        {"dy", "value", -1, 0, false},
};

void appendChannelPass(QString &out, const QString &target, const QVector<NumberKey> &keys,
                       const BonePass &pass, bool rotateAsWritten, const PartDone &partDone)
{
    const NumberStatements statements{target, QLatin1String(pass.property)};
    RotationValues rotation(rotateAsWritten, keys.isEmpty() ? 0 : keys.first().value);
    out += QLatin1String("\tSequentialAnimation {\n");
    appendReadTimeline(
            out, keys, pass.startValue,
            [&](double value) {
                return pass.isRotation ? rotation.next(value) : pass.sign * value;
            },
            statements, statements, partDone);
    out += QLatin1String("\t}\n");
}

void appendSplitChannels(QString &out, const QString &target, const SplitChannels &split,
                         const PartDone &partDone)
{
    for (int channel = 0; channel < SplitChannels::Count; ++channel) {
        if (split.present[channel])
            appendChannelPass(out, target, split.keys[channel], splitPasses[channel],
                              split.rotateAsWritten, partDone);
    }
}

} // namespace

void appendNumberAnimation(QString &out, const QString &target, const QString &property,
                           double from, double to, int milliseconds, const SegmentCurve &curve)
{
    if (isSteppedCurve(curve)) {
        appendPauseStatement(out, milliseconds);
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
    appendDurationAndEasing(out, milliseconds, curve);
}

void appendBoneSequences(QString &out, const QString &target, const QJsonObject &timelines,
                         const SplitChannels *split, const PartDone &partDone)
{
    if (split) {
        appendSplitChannels(out, target, *split, partDone);
        return;
    }
    const QJsonValue rotate = timelines.value(QLatin1String("rotate"));
    if (!rotate.isUndefined())
        appendBonePass(out, target, rotate.toArray(), rotatePass, partDone);
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
}

void appendBoneTimelines(QString &out, const QJsonObject &bones, const IdTable &ids,
                         const PartDone &partDone, const TimelineTargets *targets)
{
    for (auto bone = bones.begin(); bone != bones.end(); ++bone) {
        if (!hasBone(targets, bone.key()))
            continue;
        appendBoneSequences(out, ids.bone(bone.key()), bone.value().toObject(), nullptr,
                            partDone);
        reportPartDone(partDone, out);
    }
}

QString writeBoneTimelines(const QJsonObject &bones, const IdTable &ids)
{
    QString out;
    appendBoneTimelines(out, bones, ids);
    return out;
}
