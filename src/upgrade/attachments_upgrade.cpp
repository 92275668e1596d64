#include "attachment_parts.h"

#include <cmath>

namespace {

QLatin1String key(const char *text) { return QLatin1String(text); }

// Longer padding than any real sequence uses; a hostile "digits" must not
// make every image name megabytes long.
const int longestPadding = 16;

// start + setup as a whole number in decimal; the sum of two doubles from
// the file, cut to the range where a double still counts in ones.
QString frameNumber(double start, double setup)
{
    const double limit = 9007199254740992.0; // 2^53
    double frame = std::trunc(start + setup);
    if (!(frame == frame))
        frame = 0;
    frame = qBound(-limit, frame, limit);
    return QString::number(qint64(frame));
}

// Absent: the default; present, as the 2.x rules read a number: 0 when it
// holds none.
double numberOr(const QJsonObject &object, const char *name, double absent)
{
    return object.contains(key(name)) ? object.value(key(name)).toDouble() : absent;
}

void dropAs(SkinAttachment &attachment, Lost kind, CarryOverReport &lost)
{
    attachment.state = SkinAttachment::Dropped;
    lost.count(kind);
}

bool isWeightedMesh(const QJsonObject &mesh)
{
    return mesh.value(key("vertices")).toArray().size() > mesh.value(key("uvs")).toArray().size();
}

bool isWeightedBoundingBox(const QJsonObject &box)
{
    if (!box.contains(key("vertexCount")))
        return false;
    const double vertexCount = box.value(key("vertexCount")).toDouble();
    return box.value(key("vertices")).toArray().size() > 2 * vertexCount;
}

} // namespace

QString describe(const AttachmentPath &path)
{
    return QStringLiteral("skin \"%1\", slot \"%2\", attachment \"%3\"")
            .arg(path.skin, path.slot, path.attachment);
}

void applySequence(QJsonObject &object, const QJsonObject &source, const QString &attachmentKey,
                   CarryOverReport &lost, Diagnostics &diagnostics, const AttachmentPath &where)
{
    if (!source.contains(key("sequence")))
        return;
    lost.count(Lost::ImageSequences);
    const QJsonObject sequence = source.value(key("sequence")).toObject();
    QString image = attachmentKey;
    if (source.contains(key("path")))
        image = source.value(key("path")).toString();
    else if (source.contains(key("name")))
        image = source.value(key("name")).toString();
    const QString frame = frameNumber(numberOr(sequence, "start", 1), numberOr(sequence, "setup", 0));
    const double digits = numberOr(sequence, "digits", 0);
    if (digits > longestPadding) {
        diagnostics.warn(QStringLiteral("%1: a sequence of %2 digits is padded to %3 only")
                                 .arg(describe(where))
                                 .arg(digits)
                                 .arg(longestPadding));
    }
    const int zeros = qMax(0, int(qBound(0.0, digits, double(longestPadding))) - frame.size());
    // The writers take the image from "path" first.
    object.insert(key("path"), image + QString(zeros, QLatin1Char('0')) + frame);
}

void upgradeAttachment(SkinAttachment &attachment, CarryOverReport &lost,
                       Diagnostics &diagnostics)
{
    QJsonObject &object = attachment.object;
    const bool typed = object.contains(key("type"));
    const QString type = object.value(key("type")).toString();
    const QString &name = attachment.path.attachment;
    if (!typed || type == QLatin1String("region")) {
        applySequence(object, object, name, lost, diagnostics, attachment.path);
    } else if (type == QLatin1String("mesh")) {
        if (isWeightedMesh(object))
            object.insert(key("type"), QStringLiteral("skinnedmesh"));
        applySequence(object, object, name, lost, diagnostics, attachment.path);
    } else if (type == QLatin1String("weightedmesh")) {
        object.insert(key("type"), QStringLiteral("skinnedmesh"));
    } else if (type == QLatin1String("linkedmesh") || type == QLatin1String("weightedlinkedmesh")) {
        attachment.state = SkinAttachment::LinkedPending;
    } else if (type == QLatin1String("boundingbox")) {
        if (isWeightedBoundingBox(object))
            dropAs(attachment, Lost::WeightedBoundingBoxes, lost);
    } else if (type == QLatin1String("path")) {
        dropAs(attachment, Lost::PathAttachments, lost);
    } else if (type == QLatin1String("point")) {
        dropAs(attachment, Lost::PointAttachments, lost);
    } else if (type == QLatin1String("clipping")) {
        dropAs(attachment, Lost::ClippingAttachments, lost);
    }
}
