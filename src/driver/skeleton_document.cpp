#include "skeleton_document.h"

#include "animation/animation.h"
#include "animation/slot_timelines.h"
#include "check/skeleton_check.h"
#include "document_ids.h"
#include "document_wrapper.h"
#include "skeleton/bone.h"
#include "skeleton/ik_joint.h"
#include "skeleton/slot.h"
#include "skins/attachment_index.h"
#include "skins/skins.h"
#include "upgrade/upgrade.h"

#include <QBuffer>
#include <QJsonArray>

namespace {

QString aliasLines(const QVector<QPair<QString, QString>> &aliases)
{
    QString out;
    for (const auto &alias : aliases)
        out += QLatin1String("property alias ") + alias.first + QLatin1String(": ")
                + alias.second + QLatin1Char('\n');
    return out;
}

// The root alias of one animation and the item that holds it.
void appendAnimationBlock(QString &out, const QJsonObject &animation, const QString &name,
                          const QJsonArray &skeletonSlots, const QJsonObject &root,
                          const IdTable &ids, const PartDone &partDone, bool upgraded)
{
    out += QLatin1String("property alias ");
    out += ids.animationAlias(name);
    out += QLatin1String(": ");
    out += ids.animation(name);
    out += QLatin1String("\nItem {\n");
    appendAnimation(out, animation, name, skeletonSlots, root, ids, partDone, upgraded);
    out += QLatin1String("}\n");
}

} // namespace

bool writeSkeletonDocument(const QJsonObject &input, bool packed, const QString &imageFolder,
                           QIODevice *device, Diagnostics &diagnostics,
                           const QString &binaryVersion)
{
    const bool upgrading = needsUpgrade(input);
    CarryOverReport lost;
    UpgradedSetup upgraded;
    if (upgrading) {
        diagnostics.note(binaryVersion.isNull()
                                 ? versionNote(input)
                                 : QStringLiteral("read as a Spine %1 binary file").arg(binaryVersion));
        upgraded = upgradeSetup(input, lost, diagnostics);
        upgraded.context.setupColors =
                setupColors(upgraded.skeleton.value(QLatin1String("slots")).toArray());
    } else {
        upgraded.skeleton = input;
    }
    const QJsonObject &root = upgraded.skeleton;
    SkeletonCheck check(root, diagnostics);
    check.checkSetup();
    const IdTable ids = buildIdTable(root, diagnostics);

    DocumentWriter document(device, imageFolder);
    const QJsonArray bones = root.value(QLatin1String("bones")).toArray();
    for (int i = 0; i < bones.size(); ++i)
        document.appendBody(writeBone(bones.at(i).toObject(), i, ids));
    const QJsonArray constraints = root.value(QLatin1String("ik")).toArray();
    for (int i = 0; i < constraints.size(); ++i)
        document.appendBody(writeIkJoint(constraints.at(i).toObject(), i, ids));
    const QJsonArray slots = root.value(QLatin1String("slots")).toArray();
    for (int i = 0; i < slots.size(); ++i)
        document.appendBody(writeSlot(slots.at(i).toObject(), i, ids));
    document.appendBody(writeAttachments(root, ids));

    // The skins and the animations are the bulk of the document: they reach the
    // writer a part at a time instead of as one text each. The text keeps its
    // capacity from part to part.
    QString text;
    const PartDone handToWriter = [&document](QString &partText) {
        document.appendBody(partText);
        partText.resize(0);
    };
    appendSkins(text, packed, root.value(QLatin1String("skins")).toObject(), ids, handToWriter);
    handToWriter(text);
    document.appendBody(aliasLines(ids.imageAliases));

    // A newer file's animations are upgraded one at a time, as they are
    // written, so that no upgraded copy of all of them is ever held.
    const QJsonObject animations = root.value(QLatin1String("animations")).toObject();
    for (auto it = animations.begin(); it != animations.end(); ++it) {
        QJsonObject animation = it.value().toObject();
        if (upgrading)
            animation = upgradeAnimation(it.key(), animation, upgraded.context, lost, diagnostics);
        check.checkAnimation(it.key(), animation);
        appendAnimationBlock(text, animation, it.key(), slots, root, ids, handToWriter,
                             upgrading);
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
