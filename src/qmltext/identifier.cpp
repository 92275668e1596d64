#include "identifier.h"

namespace {

bool isUpperCaseLetter(QChar c)
{
    if (c.unicode() < 0x80)
        return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
    return c.category() == QChar::Letter_Uppercase;
}

// The one-character string upper-cased, so that a letter such as "ß" may
// become two ("SS").
void appendUpperCased(QString &text, QChar c)
{
    if (c.unicode() < 0x80)
        text.append(c.toUpper());
    else
        text.append(QString(c).toUpper());
}

} // namespace

QString qmlIdentifier(const QJsonValue &name)
{
    return qmlIdentifier(name.isString() ? name.toString() : QString());
}

QString qmlIdentifier(const QString &name)
{
    QString result;
    result.reserve(name.size());
    // Walk the words by hand: a split into a list would allocate per word.
    int wordStart = 0;
    bool firstWord = true;
    while (wordStart <= name.size()) {
        int wordEnd = name.indexOf(QLatin1Char(' '), wordStart);
        if (wordEnd < 0)
            wordEnd = name.size();
        if (firstWord) {
            result.append(QStringView(name).mid(wordStart, wordEnd - wordStart));
            firstWord = false;
        } else if (wordEnd > wordStart) {
            appendUpperCased(result, name.at(wordStart));
            result.append(QStringView(name).mid(wordStart + 1, wordEnd - wordStart - 1));
        }
        wordStart = wordEnd + 1;
    }
    if (!result.isEmpty() && isUpperCaseLetter(result.at(0)))
        result[0] = result.at(0).toLower();
    for (QChar &c : result) {
        if (c == QLatin1Char('-') || c == QLatin1Char('/') || c == QLatin1Char('.'))
            c = QLatin1Char('_');
    }
    return result;
}
