#pragma once

#include <QString>
#include <QVector>

// What a newer file holds that the 2.x layout, and so the document, cannot
// hold. The order of the kinds is the order of the note line.
enum class Lost {
    // Setup pose and skins.
    SkinBonesAndConstraints,
    InheritModes,
    BoneShear,
    SlotDarkColor,
    IkSettings,
    TransformConstraints,
    PathConstraints,
    PhysicsConstraints,
    SliderConstraints,
    // 4.3 files: the top-level lists that the one "constraints" list replaces.
    ConstraintListsBeside,
    ImageSequences,
    WeightedBoundingBoxes,
    PathAttachments,
    PointAttachments,
    ClippingAttachments,
    DroppedAttachmentDeforms,
    // Animations.
    ShearTimelines,
    InheritTimelines,
    DarkColorTimelines,
    ExtraColorTimelines,
    ColorChannelCurves,
    FlatSegmentCurves,
    SequenceTimelines,
    IkKeySettings,
    DrawOrderFolders,
    TransformTimelines,
    PathTimelines,
    PhysicsTimelines,
    SliderTimelines,
    // Any construct given in two spellings: the later ones.
    SecondSpellings,
    Count
};

// Counts per kind of what was not carried over.
class CarryOverReport
{
public:
    CarryOverReport();
    void count(Lost kind, qint64 times = 1);
    qint64 countOf(Lost kind) const { return m_counts.at(int(kind)); }
    bool isEmpty() const;
    // "not carried over: shear timelines (3), event timelines (1)", the kinds
    // in their fixed order.
    QString noteText() const;

private:
    QVector<qint64> m_counts;
};

// The words for one kind in the note line.
QString lostKindName(Lost kind);
