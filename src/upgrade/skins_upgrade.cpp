#include "upgrade_parts.h"

namespace {

QLatin1String key(const char *text) { return QLatin1String(text); }

// A skin of the array form keeps its own bones and constraints, which the
// 2.x layout has no place for.
qint64 skinOwnItems(const QJsonObject &skin)
{
    qint64 items = 0;
    for (const char *list : {"bones", "ik", "transform", "path", "physics"})
        items += skin.value(key(list)).toArray().size();
    return items;
}

} // namespace

QJsonObject skinsAsObject(const QJsonValue &skins, CarryOverReport &lost,
                          Diagnostics &diagnostics)
{
    if (!skins.isArray())
        return skins.toObject();
    QJsonObject out;
    const QJsonArray list = skins.toArray();
    for (const QJsonValue &element : list) {
        if (!element.isObject())
            continue;
        const QJsonObject skin = element.toObject();
        const QString name = skin.value(key("name")).toString();
        if (out.contains(name)) {
            diagnostics.warn(QStringLiteral("skin \"%1\" is given twice: the later one is ignored")
                                     .arg(name));
            continue;
        }
        out.insert(name, skin.value(key("attachments")).toObject());
        lost.count(Lost::SkinBonesAndConstraints, skinOwnItems(skin));
    }
    return out;
}
