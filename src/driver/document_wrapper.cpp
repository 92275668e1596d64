#include "document_wrapper.h"

#include "animation/event_timeline.h"
#include "qmltext/global_strings.h"
#include "qmltext/indent.h"
#include "qmltext/string_literal.h"

#include <QIODevice>

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Large enough that the device sees few writes, small enough to stay cheap.
const int writeChunkBytes = 1 << 20;

// The most bytes one UTF-16 code unit can add: a line feed and its tab, three
// bytes of a BMP character, or the "?" of a waiting unpaired high surrogate
// before up to three bytes of this one.
const int maxBytesPerUnit = 4;

char *appendFourByteSequence(char *out, ushort high, ushort low)
{
    const uint code = QChar::surrogateToUcs4(high, low);
    *out++ = char(0xf0 | (code >> 18));
    *out++ = char(0x80 | ((code >> 12) & 0x3f));
    *out++ = char(0x80 | ((code >> 6) & 0x3f));
    *out++ = char(0x80 | (code & 0x3f));
    return out;
}

// One code unit as QString::toUtf8 encodes it, a tab after a line feed. An
// unpaired surrogate becomes "?"; a high surrogate waits in highSurrogate for
// the unit after it, which may come in the next block.
char *appendIndentedUnit(char *out, ushort unit, ushort &highSurrogate)
{
    if (highSurrogate != 0) {
        const ushort high = highSurrogate;
        highSurrogate = 0;
        if (QChar::isLowSurrogate(unit))
            return appendFourByteSequence(out, high, unit);
        *out++ = '?';
    }
    if (unit < 0x80) {
        *out++ = char(unit);
        if (unit == '\n')
            *out++ = '\t';
    } else if (unit < 0x800) {
        *out++ = char(0xc0 | (unit >> 6));
        *out++ = char(0x80 | (unit & 0x3f));
    } else if (QChar::isHighSurrogate(unit)) {
        highSurrogate = unit;
    } else if (QChar::isLowSurrogate(unit)) {
        *out++ = '?';
    } else {
        *out++ = char(0xe0 | (unit >> 12));
        *out++ = char(0x80 | ((unit >> 6) & 0x3f));
        *out++ = char(0x80 | (unit & 0x3f));
    }
    return out;
}

#if defined(__SSE2__)
// Most of a document is ASCII between line feeds, which is copied eight units
// at a time: the eight at p become bytes at out (all eight are stored, so out
// needs room for them), and the result counts those before the first that is
// not ASCII or is a line feed, which alone are valid.
int copyLeadingPlainAscii(char *out, const QChar *p)
{
    const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
    const __m128i ascii =
            _mm_cmpeq_epi16(_mm_and_si128(units, _mm_set1_epi16(short(0xff80))),
                            _mm_setzero_si128());
    const __m128i lineFeed = _mm_cmpeq_epi16(units, _mm_set1_epi16('\n'));
    _mm_storel_epi64(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(units, units));
    // Two mask bits per unit.
    const int special = _mm_movemask_epi8(_mm_andnot_si128(lineFeed, ascii)) ^ 0xffff;
    return special == 0 ? 8 : __builtin_ctz(unsigned(special)) / 2;
}
#endif

} // namespace

QString documentHeader(const QString &imageFolder, bool firesEvents)
{
    QString header = QLatin1String("import QtQuick 2.0\nimport ") + qmlModuleImport
            + QLatin1String("\n\n") + rootTypeName
            + QLatin1String(" {\n\tid: root\n\timageFolder: \"")
            + escapedForQmlString(imageFolder)
            + QLatin1String("\"\n\tproperty url imageFolderAndDash: imageFolder + \"/\"\n");
    if (firesEvents)
        header += QLatin1Char('\t') + QLatin1String(spineEventSignal) + QLatin1Char('\n');
    return header + QLatin1Char('\n');
}

void wrapDocument(QString &body, const QString &imageFolder, bool firesEvents)
{
    body = documentHeader(imageFolder, firesEvents) + indentLines(body) + QLatin1String("}\n");
}

DocumentWriter::DocumentWriter(QIODevice *device, const QString &imageFolder, bool firesEvents)
    : m_device(device), m_buffer(writeChunkBytes, Qt::Uninitialized)
{
    appendBytes(documentHeader(imageFolder, firesEvents).toUtf8());
}

void DocumentWriter::appendBody(const QString &block)
{
    if (block.isEmpty())
        return;
    if (!m_bodyStarted) {
        const QChar tab = QLatin1Char('\t');
        appendIndentedUtf8(&tab, &tab + 1);
        m_bodyStarted = true;
    }
    appendIndentedUtf8(block.constData(), block.constData() + block.size());
}

bool DocumentWriter::finish()
{
    if (m_highSurrogate != 0) {
        // Nothing follows to pair it with.
        m_highSurrogate = 0;
        appendBytes(QByteArrayLiteral("?"));
    }
    // indentLines leaves the tab that stands before the brace when the body
    // ended in a line feed, so the closing text is always the same.
    appendBytes(QByteArrayLiteral("}\n"));
    flushBuffer();
    return !m_failed;
}

void DocumentWriter::appendBytes(const QByteArray &bytes)
{
    const char *from = bytes.constData();
    const char *end = from + bytes.size();
    while (from != end) {
        if (m_used == m_buffer.size())
            flushBuffer();
        const int count = int(std::min<qptrdiff>(end - from, m_buffer.size() - m_used));
        std::copy(from, from + count, m_buffer.data() + m_used);
        m_used += count;
        from += count;
    }
}

void DocumentWriter::appendIndentedUtf8(const QChar *begin, const QChar *end)
{
    ushort highSurrogate = m_highSurrogate;
    while (begin != end) {
        if (m_buffer.size() - m_used < maxBytesPerUnit)
            flushBuffer();
        // As many units as surely fit into the rest of the buffer.
        const qptrdiff room = (m_buffer.size() - m_used) / maxBytesPerUnit;
        const QChar *sliceEnd = begin + std::min<qptrdiff>(end - begin, room);
        char *const start = m_buffer.data();
        char *out = start + m_used;
        while (begin != sliceEnd) {
#if defined(__SSE2__)
            if (highSurrogate == 0 && sliceEnd - begin >= 8) {
                const int plain = copyLeadingPlainAscii(out, begin);
                out += plain;
                begin += plain;
                if (plain == 8)
                    continue;
            }
#endif
            out = appendIndentedUnit(out, begin->unicode(), highSurrogate);
            ++begin;
        }
        m_used = int(out - start);
    }
    m_highSurrogate = highSurrogate;
}

void DocumentWriter::flushBuffer()
{
    if (!m_failed && m_used > 0 && m_device->write(m_buffer.constData(), m_used) != m_used)
        m_failed = true;
    m_used = 0;
}
