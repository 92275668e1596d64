#include "skel_text.h"

#include <QFile>
#include <QtGlobal>

#include <cstring>

namespace {

void appendVarint(QByteArray &out, quint32 value)
{
    for (int k = 0; k < 4 && value >= 0x80; ++k) {
        out.append(char((value & 0x7F) | 0x80));
        value >>= 7;
    }
    out.append(char(value));
}

void appendInt32(QByteArray &out, quint32 value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xFF));
}

int appendString(QByteArray &out, const QString &text, int start)
{
    QByteArray bytes;
    int i = start + 1;
    while (i < text.size() && text.at(i) != QLatin1Char('"')) {
        if (text.at(i) == QLatin1Char('\\') && text.mid(i + 1, 1) == QLatin1String("x")) {
            bytes.append(char(text.mid(i + 2, 2).toInt(nullptr, 16)));
            i += 4;
            continue;
        }
        if (text.at(i) == QLatin1Char('\\'))
            ++i;
        bytes.append(QString(text.at(i)).toUtf8());
        ++i;
    }
    appendVarint(out, quint32(bytes.size() + 1));
    out.append(bytes);
    return i + 1;
}

} // namespace

QByteArray assembleSkel(const QString &text)
{
    QByteArray out;
    int i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('#')) {
            while (i < text.size() && text.at(i) != QLatin1Char('\n'))
                ++i;
            continue;
        }
        if (c == QLatin1Char('"')) {
            i = appendString(out, text, i);
            continue;
        }
        int end = i;
        while (end < text.size() && !text.at(end).isSpace())
            ++end;
        const QString token = text.mid(i, end - i);
        const QString value = token.mid(1);
        bool ok = true;
        bool isByte = false;
        const int byte = token.size() == 2 ? token.toInt(&isByte, 16) : 0;
        if (isByte) {
            out.append(char(byte));
        } else if (token == QLatin1String("null")) {
            out.append('\0');
        } else if (token.startsWith(QLatin1Char('v'))) {
            appendVarint(out, quint32(value.toLongLong(&ok)));
        } else if (token.startsWith(QLatin1Char('z'))) {
            const qint32 n = value.toInt(&ok);
            appendVarint(out, (quint32(n) << 1) ^ quint32(n >> 31));
        } else if (token.startsWith(QLatin1Char('i'))) {
            appendInt32(out, quint32(value.toLongLong(&ok)));
        } else if (token.startsWith(QLatin1Char('f'))) {
            const float f = value.toFloat(&ok);
            quint32 bits;
            std::memcpy(&bits, &f, sizeof bits);
            appendInt32(out, bits);
        } else {
            ok = false;
        }
        if (!ok)
            qFatal("skel text: unknown token %s", qPrintable(token));
        i = end;
    }
    return out;
}

QByteArray assembleSkelFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return assembleSkel(QString::fromUtf8(file.readAll()));
}
