#include "setup_check.h"

#include "json_kinds.h"
#include "qmltext/color.h"

#include <QJsonArray>

namespace {

const char *const bonesItems = "bones";
const char *const constraintItems = "IK constraints";
const char *const slotItems = "slots";

QString described(const char *kind, const QJsonObject &item)
{
    return QLatin1String(kind) + QLatin1Char(' ')
            + quoted(item.value(QLatin1String("name")).toString());
}

// The elements of a top-level list, each read as an object.
QJsonArray listOf(const QJsonObject &skeleton, const char *key, const char *one,
                  Diagnostics &diagnostics)
{
    expectKind(diagnostics, skeleton, key, JsonKind::List, skeletonItems,
               [] { return QStringLiteral("the skeleton"); });
    const QJsonArray list = skeleton.value(QLatin1String(key)).toArray();
    for (const QJsonValue &element : list) {
        if (!element.isObject()) {
            diagnostics.warnOnce(QLatin1String(key) + QLatin1String("/element"),
                                 QStringLiteral("%1 holds %2 where a %3 belongs: it reads as a "
                                                "%3 without keys")
                                         .arg(quoted(QLatin1String(key)),
                                              jsonTypeName(element), QLatin1String(one)));
            break;
        }
    }
    return list;
}

// A reference to a bone by name; `text` says how the item refers to it, with
// %1 for the item and %2 for the bone's name.
template <typename Where>
void checkBoneReference(Diagnostics &diagnostics, const SkeletonNames &names,
                        const QJsonObject &item, const char *key, const char *items,
                        const char *text, Where where)
{
    const QJsonValue value = item.value(QLatin1String(key));
    if (value.isUndefined())
        return;
    if (!value.isString()) {
        warnWrongKind(diagnostics, items, QLatin1String(key), value, JsonKind::Text, where());
        return;
    }
    if (!names.bones.contains(value.toString())) {
        diagnostics.warn(QString::fromLatin1(text).arg(where(), quoted(value.toString())));
    }
}

void checkBone(const QJsonObject &bone, const SkeletonNames &names, Diagnostics &diagnostics)
{
    const auto where = [&] { return described("bone", bone); };
    expectKind(diagnostics, bone, "name", JsonKind::Text, bonesItems, where);
    checkBoneReference(diagnostics, names, bone, "parent", bonesItems,
                       "%1 has the parent %2, which is no bone", where);
    for (const char *key : {"x", "y", "scaleX", "scaleY", "rotation", "length"})
        expectKind(diagnostics, bone, key, JsonKind::Number, bonesItems, where);
    for (const char *key : {"inheritScale", "inheritRotation"})
        expectKind(diagnostics, bone, key, JsonKind::Boolean, bonesItems, where);
}

void checkConstraint(const QJsonObject &constraint, const SkeletonNames &names,
                     Diagnostics &diagnostics)
{
    const auto where = [&] { return described("IK constraint", constraint); };
    expectKind(diagnostics, constraint, "name", JsonKind::Text, constraintItems, where);
    if (!constraint.contains(QLatin1String("target")))
        diagnostics.warn(where() + QStringLiteral(" names no target bone"));
    checkBoneReference(diagnostics, names, constraint, "target", constraintItems,
                       "%1 aims at the bone %2, which is no bone", where);
    if (expectKind(diagnostics, constraint, "bones", JsonKind::List, constraintItems, where)) {
        const QJsonArray bones = constraint.value(QLatin1String("bones")).toArray();
        for (const QJsonValue &bone : bones) {
            if (!bone.isString()) {
                warnWrongElement(diagnostics, constraintItems, QStringLiteral("bones"), bone,
                                 JsonKind::Text, where());
            } else if (!names.bones.contains(bone.toString())) {
                diagnostics.warn(QStringLiteral("%1 bends the bone %2, which is no bone")
                                         .arg(where(), quoted(bone.toString())));
            }
        }
    }
    expectKind(diagnostics, constraint, "bendPositive", JsonKind::Boolean, constraintItems, where);
    expectKind(diagnostics, constraint, "mix", JsonKind::Number, constraintItems, where);
}

void checkSlot(const QJsonObject &slot, const SkeletonNames &names, Diagnostics &diagnostics)
{
    const auto where = [&] { return described("slot", slot); };
    expectKind(diagnostics, slot, "name", JsonKind::Text, slotItems, where);
    if (!slot.contains(QLatin1String("bone")))
        diagnostics.warn(where() + QStringLiteral(" names no bone"));
    checkBoneReference(diagnostics, names, slot, "bone", slotItems,
                       "%1 is on the bone %2, which is no bone", where);
    const QJsonValue attachment = slot.value(QLatin1String("attachment"));
    // A file without skins holds the setup pose alone: which attachments it
    // has is not known, and the document still makes their containers.
    if (!attachment.isUndefined()
        && expectKind(diagnostics, slot, "attachment", JsonKind::Text, slotItems, where)
        && names.hasSkins) {
        const QString name = slot.value(QLatin1String("name")).toString();
        if (!names.hasAttachment(name, attachment.toString())) {
            diagnostics.warn(QStringLiteral("%1 shows the attachment %2 at setup, which no skin "
                                            "has for slot %3")
                                     .arg(where(), quoted(attachment.toString()), quoted(name)));
        }
    }
    const QJsonValue color = slot.value(QLatin1String("color"));
    if (!color.isUndefined() && !isSpineColor(color.toString())) {
        diagnostics.warn(QStringLiteral("%1 has the colour %2, which is no colour (6 or 8 hex "
                                        "digits): no setup colour is written")
                                 .arg(where(), shownValue(color)));
    }
}

// The values an event key falls back on.
void checkEvents(const QJsonObject &skeleton, Diagnostics &diagnostics)
{
    const char *const eventItems = "events";
    if (!expectKind(diagnostics, skeleton, "events", JsonKind::Object, skeletonItems,
                    [] { return QStringLiteral("the skeleton"); })) {
        return;
    }
    const QJsonObject events = skeleton.value(QLatin1String("events")).toObject();
    for (auto event = events.begin(); event != events.end(); ++event) {
        const auto where = [&] { return QStringLiteral("event ") + quoted(event.key()); };
        if (!event.value().isObject())
            warnNotObject(diagnostics, eventItems, event.value(), where());
        const QJsonObject values = event.value().toObject();
        for (const char *key : {"int", "float", "volume", "balance"})
            expectKind(diagnostics, values, key, JsonKind::Number, eventItems, where);
        for (const char *key : {"string", "audio"})
            expectKind(diagnostics, values, key, JsonKind::Text, eventItems, where);
    }
}

} // namespace

void checkSetupPose(const QJsonObject &skeleton, const SkeletonNames &names,
                    Diagnostics &diagnostics)
{
    for (const QJsonValue &bone : listOf(skeleton, "bones", "bone", diagnostics))
        checkBone(bone.toObject(), names, diagnostics);
    for (const QJsonValue &constraint : listOf(skeleton, "ik", "constraint", diagnostics))
        checkConstraint(constraint.toObject(), names, diagnostics);
    for (const QJsonValue &slot : listOf(skeleton, "slots", "slot", diagnostics))
        checkSlot(slot.toObject(), names, diagnostics);
    checkEvents(skeleton, diagnostics);
}

SkeletonNames gatherNames(const QJsonObject &skeleton)
{
    SkeletonNames names;
    const QJsonArray bones = skeleton.value(QLatin1String("bones")).toArray();
    names.boneCount = bones.size();
    for (const QJsonValue &bone : bones)
        names.bones.insert(bone.toObject().value(QLatin1String("name")).toString());
    const QJsonArray slots = skeleton.value(QLatin1String("slots")).toArray();
    for (const QJsonValue &slot : slots)
        names.slotNames.insert(slot.toObject().value(QLatin1String("name")).toString());
    names.hasSkins = skeleton.contains(QLatin1String("skins"));
    const QJsonObject skins = skeleton.value(QLatin1String("skins")).toObject();
    for (const QJsonValue &skin : skins) {
        const QJsonObject skinSlots = skin.toObject();
        for (auto slot = skinSlots.begin(); slot != skinSlots.end(); ++slot) {
            QSet<QString> &attachments = names.attachments[slot.key()];
            const QJsonObject slotAttachments = slot.value().toObject();
            for (auto it = slotAttachments.begin(); it != slotAttachments.end(); ++it)
                attachments.insert(it.key());
        }
    }
    return names;
}
