#include "binary_input.h"

#include <cmath>
#include <cstring>

namespace {

bool isContinuation(quint8 byte)
{
    return (byte & 0xC0) == 0x80;
}

// Decodes UTF-8, and the surrogate code points that some writers encode
// one by one in three bytes. Returns false on anything else: bad lead bytes,
// missing continuation bytes, overlong forms, a surrogate without its pair.
bool decodeUtf8(const quint8 *bytes, int size, QString &out)
{
    out.reserve(size);
    char16_t pendingHigh = 0;
    for (int i = 0; i < size;) {
        const quint8 lead = bytes[i];
        char32_t code = 0;
        int length = 0;
        char32_t smallest = 0;
        if (lead < 0x80) {
            code = lead;
            length = 1;
        } else if ((lead & 0xE0) == 0xC0) {
            code = lead & 0x1F;
            length = 2;
            smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            code = lead & 0x0F;
            length = 3;
            smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            code = lead & 0x07;
            length = 4;
            smallest = 0x10000;
        } else {
            return false;
        }
        if (length > size - i)
            return false;
        for (int k = 1; k < length; ++k) {
            if (!isContinuation(bytes[i + k]))
                return false;
            code = (code << 6) | (bytes[i + k] & 0x3F);
        }
        if (code < smallest || code > 0x10FFFF)
            return false;
        i += length;

        const bool high = code >= 0xD800 && code <= 0xDBFF;
        const bool low = code >= 0xDC00 && code <= 0xDFFF;
        if (pendingHigh != 0 && !low)
            return false;
        if (high) {
            pendingHigh = char16_t(code);
            continue;
        }
        if (low) {
            if (pendingHigh == 0)
                return false;
            out.append(QChar(pendingHigh));
            out.append(QChar(char16_t(code)));
            pendingHigh = 0;
            continue;
        }
        if (code >= 0x10000) {
            out.append(QChar(QChar::highSurrogate(code)));
            out.append(QChar(QChar::lowSurrogate(code)));
        } else {
            out.append(QChar(char16_t(code)));
        }
    }
    return pendingHigh == 0;
}

} // namespace

BinaryInput::BinaryInput(const QByteArray &bytes) : m_bytes(bytes) {}

QString BinaryInput::innermost() const
{
    return m_context.isEmpty() ? QStringLiteral("the skeleton") : m_context.last();
}

void BinaryInput::fail(const QString &what) const
{
    throw BinaryError{what, m_valueStart};
}

void BinaryInput::failAtOffset(const QString &what) const
{
    throw BinaryError{what, m_offset};
}

void BinaryInput::failTruncated() const
{
    const QString inside = innermost();
    fail(QLatin1String("the file ends inside ") + inside);
}

void BinaryInput::need(int count)
{
    if (count > bytesLeft())
        failTruncated();
}

quint8 BinaryInput::readByte()
{
    m_valueStart = m_offset;
    need(1);
    return quint8(m_bytes.at(m_offset++));
}

qint8 BinaryInput::readSignedByte()
{
    return qint8(readByte());
}

bool BinaryInput::readBool()
{
    return readByte() != 0;
}

qint32 BinaryInput::readInt32()
{
    m_valueStart = m_offset;
    need(4);
    const auto *data = reinterpret_cast<const quint8 *>(m_bytes.constData()) + m_offset;
    m_offset += 4;
    return qint32((quint32(data[0]) << 24) | (quint32(data[1]) << 16) | (quint32(data[2]) << 8)
                  | quint32(data[3]));
}

quint16 BinaryInput::readUnsignedShort()
{
    m_valueStart = m_offset;
    need(2);
    const auto *data = reinterpret_cast<const quint8 *>(m_bytes.constData()) + m_offset;
    m_offset += 2;
    return quint16((data[0] << 8) | data[1]);
}

float BinaryInput::readFloat()
{
    const quint32 bits = quint32(readInt32());
    float value;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value))
        fail(QStringLiteral("a number that is not finite in ")
             + innermost());
    return value;
}

qint32 BinaryInput::readVarint()
{
    const int start = m_offset;
    quint32 result = 0;
    for (int k = 0; k < 5; ++k) {
        m_valueStart = start;
        need(1);
        const quint8 byte = quint8(m_bytes.at(m_offset++));
        if (k < 4) {
            result |= quint32(byte & 0x7F) << (7 * k);
            if ((byte & 0x80) == 0)
                break;
        } else {
            // The fifth byte gives bits 28 to 31; what does not fit is dropped.
            result |= quint32(byte) << 28;
        }
    }
    m_valueStart = start;
    return qint32(result);
}

qint32 BinaryInput::readZigzag()
{
    const quint32 raw = quint32(readVarint());
    return qint32((raw >> 1) ^ (0u - (raw & 1u)));
}

int BinaryInput::readCount(int minBytesPerElement)
{
    const qint32 count = readVarint();
    const QString inside = innermost();
    if (count < 0)
        fail(QStringLiteral("a negative count (%1) in %2").arg(count).arg(inside));
    if (qint64(count) * qMax(1, minBytesPerElement) > bytesLeft())
        fail(QStringLiteral("a count of %1 in %2, more than the %3 bytes left could hold")
                     .arg(QString::number(count), inside, QString::number(bytesLeft())));
    return count;
}

int BinaryInput::readIndex(int tableSize, const QString &what)
{
    const qint32 index = readVarint();
    if (index < 0 || index >= tableSize)
        fail(QStringLiteral("%1 %2, but there are %3")
                     .arg(what, QString::number(quint32(index)), QString::number(tableSize)));
    return index;
}

QString BinaryInput::readString()
{
    const int start = m_offset;
    const qint32 length = readVarint();
    if (length == 0)
        return QString();
    if (length == 1)
        return QString(QLatin1String(""));
    if (length < 0 || length - 1 > bytesLeft()) {
        m_valueStart = start;
        failTruncated();
    }
    const auto *data = reinterpret_cast<const quint8 *>(m_bytes.constData()) + m_offset;
    QString text;
    if (!decodeUtf8(data, length - 1, text)) {
        m_valueStart = start;
        fail(QStringLiteral("text that is not UTF-8 in ")
             + innermost());
    }
    m_offset += length - 1;
    return text;
}

QString BinaryInput::readName(const QString &what)
{
    const int start = m_offset;
    QString name = readString();
    if (name.isNull()) {
        m_valueStart = start;
        fail(QStringLiteral("no name for ") + what);
    }
    return name;
}

QByteArray BinaryInput::readBytes(int count)
{
    m_valueStart = m_offset;
    need(count);
    const QByteArray bytes = m_bytes.mid(m_offset, count);
    m_offset += count;
    return bytes;
}
