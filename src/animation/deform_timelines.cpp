#include "deform_timelines.h"

#include "qmltext/statements.h"
#include "timeline.h"

#include <QDebug>

namespace {

VertexList setupVertices(const QJsonObject &root, const QString &skin, const QString &slot,
                         const QString &attachment)
{
    const QJsonValue vertices = root.value(QLatin1String("skins")).toObject().value(skin)
            .toObject().value(slot).toObject().value(attachment).toObject()
            .value(QLatin1String("vertices"));
    return vertexListFromJson(vertices);
}

VertexList keyVertices(const QJsonObject &key, const VertexList &setup)
{
    const VertexList deltas = vertexListFromJson(key.value(QLatin1String("vertices")));
    const int offset = key.contains(QLatin1String("offset"))
            ? key.value(QLatin1String("offset")).toInt(0)
            : 0;
    return applyVertexDeltas(setup, deltas, offset);
}

void appendDeformSequence(QString &out, const QString &target, const QJsonArray &keys,
                          const VertexList &setup, const PartDone &partDone)
{
    const QString property = QStringLiteral("vertices");
    out += QLatin1String("\tSequentialAnimation {\n");
    // The timeline carries each key's vertices as text, made once per key.
    // Every key repeats the whole setup list, so one sequence grows with keys
    // times vertices: a file of a hundred kilobytes can ask for gigabytes.
    appendKeyedTimeline(
            out, keys, numberListText(setup),
            [&](const QJsonObject &key) { return numberListText(keyVertices(key, setup)); },
            [&](QString &text, const QString &list) {
                appendVertexAction(text, target, property, list);
            },
            [&](QString &text, const QString &from, const QString &to, int milliseconds,
                const SegmentCurve &curve) {
                appendVertexAnimation(text, target, property, from, to, milliseconds, curve);
            },
            partDone);
    out += QLatin1String("\t}\n");
}

} // namespace

void appendVertexAction(QString &out, const QString &target, const QString &property,
                        const QString &listText)
{
    appendPropertyActionStart(out, target, property);
    out += QLatin1String("[ ");
    out += listText;
    out += QLatin1String(" ] }\n");
}

void appendVertexAnimation(QString &out, const QString &target, const QString &property,
                           const QString &fromText, const QString &toText, int milliseconds,
                           const SegmentCurve &curve)
{
    if (isSteppedCurve(curve)) {
        appendPauseStatement(out, milliseconds);
        appendVertexAction(out, target, property, toText);
        return;
    }
    out += QLatin1String("PropertyAnimation { target: ");
    out += target;
    out += QLatin1String("; property: \"");
    out += property;
    out += QLatin1String("\"; from: [ ");
    out += fromText;
    out += QLatin1String(" ] ; to: [ ");
    out += toText;
    out += QLatin1String(" ] ; ");
    appendDurationAndEasing(out, milliseconds, curve);
}

void appendDeformTimelines(QString &out, const QJsonObject &ffd, const QJsonObject &root,
                           const IdTable &ids, const PartDone &partDone,
                           const TimelineTargets *targets)
{
    qDebug("one ffd");
    for (auto skin = ffd.begin(); skin != ffd.end(); ++skin) {
        const QJsonObject slots = skin.value().toObject();
        for (auto slot = slots.begin(); slot != slots.end(); ++slot) {
            qDebug("one slot");
            // Every attachment of the slot is animated, in key order: a slot
            // whose meshes take turns deforms each of them.
            const QJsonObject attachments = slot.value().toObject();
            for (auto attachment = attachments.begin(); attachment != attachments.end();
                 ++attachment) {
                if (!hasMesh(targets, skin.key(), slot.key(), attachment.key()))
                    continue;
                const QString target =
                        ids.attachmentItem(skin.key(), slot.key(), attachment.key());
                appendDeformSequence(out, target, attachment.value().toArray(),
                                     setupVertices(root, skin.key(), slot.key(), attachment.key()),
                                     partDone);
                reportPartDone(partDone, out);
            }
        }
    }
}

QString writeDeformTimelines(const QJsonObject &ffd, const QJsonObject &root, const IdTable &ids)
{
    QString out;
    appendDeformTimelines(out, ffd, root, ids);
    return out;
}
