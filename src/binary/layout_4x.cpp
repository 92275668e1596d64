#include "layout_4x.h"

#include <QRegularExpression>

namespace {

struct VersionText {
    int major = 0;
    int minor = 0;
    int patch = 0;
    QString suffix;
};

bool parseVersion(const QString &text, VersionText &version)
{
    // Only a plain version text is taken as one: a refusal prints it.
    static const QRegularExpression pattern(
            QStringLiteral("^(\\d{1,4})\\.(\\d{1,4})\\.(\\d{1,4})(-[0-9A-Za-z.]{1,16})?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    version.major = match.captured(1).toInt();
    version.minor = match.captured(2).toInt();
    version.patch = match.captured(3).toInt();
    version.suffix = match.captured(4);
    return true;
}

// Betas number their patches on their own: 4.2.64-beta precedes 4.2.17.
// Only betas before the final layout are refused.
bool isLayoutKnown(const VersionText &version, bool beta)
{
    if (version.major != 4 || version.minor > 2)
        return false;
    if (!beta)
        return true;
    const int firstBetaOfLayout[] = {27, 0, 32};
    return version.patch >= firstBetaOfLayout[version.minor];
}

Layout4x layoutOf(const VersionText &version, bool beta)
{
    Layout4x layout;
    const bool from41 = version.minor >= 1;
    const bool is42 = version.minor == 2;
    layout.sequences = from41;
    layout.attachmentTimelines = from41;
    layout.writesNullAttachmentKeyName = !from41;
    layout.linkedMeshTimelinesKey = from41 ? QStringLiteral("timelines") : QStringLiteral("deform");
    layout.flagFields = is42;
    layout.referenceScale = is42;
    layout.editorVisibility = is42;
    layout.physics = is42;
    layout.namesAsStrings = is42;
    layout.skinColors = is42;
    layout.inheritTimeline = is42;
    const bool inheritSpelling = is42 && !(beta && version.patch < 56);
    layout.inheritKey = inheritSpelling ? QStringLiteral("inherit") : QStringLiteral("transform");
    layout.secondMixDefaultsToOne = version.minor == 0 && beta;
    layout.slotFolders = is42 && beta;
    const int firstBetaWithKnownIkTimelines = 43;
    layout.ikTimelinesKnown = !(is42 && beta && version.patch < firstBetaWithKnownIkTimelines);
    return layout;
}

} // namespace

Layout4xKind layoutFor4xVersion(const QString &text, Layout4x &layout)
{
    VersionText version;
    if (!parseVersion(text, version))
        return Layout4xKind::NotAVersion;
    const bool beta = version.suffix == QLatin1String("-beta");
    if (!beta && !version.suffix.isEmpty())
        return Layout4xKind::Refused;
    if (!isLayoutKnown(version, beta))
        return Layout4xKind::Refused;
    layout = layoutOf(version, beta);
    return Layout4xKind::Readable;
}
