#include "deform_timelines.h"

#include "qmltext/qml_ids.h"
#include "skins/skins.h"
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

QString deformSequence(const QString &target, const QJsonArray &keys, const VertexList &setup)
{
    const QString property = QStringLiteral("vertices");
    QString out = QStringLiteral("\tSequentialAnimation {\n");
    appendKeyedTimeline(
            out, keys, setup,
            [&](const QJsonObject &key) { return keyVertices(key, setup); },
            [&](const VertexList &list) { return vertexAction(target, property, list); },
            [&](const VertexList &from, const VertexList &to, double seconds,
                const QJsonValue &curve) {
                return vertexAnimation(target, property, from, to, seconds, curve);
            });
    out += QLatin1String("\t}\n");
    return out;
}

} // namespace

QString vertexAction(const QString &target, const QString &property, const VertexList &list)
{
    QString out = QLatin1String("PropertyAction { target: ") + target
            + QLatin1String("; property: \"") + property + QLatin1String("\"; value: [ ");
    appendNumberList(out, list);
    out += QLatin1String(" ] }\n");
    return out;
}

QString vertexAnimation(const QString &target, const QString &property, const VertexList &from,
                        const VertexList &to, double seconds, const QJsonValue &curve)
{
    if (isSteppedCurve(curve))
        return pauseStatement(seconds) + vertexAction(target, property, to);
    QString out = QLatin1String("PropertyAnimation { target: ") + target
            + QLatin1String("; property: \"") + property + QLatin1String("\"; from: [ ");
    appendNumberList(out, from);
    out += QLatin1String(" ] ; to: [ ");
    appendNumberList(out, to);
    out += QLatin1String(" ] ; ");
    appendDurationAndEasing(out, seconds, curve);
    return out;
}

QString writeDeformTimelines(const QJsonObject &ffd, const QJsonObject &root)
{
    qDebug("one ffd");
    QString out;
    for (auto skin = ffd.begin(); skin != ffd.end(); ++skin) {
        const QJsonObject slots = skin.value().toObject();
        for (auto slot = slots.begin(); slot != slots.end(); ++slot) {
            qDebug("one slot");
            const QJsonObject attachments = slot.value().toObject();
            // Only the slot's first attachment is animated; a slot naming
            // none has nothing to animate.
            if (attachments.isEmpty())
                continue;
            const QString attachment = attachments.begin().key();
            const QString target =
                    attachmentItemId(skinDisplayName(skin.key()), slot.key(), attachment);
            out += deformSequence(target, attachments.begin().value().toArray(),
                                  setupVertices(root, skin.key(), slot.key(), attachment));
        }
    }
    return out;
}
