#include "upgrade.h"
#include "upgrade_parts.h"

namespace {

QLatin1String key(const char *text) { return QLatin1String(text); }

// Items of a top-level or skin list that the 2.x layout has no place for.
qint64 itemCount(const QJsonValue &list) { return list.toArray().size(); }

// An inherit mode as the two flags of the 2.x layout. Only a flag the mode
// turns off is written, and it overrides a written one.
void applyInheritMode(QJsonObject &bone, const QJsonValue &value, CarryOverReport &lost,
                      Diagnostics &diagnostics)
{
    const QString mode = value.toString();
    const bool keepsRotation = mode != QLatin1String("onlyTranslation")
            && mode != QLatin1String("noRotationOrReflection");
    const bool keepsScale = mode != QLatin1String("onlyTranslation")
            && mode != QLatin1String("noScale") && mode != QLatin1String("noScaleOrReflection");
    if (!keepsRotation)
        bone.insert(key("inheritRotation"), false);
    if (!keepsScale)
        bone.insert(key("inheritScale"), false);
    if (mode == QLatin1String("noRotationOrReflection") || mode == QLatin1String("noScale")
        || mode == QLatin1String("noScaleOrReflection")) {
        lost.count(Lost::InheritModes);
    } else if (mode != QLatin1String("normal") && mode != QLatin1String("onlyTranslation")) {
        diagnostics.warn(QStringLiteral("bone \"%1\": inherit mode %2 is not known: read as \"normal\"")
                                 .arg(bone.value(key("name")).toString(),
                                      value.isString() ? QLatin1Char('"') + mode + QLatin1Char('"')
                                                       : QStringLiteral("that is not a text")));
    }
}

} // namespace

QJsonValue firstSpelling(const QJsonObject &object, std::initializer_list<const char *> spellings,
                         CarryOverReport &lost)
{
    QJsonValue found(QJsonValue::Undefined);
    for (const char *spelling : spellings) {
        const auto it = object.constFind(key(spelling));
        if (it == object.constEnd())
            continue;
        if (found.isUndefined())
            found = it.value();
        else
            lost.count(Lost::SecondSpellings);
    }
    return found;
}

QJsonArray upgradedBones(const QJsonArray &bones, CarryOverReport &lost, Diagnostics &diagnostics)
{
    QJsonArray out;
    for (const QJsonValue &element : bones) {
        QJsonObject bone = element.toObject();
        const QJsonValue mode = firstSpelling(bone, {"inherit", "transform"}, lost);
        if (!mode.isUndefined())
            applyInheritMode(bone, mode, lost, diagnostics);
        if (bone.contains(key("shearX")) || bone.contains(key("shearY")))
            lost.count(Lost::BoneShear);
        out.append(bone);
    }
    return out;
}

QJsonArray upgradedSlots(const QJsonArray &slots, CarryOverReport &lost)
{
    QJsonArray out;
    for (const QJsonValue &element : slots) {
        const QJsonObject slot = element.toObject();
        if (slot.contains(key("dark")))
            lost.count(Lost::SlotDarkColor);
        out.append(slot);
    }
    return out;
}

QJsonArray upgradedIk(const QJsonArray &constraints, CarryOverReport &lost)
{
    QJsonArray out;
    for (const QJsonValue &element : constraints) {
        const QJsonObject constraint = element.toObject();
        for (const char *setting : {"softness", "stretch", "compress", "uniform"}) {
            if (constraint.contains(key(setting))) {
                lost.count(Lost::IkSettings);
                break;
            }
        }
        out.append(constraint);
    }
    return out;
}

UpgradedSetup upgradeSetup(const QJsonObject &root, CarryOverReport &lost,
                           Diagnostics &diagnostics)
{
    UpgradedSetup upgraded;
    upgraded.skeleton = root;
    QJsonObject &skeleton = upgraded.skeleton;
    UpgradeContext &context = upgraded.context;
    context.newLayout = root.value(key("skins")).isArray();
    if (spineVersion(root).above42) {
        diagnostics.warn(QStringLiteral("written by a newer Spine (%1) than this converter knows: read as a Spine 4.2 file")
                                 .arg(printableVersionText(root)));
    }

    if (root.contains(key("bones")))
        skeleton.insert(key("bones"), upgradedBones(root.value(key("bones")).toArray(), lost, diagnostics));
    if (root.contains(key("ik")))
        skeleton.insert(key("ik"), upgradedIk(root.value(key("ik")).toArray(), lost));
    lost.count(Lost::TransformConstraints, itemCount(root.value(key("transform"))));
    lost.count(Lost::PathConstraints, itemCount(root.value(key("path"))));
    lost.count(Lost::PhysicsConstraints, itemCount(root.value(key("physics"))));

    QJsonArray slots = upgradedSlots(root.value(key("slots")).toArray(), lost);
    if (root.contains(key("skins"))) {
        const QJsonObject skins = skinsAsObject(root.value(key("skins")), lost, diagnostics);
        skeleton.insert(key("skins"), upgradedSkins(skins, slots, context, lost, diagnostics));
    }
    if (root.contains(key("slots")))
        skeleton.insert(key("slots"), slots);
    return upgraded;
}
