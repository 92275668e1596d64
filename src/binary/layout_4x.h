#pragma once

#include <QString>

// What changes between the 4.0, 4.1 and 4.2 layouts, and within them between
// editor releases, one switch per difference. The reader is one reader that
// asks these, never the version text.
struct Layout4x {
    // 4.1+: attachments may hold an image sequence, animations a sequence
    // timeline beside the deform one.
    bool sequences = false;
    // 4.1+: deform timelines sit under "attachments" (with their type byte);
    // 4.0 writes them under "deform".
    bool attachmentTimelines = false;
    // 4.0 writes "name": null for an attachment key that hides; 4.1+ leave
    // the name out.
    bool writesNullAttachmentKeyName = false;
    // The JSON key of a linked mesh that does not inherit its parent's
    // timelines: "deform" (4.0) or "timelines" (4.1+).
    QString linkedMeshTimelinesKey;

    // 4.2: bools and enums of bones, constraints and attachments packed into
    // flag bytes, floats left out when they hold their default.
    bool flagFields = false;
    // 4.2: the skeleton's reference scale in the header.
    bool referenceScale = false;
    // 4.2: a bone's icon and visibility, a slot's visibility (nonessential).
    bool editorVisibility = false;
    // 4.2: physics constraints and their timelines.
    bool physics = false;
    // 4.2: skin and event names are strings, not string-table references.
    bool namesAsStrings = false;
    // 4.2: named skins carry an editor colour (nonessential).
    bool skinColors = false;
    // 4.2: bones have an inherit timeline.
    bool inheritTimeline = false;

    // The JSON key of a bone's inheritance: "transform" up to the 4.2 betas
    // before 4.2.56-beta, "inherit" after.
    QString inheritKey;
    // 4.0 betas leave a second mix (mixY, mixScaleY) out when it is 1, not
    // when it equals the first.
    bool secondMixDefaultsToOne = false;
    // 4.2 betas: a slot "a/b/name" is in folder "a/b" and every reference
    // to it says "name". Exports with nonessential data are known to do so;
    // for the others it is not known, and reading them the same way keeps
    // them whole through the upgrade, which takes the folder off every
    // 4.2 beta's slot names.
    bool slotFolders = false;
    // The IK timelines of the first 4.2 betas (4.2.32-beta) have a layout of
    // their own that is not known: such a file stops there rather than be
    // misread.
    bool ikTimelinesKnown = true;
};

enum class Layout4xKind {
    Readable,
    // A version text of a 4.x layout this reader does not know (pre-release
    // layouts, 4.3 and later, development builds).
    Refused,
    // Not a version text at all.
    NotAVersion,
};

// The layout of a 4.x header's version text; layout is set when readable.
Layout4xKind layoutFor4xVersion(const QString &version, Layout4x &layout);
