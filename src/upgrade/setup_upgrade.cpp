#include "upgrade.h"
#include "upgrade_parts.h"

namespace {

QLatin1String key(const char *text) { return QLatin1String(text); }

// Items of a top-level or skin list that the 2.x layout has no place for.
qint64 itemCount(const QJsonValue &list) { return list.toArray().size(); }

struct InheritMode {
    const char *name;
    bool inheritsRotation;
    bool inheritsScale;
    bool exact;
};

// What each mode keeps of the parent, as the two flags of the 2.x layout;
// the last three only come near what the editor does.
const InheritMode inheritModes[] = {
    {"normal", true, true, true},
    {"onlyTranslation", false, false, true},
    {"noRotationOrReflection", false, true, false},
    // The spelling of 3.5.00 to 3.5.02.
    {"noRotation", false, true, false},
    {"noScale", true, false, false},
    {"noScaleOrReflection", true, false, false},
};

// Only a flag the mode turns off is written, and it overrides a written one.
void applyInheritMode(QJsonObject &bone, const QJsonValue &value, CarryOverReport &lost,
                      Diagnostics &diagnostics)
{
    const QString name = value.toString();
    for (const InheritMode &mode : inheritModes) {
        if (name != QLatin1String(mode.name))
            continue;
        if (!mode.inheritsRotation)
            bone.insert(key("inheritRotation"), false);
        if (!mode.inheritsScale)
            bone.insert(key("inheritScale"), false);
        if (!mode.exact)
            lost.count(Lost::InheritModes);
        return;
    }
    diagnostics.warn(QStringLiteral("bone \"%1\": inherit mode %2 is not known: read as \"normal\"")
                             .arg(bone.value(key("name")).toString(),
                                  value.isString() ? QLatin1Char('"') + name + QLatin1Char('"')
                                                   : QStringLiteral("that is not a text")));
}

// Only "slots" names a slot with its folder ("rain/rain-green"); skins and
// animations name it without.
void dropSlotFolder(QJsonObject &slot)
{
    const QJsonValue name = slot.value(key("name"));
    const QString text = name.toString();
    const int slash = text.lastIndexOf(QLatin1Char('/'));
    if (name.isString() && slash >= 0)
        slot.insert(key("name"), text.mid(slash + 1));
}

// Settings of an IK constraint that the 2.x layout has no place for; 4.3
// writes "scaleY" where 4.2 wrote "uniform".
bool hasIkSetting(const QJsonObject &constraint)
{
    for (const char *setting : {"softness", "stretch", "compress", "uniform"}) {
        if (constraint.contains(key(setting)))
            return true;
    }
    const QJsonValue scaleY = constraint.value(key("scaleY"));
    return !scaleY.isUndefined() && scaleY != QJsonValue(QStringLiteral("none"));
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

QJsonArray upgradedSlots(const QJsonArray &slots, bool namesHoldFolders, CarryOverReport &lost)
{
    QJsonArray out;
    for (const QJsonValue &element : slots) {
        QJsonObject slot = element.toObject();
        if (slot.contains(key("dark")))
            lost.count(Lost::SlotDarkColor);
        if (namesHoldFolders)
            dropSlotFolder(slot);
        out.append(slot);
    }
    return out;
}

QJsonArray upgradedIk(const QJsonArray &constraints, CarryOverReport &lost)
{
    QJsonArray out;
    for (const QJsonValue &element : constraints) {
        const QJsonObject constraint = element.toObject();
        if (hasIkSetting(constraint))
            lost.count(Lost::IkSettings);
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
    if (spineVersion(root).above43) {
        diagnostics.warn(QStringLiteral("written by a newer Spine (%1) than this converter knows: read as a Spine 4.3 file")
                                 .arg(printableVersionText(root)));
    }

    if (root.contains(key("bones")))
        skeleton.insert(key("bones"), upgradedBones(root.value(key("bones")).toArray(), lost, diagnostics));
    if (root.contains(key("constraints"))) {
        skeleton.insert(key("ik"), ikOfConstraintList(root, lost, diagnostics));
    } else {
        if (root.contains(key("ik")))
            skeleton.insert(key("ik"), upgradedIk(root.value(key("ik")).toArray(), lost));
        lost.count(Lost::TransformConstraints, itemCount(root.value(key("transform"))));
        lost.count(Lost::PathConstraints, itemCount(root.value(key("path"))));
        lost.count(Lost::PhysicsConstraints, itemCount(root.value(key("physics"))));
    }

    QJsonArray slots =
            upgradedSlots(root.value(key("slots")).toArray(), isSpine42Beta(root), lost);
    if (root.contains(key("skins"))) {
        const QJsonObject skins = skinsAsObject(root.value(key("skins")), lost, diagnostics);
        skeleton.insert(key("skins"), upgradedSkins(skins, slots, context, lost, diagnostics));
    }
    if (root.contains(key("slots")))
        skeleton.insert(key("slots"), slots);
    return upgraded;
}
