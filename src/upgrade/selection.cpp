#include "upgrade.h"
#include "upgrade_parts.h"

#include <QJsonArray>
#include <QRegularExpression>

namespace {

QLatin1String key(const char *text) { return QLatin1String(text); }

bool hasAnyMember(const QJsonObject &object, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        if (object.contains(key(name)))
            return true;
    }
    return false;
}

// True when some key of a timeline carries a 3.8 curve: a plain number.
bool hasNumericCurve(const QJsonValue &timeline)
{
    const QJsonArray keys = timeline.toArray();
    for (const QJsonValue &k : keys) {
        if (k.toObject().value(key("curve")).isDouble())
            return true;
    }
    return false;
}

bool hasNumericCurveInAny(const QJsonObject &timelines)
{
    for (auto it = timelines.begin(); it != timelines.end(); ++it) {
        if (hasNumericCurve(it.value()))
            return true;
    }
    return false;
}

bool isNewerAttachmentType(const QJsonValue &type)
{
    static const char *const newer[] = {"weightedmesh", "linkedmesh", "weightedlinkedmesh",
                                        "path",         "point",      "clipping"};
    const QString text = type.toString();
    for (const char *name : newer) {
        if (text == QLatin1String(name))
            return true;
    }
    return false;
}

bool skinsHoldNewerType(const QJsonObject &skins)
{
    for (const QJsonValue &skin : skins) {
        const QJsonObject slots = skin.toObject();
        for (const QJsonValue &slot : slots) {
            const QJsonObject attachments = slot.toObject();
            for (const QJsonValue &attachment : attachments) {
                if (isNewerAttachmentType(attachment.toObject().value(key("type"))))
                    return true;
            }
        }
    }
    return false;
}

bool bonesHoldNewerMember(const QJsonArray &bones)
{
    for (const QJsonValue &bone : bones) {
        if (hasAnyMember(bone.toObject(), {"transform", "inherit", "shearX", "shearY"}))
            return true;
    }
    return false;
}

bool boneTimelinesAreNewer(const QJsonObject &timelines)
{
    if (hasAnyMember(timelines, {"shear", "translatex", "translatey", "scalex", "scaley",
                                 "shearx", "sheary"}))
        return true;
    const QJsonArray rotate = timelines.value(key("rotate")).toArray();
    for (const QJsonValue &k : rotate) {
        if (k.toObject().contains(key("value")))
            return true;
    }
    return hasNumericCurveInAny(timelines);
}

bool slotTimelinesAreNewer(const QJsonObject &timelines)
{
    return hasAnyMember(timelines, {"rgba", "rgb", "alpha", "rgba2", "rgb2", "twoColor"})
            || hasNumericCurveInAny(timelines);
}

bool ffdHasNumericCurve(const QJsonObject &ffd)
{
    for (const QJsonValue &skin : ffd) {
        const QJsonObject slots = skin.toObject();
        for (const QJsonValue &slot : slots) {
            if (hasNumericCurveInAny(slot.toObject()))
                return true;
        }
    }
    return false;
}

bool animationIsNewer(const QJsonObject &animation)
{
    if (hasAnyMember(animation, {"deform", "attachments"}))
        return true;
    const QJsonObject bones = animation.value(key("bones")).toObject();
    for (const QJsonValue &timelines : bones) {
        if (boneTimelinesAreNewer(timelines.toObject()))
            return true;
    }
    const QJsonObject slots = animation.value(key("slots")).toObject();
    for (const QJsonValue &timelines : slots) {
        if (slotTimelinesAreNewer(timelines.toObject()))
            return true;
    }
    return ffdHasNumericCurve(animation.value(key("ffd")).toObject());
}

bool holdsNewerConstruct(const QJsonObject &root)
{
    // 4.3 keeps every constraint in this one list.
    if (root.value(key("constraints")).isArray())
        return true;
    if (skinsHoldNewerType(root.value(key("skins")).toObject()))
        return true;
    if (bonesHoldNewerMember(root.value(key("bones")).toArray()))
        return true;
    const QJsonObject animations = root.value(key("animations")).toObject();
    for (const QJsonValue &animation : animations) {
        if (animationIsNewer(animation.toObject()))
            return true;
    }
    return false;
}

QString versionText(const QJsonObject &root)
{
    return root.value(key("skeleton")).toObject().value(key("spine")).toString();
}

// A number of any length in decimal digits, compared without overflow.
int compareDecimal(QStringView digits, int small)
{
    int start = 0;
    while (start < digits.size() - 1 && digits.at(start) == QLatin1Char('0'))
        ++start;
    digits = digits.mid(start);
    if (digits.size() > 4)
        return 1;
    const int value = digits.toInt();
    return value < small ? -1 : (value > small ? 1 : 0);
}

// Text that a line of the terminal can hold: a version comes from the file.
QString printable(const QString &text)
{
    const int longest = 64;
    QString out = text.left(longest);
    for (QChar &c : out) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char('?');
    }
    if (text.size() > longest)
        out += QStringLiteral("...");
    return out;
}

} // namespace

SpineVersion spineVersion(const QJsonObject &root)
{
    const QString text = versionText(root);
    int dot = 0;
    while (dot < text.size() && text.at(dot) >= QLatin1Char('0') && text.at(dot) <= QLatin1Char('9'))
        ++dot;
    SpineVersion version;
    if (dot == 0 || dot + 1 >= text.size() || text.at(dot) != QLatin1Char('.'))
        return version;
    int end = dot + 1;
    while (end < text.size() && text.at(end) >= QLatin1Char('0') && text.at(end) <= QLatin1Char('9'))
        ++end;
    if (end == dot + 1)
        return version;
    const int major = compareDecimal(QStringView(text).mid(0, dot), 3);
    version.atLeast3 = major >= 0;
    const int majorAgainst4 = compareDecimal(QStringView(text).mid(0, dot), 4);
    version.above43 = majorAgainst4 > 0
            || (majorAgainst4 == 0
                && compareDecimal(QStringView(text).mid(dot + 1, end - dot - 1), 3) > 0);
    return version;
}

bool isSpine42Beta(const QJsonObject &root)
{
    static const QRegularExpression beta(
            QRegularExpression::anchoredPattern(QStringLiteral("4\\.2\\.[0-9]+-beta")));
    return beta.match(versionText(root)).hasMatch();
}

QString printableVersionText(const QJsonObject &root)
{
    return printable(versionText(root));
}

bool needsUpgrade(const QJsonObject &root)
{
    if (root.value(key("skins")).isArray())
        return true;
    if (spineVersion(root).atLeast3)
        return true;
    return holdsNewerConstruct(root);
}

QString versionNote(const QJsonObject &root)
{
    QString version = printableVersionText(root);
    if (version.isEmpty()) {
        version = root.value(key("skins")).isArray() ? QStringLiteral("3.8+ layout")
                                                      : QStringLiteral("3.x layout");
    }
    return QStringLiteral("read as a Spine %1 file").arg(version);
}
