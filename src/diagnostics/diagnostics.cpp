#include "diagnostics.h"

#include <QHash>

namespace {

quint64 textHash(const QString &text)
{
    return (quint64(qHash(text, 0x9e3779b9u)) << 32) | qHash(text, 0x7f4a7c15u);
}

} // namespace

Diagnostics Diagnostics::holding()
{
    Diagnostics held;
    held.m_holding = true;
    return held;
}

void Diagnostics::raiseHeldInto(Diagnostics &target)
{
    for (const HeldWarning &held : qAsConst(m_held)) {
        if (held.group.isEmpty())
            target.warn(held.text);
        else
            target.warnOnce(held.group, held.text);
    }
    m_held.clear();
    m_seen.clear();
    m_groups.clear();
}

void Diagnostics::warn(const QString &text)
{
    const quint64 hash = textHash(text);
    if (m_seen.contains(hash))
        return;
    m_seen.insert(hash);
    if (m_holding) {
        m_held.append({QString(), text});
        return;
    }
    if (m_warningCount < maxWarningLines)
        m_lines.append({true, text});
    ++m_warningCount;
}

void Diagnostics::warnOnce(const QString &group, const QString &text)
{
    if (m_groups.contains(group))
        return;
    m_groups.insert(group);
    if (m_holding) {
        m_held.append({group, text});
        return;
    }
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
