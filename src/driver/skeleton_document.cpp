#include "skeleton_document.h"

#include "animation/animation.h"
#include "document_wrapper.h"
#include "qmltext/qml_ids.h"
#include "skeleton/bone.h"
#include "skeleton/ik_joint.h"
#include "skeleton/slot.h"
#include "skins/attachment_index.h"
#include "skins/skins.h"

#include <QBuffer>
#include <QJsonArray>
#include <QMap>

namespace {

QString aliasLines(const QMap<QString, QString> &aliases)
{
    QString out;
    for (auto it = aliases.begin(); it != aliases.end(); ++it)
        out += QLatin1String("property alias ") + it.key() + QLatin1String(": ") + it.value()
                + QLatin1Char('\n');
    return out;
}

// The root alias of one animation and the item that holds it.
void appendAnimationBlock(QString &out, const QJsonObject &animations, const QString &name,
                          const QJsonArray &skeletonSlots, const QJsonObject &root,
                          const PartDone &partDone)
{
    out += QLatin1String("property alias ");
    out += animationAliasName(name);
    out += QLatin1String(": ");
    out += animationId(name);
    out += QLatin1String("\nItem {\n");
    appendAnimation(out, animations, name, skeletonSlots, root, partDone);
    out += QLatin1String("}\n");
}

} // namespace

bool writeSkeletonDocument(const QJsonObject &root, bool packed, const QString &imageFolder,
                           QIODevice *device)
{
    DocumentWriter document(device, imageFolder);
    const QJsonArray bones = root.value(QLatin1String("bones")).toArray();
    for (const QJsonValue &bone : bones)
        document.appendBody(writeBone(bone.toObject()));
    const QJsonArray constraints = root.value(QLatin1String("ik")).toArray();
    for (const QJsonValue &constraint : constraints)
        document.appendBody(writeIkJoint(constraint.toObject()));
    const QJsonArray slots = root.value(QLatin1String("slots")).toArray();
    for (const QJsonValue &slot : slots)
        document.appendBody(writeSlot(slot.toObject()));
    document.appendBody(writeAttachments(root));

    // The skins and the animations are the bulk of the document: they reach the
    // writer a part at a time instead of as one text each. The text keeps its
    // capacity from part to part.
    QString text;
    const PartDone handToWriter = [&document](QString &partText) {
        document.appendBody(partText);
        partText.resize(0);
    };
    QMap<QString, QString> attachmentAliases;
    appendSkins(text, packed, root.value(QLatin1String("skins")).toObject(), root,
                attachmentAliases, handToWriter);
    handToWriter(text);
    document.appendBody(aliasLines(attachmentAliases));

    const QJsonObject animations = root.value(QLatin1String("animations")).toObject();
    for (auto it = animations.begin(); it != animations.end(); ++it) {
        appendAnimationBlock(text, animations, it.key(), slots, root, handToWriter);
        handToWriter(text);
    }
    return document.finish();
}

QByteArray convertSkeleton(const QJsonObject &root, bool packed, const QString &imageFolder)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeSkeletonDocument(root, packed, imageFolder, &buffer);
    return bytes;
}
