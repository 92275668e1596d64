#pragma once

#include <QHash>
#include <QString>

// Hands out names that are unique within one namespace of the document (its
// ids, the root's property names, the skin state names), in the order the
// document writes them: a name keeps its wanted text unless an earlier one
// has it; then it gets the text followed by "_2", "_3" and so on, the first
// that no earlier name has.
class UniqueNames
{
public:
    // A name the document itself already has, described for warnings.
    void reserve(const QString &name, const QString &owner);

    struct Claim {
        QString name;
        // Empty when the wanted text was free; else who has it.
        QString takenBy;
    };
    Claim claim(const QString &wanted, const QString &owner);

private:
    QHash<QString, QString> m_owners;
    // Per wanted text the next number to try, so that many items of one name
    // cost no more than one each.
    QHash<QString, int> m_nextNumber;
};
