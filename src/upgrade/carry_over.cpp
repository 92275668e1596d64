#include "carry_over.h"

namespace {

const char *const kindNames[] = {
    "skin bones and constraints",
    "bone inherit modes kept approximately",
    "bone shear",
    "slot dark colours",
    "IK softness, stretch, compress and uniform",
    "transform constraints",
    "path constraints",
    "physics constraints",
    "slider constraints",
    "constraint lists beside the one used",
    "image sequences",
    "weighted bounding boxes",
    "path attachments",
    "point attachments",
    "clipping attachments",
    "deform timelines of dropped attachments",
    "shear timelines",
    "inherit timelines",
    "dark colours of colour timelines",
    "further colour timelines of a slot",
    "colour keys whose channel curves differ",
    "curves between equal keys",
    "sequence timelines",
    "IK softness, compress and stretch keys",
    "draw order folders",
    "transform constraint timelines",
    "path constraint timelines",
    "physics timelines",
    "slider timelines",
    "second spellings of one construct",
};
static_assert(sizeof kindNames / sizeof kindNames[0] == int(Lost::Count),
              "one name per kind");

} // namespace

CarryOverReport::CarryOverReport() : m_counts(int(Lost::Count), 0) {}

void CarryOverReport::count(Lost kind, qint64 times)
{
    m_counts[int(kind)] += times;
}

bool CarryOverReport::isEmpty() const
{
    for (qint64 n : m_counts) {
        if (n > 0)
            return false;
    }
    return true;
}

QString CarryOverReport::noteText() const
{
    QString text = QStringLiteral("not carried over: ");
    bool first = true;
    for (int kind = 0; kind < int(Lost::Count); ++kind) {
        if (m_counts.at(kind) == 0)
            continue;
        if (!first)
            text += QLatin1String(", ");
        first = false;
        text += lostKindName(Lost(kind)) + QStringLiteral(" (%1)").arg(m_counts.at(kind));
    }
    return text;
}

QString lostKindName(Lost kind)
{
    return QLatin1String(kindNames[int(kind)]);
}
