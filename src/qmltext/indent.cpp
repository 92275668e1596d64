#include "indent.h"

void appendWithTabAfterLineFeeds(QString &out, const QString &text)
{
    const QChar *begin = text.constData();
    const QChar *end = begin + text.size();
    const QChar *lineStart = begin;
    for (const QChar *p = begin; p != end; ++p) {
        if (*p == QLatin1Char('\n')) {
            out.append(lineStart, int(p + 1 - lineStart));
            out.append(QLatin1Char('\t'));
            lineStart = p + 1;
        }
    }
    out.append(lineStart, int(end - lineStart));
}

void appendIndentedLines(QString &out, const QString &text)
{
    if (text.isEmpty())
        return;
    out.append(QLatin1Char('\t'));
    appendWithTabAfterLineFeeds(out, text);
}

QString indentLines(const QString &text)
{
    if (text.isEmpty())
        return text;
    QString out;
    out.reserve(text.size() + text.size() / 16 + 2);
    appendIndentedLines(out, text);
    return out;
}
