#include "skeleton_document.h"

#include "animation/animation.h"
#include "check/skeleton_check.h"
#include "document_wrapper.h"
#include "qmltext/qml_ids.h"
#include "skeleton/bone.h"
#include "skeleton/ik_joint.h"
#include "skeleton/slot.h"
#include "skins/attachment_index.h"
#include "skins/skins.h"
#include "upgrade/upgrade.h"

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
void appendAnimationBlock(QString &out, const QJsonObject &animation, const QString &name,
                          const QJsonArray &skeletonSlots, const QJsonObject &root,
                          const PartDone &partDone)
{
    out += QLatin1String("property alias ");
    out += animationAliasName(name);
    out += QLatin1String(": ");
    out += animationId(name);
    out += QLatin1String("\nItem {\n");
    appendAnimation(out, animation, name, skeletonSlots, root, partDone);
    out += QLatin1String("}\n");
}

} // namespace

bool writeSkeletonDocument(const QJsonObject &input, bool packed, const QString &imageFolder,
                           QIODevice *device, Diagnostics &diagnostics)
{
    const bool upgrading = needsUpgrade(input);
    CarryOverReport lost;
    UpgradedSetup upgraded;
    if (upgrading) {
        diagnostics.note(versionNote(input));
        upgraded = upgradeSetup(input, lost, diagnostics);
    } else {
        upgraded.skeleton = input;
    }
    const QJsonObject &root = upgraded.skeleton;
    SkeletonCheck check(root, diagnostics);
    check.checkSetup();

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

    // A newer file's animations are upgraded one at a time, as they are
    // written, so that no upgraded copy of all of them is ever held.
    const QJsonObject animations = root.value(QLatin1String("animations")).toObject();
    for (auto it = animations.begin(); it != animations.end(); ++it) {
        QJsonObject animation = it.value().toObject();
        if (upgrading)
            animation = upgradeAnimation(it.key(), animation, upgraded.context, lost, diagnostics);
        check.checkAnimation(it.key(), animation);
        appendAnimationBlock(text, animation, it.key(), slots, root, handToWriter);
        handToWriter(text);
    }
    if (upgrading && !lost.isEmpty())
        diagnostics.note(lost.noteText());
    return document.finish();
}

QByteArray convertSkeleton(const QJsonObject &root, bool packed, const QString &imageFolder,
                           Diagnostics &diagnostics)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeSkeletonDocument(root, packed, imageFolder, &buffer, diagnostics);
    return bytes;
}

QByteArray convertSkeleton(const QJsonObject &root, bool packed, const QString &imageFolder)
{
    Diagnostics diagnostics;
    return convertSkeleton(root, packed, imageFolder, diagnostics);
}
