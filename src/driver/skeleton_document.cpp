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

QString animationBlock(const QJsonObject &animations, const QString &name,
                       const QJsonArray &skeletonSlots, const QJsonObject &root)
{
    return QLatin1String("property alias ") + animationAliasName(name) + QLatin1String(": ")
            + animationId(name) + QLatin1String("\nItem {\n")
            + writeAnimation(animations, name, skeletonSlots, root) + QLatin1String("}\n");
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

    QMap<QString, QString> attachmentAliases;
    document.appendBody(writeSkins(packed, root.value(QLatin1String("skins")).toObject(), root,
                                   attachmentAliases));
    document.appendBody(aliasLines(attachmentAliases));

    const QJsonObject animations = root.value(QLatin1String("animations")).toObject();
    for (auto it = animations.begin(); it != animations.end(); ++it)
        document.appendBody(animationBlock(animations, it.key(), slots, root));
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
