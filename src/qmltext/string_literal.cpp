#include "string_literal.h"

namespace {

bool needsEscape(QChar c)
{
    return c.unicode() < 0x20 || c == QLatin1Char('"') || c == QLatin1Char('\\');
}

void appendEscape(QString &out, QChar c)
{
    switch (c.unicode()) {
    case '\\': out += QLatin1String("\\\\"); return;
    case '"': out += QLatin1String("\\\""); return;
    case '\n': out += QLatin1String("\\n"); return;
    case '\r': out += QLatin1String("\\r"); return;
    case '\t': out += QLatin1String("\\t"); return;
    default:
        out += QLatin1String("\\u00");
        out += QLatin1Char("0123456789abcdef"[c.unicode() >> 4]);
        out += QLatin1Char("0123456789abcdef"[c.unicode() & 0xf]);
    }
}

} // namespace

QString escapedForQmlString(const QString &text)
{
    int first = 0;
    while (first < text.size() && !needsEscape(text.at(first)))
        ++first;
    if (first == text.size())
        return text;
    QString out = text.left(first);
    for (int i = first; i < text.size(); ++i) {
        if (needsEscape(text.at(i)))
            appendEscape(out, text.at(i));
        else
            out += text.at(i);
    }
    return out;
}

QString qmlStringLiteral(const QString &text)
{
    return QLatin1Char('"') + escapedForQmlString(text) + QLatin1Char('"');
}
