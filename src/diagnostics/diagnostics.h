#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// What the converter tells the user besides the document: warnings about
// what it mended, dropped or could not resolve, and notes about how it read
// the file. Collected during the run and printed by the driver, one line
// each, in the order they were raised.
class Diagnostics
{
public:
    // One that holds its warnings back, in order, until raiseHeldInto()
    // raises them in another as if they were raised there then: for
    // warnings that must follow others not yet raised.
    static Diagnostics holding();
    void raiseHeldInto(Diagnostics &target);

    // A warning text given twice is kept once.
    void warn(const QString &text);
    // Keeps only the first warning of each group (for example one per key
    // name and kind of item), however many texts the group raises.
    void warnOnce(const QString &group, const QString &text);
    void note(const QString &text);

    int warningCount() const { return m_warningCount; }
    bool isEmpty() const { return m_lines.isEmpty() && m_warningCount == 0; }

    // "<input>: warning: <text>" and "<input>: note: <text>" lines, each
    // without its line feed. At most maxWarningLines warnings are listed;
    // one more line then says how many were left out.
    QStringList lines(const QString &inputPath) const;

    static const int maxWarningLines = 100;

private:
    struct Line {
        bool isWarning;
        QString text;
    };
    QList<Line> m_lines;
    // Hashes, not texts: a hostile file can raise millions of warnings, and
    // only the first hundred are ever printed.
    QSet<quint64> m_seen;
    QSet<QString> m_groups;
    int m_warningCount = 0;
    struct HeldWarning {
        // Empty for a warning of no group.
        QString group;
        QString text;
    };
    bool m_holding = false;
    // Repeats that raising would drop anyway are not held.
    QList<HeldWarning> m_held;
};
