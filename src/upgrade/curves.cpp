#include "curves.h"

#include <QJsonArray>

namespace {

SegmentCurve numericCurve(const QJsonObject &key, const QJsonValue &curve)
{
    return SegmentCurve::bezier(curve.toDouble(), key.value(QLatin1String("c2")).toDouble(0),
                                key.value(QLatin1String("c3")).toDouble(1),
                                key.value(QLatin1String("c4")).toDouble(1));
}

SegmentCurve channelCurve(const QJsonArray &numbers, int channel, const ChannelSegment &segment,
                        bool valueless, CarryOverReport &lost)
{
    const int first = 4 * channel;
    if (channel < 0 || numbers.size() < first + 4)
        return SegmentCurve();
    const double cx1 = numbers.at(first).toDouble();
    const double cy1 = numbers.at(first + 1).toDouble();
    const double cx2 = numbers.at(first + 2).toDouble();
    const double cy2 = numbers.at(first + 3).toDouble();
    if (segment.t2 == segment.t1)
        return SegmentCurve();
    const double seconds = segment.t2 - segment.t1;
    if (valueless) {
        return SegmentCurve::bezier((cx1 - segment.t1) / seconds, cy1,
                                    (cx2 - segment.t1) / seconds, cy2);
    }
    if (segment.v2 == segment.v1) {
        if (cy1 != segment.v1 || cy2 != segment.v1)
            lost.count(Lost::FlatSegmentCurves);
        return SegmentCurve();
    }
    const double change = segment.v2 - segment.v1;
    return SegmentCurve::bezier((cx1 - segment.t1) / seconds, (cy1 - segment.v1) / change,
                                (cx2 - segment.t1) / seconds, (cy2 - segment.v1) / change);
}

} // namespace

SegmentCurve upgradedCurve(const QJsonObject &key, const QJsonValue &curve, int channel,
                           const ChannelSegment &segment, bool newLayout, bool valueless,
                           CarryOverReport &lost)
{
    if (curve.isDouble())
        return numericCurve(key, curve);
    if (newLayout && curve.isArray())
        return channelCurve(curve.toArray(), channel, segment, valueless, lost);
    return SegmentCurve(curve);
}
