#include "diagnostics.h"

#include <QHash>

namespace {

quint64 textHash(const QString &text)
{
    return (quint64(qHash(text, 0x9e3779b9u)) << 32) | qHash(text, 0x7f4a7c15u);
}

} // namespace

void Diagnostics::warn(const QString &text)
{
    const quint64 hash = textHash(text);
    if (m_seen.contains(hash))
        return;
    m_seen.insert(hash);
    if (m_warningCount < maxWarningLines)
        m_lines.append({true, text});
    ++m_warningCount;
}

void Diagnostics::warnOnce(const QString &group, const QString &text)
{
    if (m_groups.contains(group))
        return;
    m_groups.insert(group);
    warn(text);
}

void Diagnostics::note(const QString &text)
{
    m_lines.append({false, text});
}

QStringList Diagnostics::lines(const QString &inputPath) const
{
    QStringList out;
    for (const Line &line : m_lines) {
        out.append(inputPath + (line.isWarning ? QLatin1String(": warning: ")
                                               : QLatin1String(": note: "))
                   + line.text);
    }
    const int leftOut = m_warningCount - maxWarningLines;
    if (leftOut > 0) {
        out.append(inputPath + QStringLiteral(": note: %1 more warning%2 not shown")
                                       .arg(leftOut)
                                       .arg(leftOut == 1 ? QString() : QStringLiteral("s")));
    }
    return out;
}
