#include "unique_names.h"

void UniqueNames::reserve(const QString &name, const QString &owner)
{
    m_owners.insert(name, owner);
}

UniqueNames::Claim UniqueNames::claim(const QString &wanted, const QString &owner)
{
    const auto taken = m_owners.constFind(wanted);
    if (taken == m_owners.constEnd()) {
        m_owners.insert(wanted, owner);
        return {wanted, QString()};
    }
    Claim result{QString(), taken.value()};
    int &number = m_nextNumber[wanted];
    if (number < 2)
        number = 2;
    // A numbered name taken once stays taken, so the search goes on from the
    // last number handed out.
    do {
        result.name = wanted + QLatin1Char('_') + QString::number(number++);
    } while (m_owners.contains(result.name));
    m_owners.insert(result.name, owner);
    return result;
}
