#pragma once

#include "animation/timeline.h"
#include "carry_over.h"

#include <QJsonObject>
#include <QJsonValue>

// One channel of one segment: from a key at (t1, v1) to the next key at
// (t2, v2), each value as the file gives it, with the key's default when
// absent, before anything the writer does to it.
struct ChannelSegment {
    double t1 = 0;
    double v1 = 0;
    double t2 = 0;
    double v2 = 0;
};

// The curve of one channel of `key` in the 2.x form the writers read:
// absent (linear), "stepped" or [cx1, cy1, cx2, cy2] normalised to the
// segment.
//  - A 3.8 curve (a number, with "c2", "c3", "c4") becomes
//    [curve, c2, c3, c4] in any file.
//  - In the new layout an array is the 4.x form: four numbers per channel,
//    x in seconds and y in the channel's units; `channel` picks the four.
//    It is normalised to the segment; a segment without time or without a
//    change of value has no curve (a lost bump is counted). For a deform
//    curve (`valueless`) y is already 0..1 and kept.
//  - Anything else is returned as the file gives it.
// `curve` is the key's "curve".
SegmentCurve upgradedCurve(const QJsonObject &key, const QJsonValue &curve, int channel,
                           const ChannelSegment &segment, bool newLayout, bool valueless,
                           CarryOverReport &lost);

// The same for the last key of a timeline, which has no segment: its curve
// is never read, so none is kept.
inline QJsonValue lastKeyCurve() { return QJsonValue(QJsonValue::Undefined); }
