#include "upgrade_parts.h"

namespace {

QLatin1String key(const char *text) { return QLatin1String(text); }

} // namespace

QJsonArray ikOfConstraintList(const QJsonObject &root, CarryOverReport &lost,
                              Diagnostics &diagnostics)
{
    const QJsonValue list = root.value(key("constraints"));
    if (!list.isArray()) {
        diagnostics.warn(QStringLiteral("the skeleton: \"constraints\" is not a list: it reads "
                                        "as an empty list"));
    }
    // Spine reads only this list when it is there: the older ones beside it
    // are left as they are.
    for (const char *older : {"ik", "transform", "path", "physics"}) {
        if (root.contains(key(older)))
            lost.count(Lost::ConstraintListsBeside);
    }
    const struct {
        const char *type;
        Lost kind;
    } others[] = {{"transform", Lost::TransformConstraints},
                  {"path", Lost::PathConstraints},
                  {"physics", Lost::PhysicsConstraints},
                  {"slider", Lost::SliderConstraints}};
    QJsonArray ik;
    const QJsonArray constraints = list.toArray();
    for (const QJsonValue &element : constraints) {
        // An element of no known type is skipped, as Spine skips it.
        const QString type = element.toObject().value(key("type")).toString();
        if (type == QLatin1String("ik")) {
            ik.append(element);
            continue;
        }
        for (const auto &other : others) {
            if (type == QLatin1String(other.type))
                lost.count(other.kind);
        }
    }
    return upgradedIk(ik, lost);
}
