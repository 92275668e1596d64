#include "curves.h"

#include <QJsonArray>

namespace {

QJsonValue numericCurve(const QJsonObject &key)
{
    return QJsonArray{key.value(QLatin1String("curve")).toDouble(),
                      key.value(QLatin1String("c2")).toDouble(0),
                      key.value(QLatin1String("c3")).toDouble(1),
                      key.value(QLatin1String("c4")).toDouble(1)};
}

QJsonValue channelCurve(const QJsonArray &numbers, int channel, const ChannelSegment &segment,
                        bool valueless, CarryOverReport &lost)
{
    const int first = 4 * channel;
    if (channel < 0 || numbers.size() < first + 4)
        return QJsonValue(QJsonValue::Undefined);
    const double cx1 = numbers.at(first).toDouble();
    const double cy1 = numbers.at(first + 1).toDouble();
    const double cx2 = numbers.at(first + 2).toDouble();
    const double cy2 = numbers.at(first + 3).toDouble();
    if (segment.t2 == segment.t1)
        return QJsonValue(QJsonValue::Undefined);
    const double seconds = segment.t2 - segment.t1;
    if (valueless) {
        return QJsonArray{(cx1 - segment.t1) / seconds, cy1, (cx2 - segment.t1) / seconds, cy2};
    }
    if (segment.v2 == segment.v1) {
        if (cy1 != segment.v1 || cy2 != segment.v1)
            lost.count(Lost::FlatSegmentCurves);
        return QJsonValue(QJsonValue::Undefined);
    }
    const double change = segment.v2 - segment.v1;
    return QJsonArray{(cx1 - segment.t1) / seconds, (cy1 - segment.v1) / change,
                      (cx2 - segment.t1) / seconds, (cy2 - segment.v1) / change};
}

} // namespace

QJsonValue upgradedCurve(const QJsonObject &key, int channel, const ChannelSegment &segment,
                         bool newLayout, bool valueless, CarryOverReport &lost)
{
    const QJsonValue curve = key.value(QLatin1String("curve"));
    if (curve.isDouble())
        return numericCurve(key);
    if (newLayout && curve.isArray())
        return channelCurve(curve.toArray(), channel, segment, valueless, lost);
    return curve;
}
