#include "setup_check.h"

#include "json_kinds.h"

#include <QJsonArray>

#include <cmath>

namespace {

const char *const attachmentItems = "attachments";

// A count or a bone index of skinned vertices, as the writer rounds it.
double roundedIndex(const QJsonValue &element)
{
    return std::floor(element.toDouble() + 0.5);
}

// The records "count, then count times (bone index, x, y, weight)", read as
// the writer reads them: a record cut short ends the list.
template <typename Where>
void checkSkinnedBones(const QJsonArray &vertices, const SkeletonNames &names,
                       Diagnostics &diagnostics, Where where)
{
    const int size = vertices.size();
    int i = 0;
    while (i < size) {
        const double count = roundedIndex(vertices.at(i));
        if (count > 0 && (size - i - 1) / 4 < count)
            return;
        ++i;
        for (int influence = 0; influence < count; ++influence, i += 4) {
            const double index = roundedIndex(vertices.at(i));
            if (!(index >= 0 && index < names.boneCount)) {
                diagnostics.warn(QStringLiteral("%1 is weighted to bone number %2 (counting from "
                                                "0), which is no bone: the skeleton has %3")
                                         .arg(where(), shownValue(vertices.at(i)))
                                         .arg(names.boneCount));
                return;
            }
        }
    }
}

template <typename Where>
void checkAttachment(const QJsonObject &attachment, const SkeletonNames &names,
                     Diagnostics &diagnostics, Where where)
{
    const QJsonValue typeValue = attachment.value(QLatin1String("type"));
    const QString type = typeValue.toString();
    const bool mesh = type == QLatin1String("mesh") || type == QLatin1String("skinnedmesh");
    if (!typeValue.isUndefined() && !mesh && type != QLatin1String("boundingbox")
        && !(typeValue.isString() && type == QLatin1String("region"))) {
        diagnostics.warn(QStringLiteral("%1 has the type %2, which the converter does not know: "
                                        "it is written as an image")
                                 .arg(where(), shownValue(typeValue)));
    }
    if (type == QLatin1String("boundingbox")) {
        expectNumberList(diagnostics, attachment, "vertices", attachmentItems, where);
        return;
    }
    expectKind(diagnostics, attachment, "name", JsonKind::Text, attachmentItems, where);
    expectKind(diagnostics, attachment, "path", JsonKind::Text, attachmentItems, where);
    for (const char *key : {"x", "y", "scaleX", "scaleY", "rotation", "width", "height"})
        expectKind(diagnostics, attachment, key, JsonKind::Number, attachmentItems, where);
    if (!mesh)
        return;
    for (const char *key : {"uvs", "triangles", "vertices", "edges"})
        expectNumberList(diagnostics, attachment, key, attachmentItems, where);
    if (type == QLatin1String("skinnedmesh")) {
        checkSkinnedBones(attachment.value(QLatin1String("vertices")).toArray(), names,
                          diagnostics, where);
    }
}

} // namespace

void checkSkins(const QJsonObject &skeleton, const SkeletonNames &names,
                Diagnostics &diagnostics)
{
    expectKind(diagnostics, skeleton, "skins", JsonKind::Object, skeletonItems,
               [] { return QStringLiteral("the skeleton"); });
    const QJsonObject skins = skeleton.value(QLatin1String("skins")).toObject();
    for (auto skin = skins.begin(); skin != skins.end(); ++skin) {
        if (!skin.value().isObject()) {
            warnNotObject(diagnostics, "skins", skin.value(),
                          QStringLiteral("skin ") + quoted(skin.key()));
        }
        const QJsonObject slots = skin.value().toObject();
        for (auto slot = slots.begin(); slot != slots.end(); ++slot) {
            const auto slotWhere = [&] {
                return QStringLiteral("slot %1 in skin %2").arg(quoted(slot.key()),
                                                                quoted(skin.key()));
            };
            if (!slot.value().isObject()) {
                warnNotObject(diagnostics, "slots of skins", slot.value(), slotWhere());
            }
            const QJsonObject attachments = slot.value().toObject();
            for (auto it = attachments.begin(); it != attachments.end(); ++it) {
                const auto where = [&] {
                    return QStringLiteral("attachment %1 of %2").arg(quoted(it.key()),
                                                                      slotWhere());
                };
                if (!it.value().isObject()) {
                    warnNotObject(diagnostics, attachmentItems, it.value(), where());
                }
                checkAttachment(it.value().toObject(), names, diagnostics, where);
            }
        }
    }
}
