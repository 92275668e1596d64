#include "ik_timelines.h"

#include "bone_timelines.h"
#include "qmltext/statements.h"
#include "timeline.h"

namespace {

const QString mixProperty = QStringLiteral("mix");

double mixOf(const QJsonObject &item)
{
    const QJsonValue mix = item.value(QLatin1String("mix"));
    return mix.isUndefined() ? 1 : mix.toDouble();
}

bool bendOf(const QJsonObject &item)
{
    const QJsonValue bend = item.value(QLatin1String("bendPositive"));
    return bend.isUndefined() || bend.toBool();
}

void appendMixSequence(QString &out, const QString &joint, const QJsonArray &keys, double setupMix,
                       const PartDone &partDone)
{
    out += QLatin1String("\tSequentialAnimation {\n");
    appendKeyedTimeline(
            out, keys, setupMix, mixOf,
            [&joint](QString &text, double value) {
                appendPropertyActionNumber(text, joint, mixProperty, value);
            },
            [&joint](QString &text, double from, double to, int milliseconds,
                     const SegmentCurve &curve) {
                appendNumberAnimation(text, joint, mixProperty, from, to, milliseconds, curve);
            },
            partDone);
    out += QLatin1String("\t}\n");
}

// Bend does not interpolate: it changes at each key.
void appendBendSequence(QString &out, const QString &joint, const QJsonArray &keys,
                        const PartDone &partDone)
{
    out += QLatin1String("\tSequentialAnimation {\n");
    double previousTime = 0;
    for (const QJsonValue &element : keys) {
        const QJsonObject key = element.toObject();
        const double time = keyTime(key);
        appendPauseBeforeKey(out, time, previousTime);
        appendPropertyActionText(out, joint, QStringLiteral("bendPositive"),
                                 bendOf(key) ? QStringLiteral("true") : QStringLiteral("false"));
        previousTime = time;
        reportLongPart(partDone, out);
    }
    out += QLatin1String("\t}\n");
}

bool bendsOtherWay(const QJsonArray &keys, bool setupBend)
{
    for (const QJsonValue &key : keys) {
        if (bendOf(key.toObject()) != setupBend)
            return true;
    }
    return false;
}

} // namespace

QHash<QString, IkSetup> ikSetups(const QJsonArray &constraints)
{
    QHash<QString, IkSetup> setups;
    for (int i = 0; i < constraints.size(); ++i) {
        const QJsonObject constraint = constraints.at(i).toObject();
        const QString name = constraint.value(QLatin1String("name")).toString();
        if (!setups.contains(name))
            setups.insert(name, {i, mixOf(constraint), bendOf(constraint)});
    }
    return setups;
}

void appendIkTimelines(QString &out, const QJsonObject &ik, const QJsonArray &constraints,
                       const IdTable &ids, const PartDone &partDone,
                       const TimelineTargets *targets)
{
    if (ik.isEmpty())
        return;
    const QHash<QString, IkSetup> setups = ikSetups(constraints);
    for (auto timeline = ik.begin(); timeline != ik.end(); ++timeline) {
        const auto setup = setups.constFind(timeline.key());
        const QJsonArray keys = timeline.value().toArray();
        if (setup == setups.constEnd() || keys.isEmpty()
            || !hasConstraint(targets, timeline.key()))
            continue;
        const QString joint = ids.joint(setup->index);
        appendMixSequence(out, joint, keys, setup->mix, partDone);
        if (bendsOtherWay(keys, setup->bendPositive))
            appendBendSequence(out, joint, keys, partDone);
        reportPartDone(partDone, out);
    }
}
