#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Why a binary export cannot be read, and where: the driver prints
// "Couldn't parse input file: <what> at byte <offset>."
struct BinaryError {
    QString what;
    int offset;
};

// A cursor over the bytes of a binary export. Every read checks the bytes
// left first and throws BinaryError naming what was being read, so a reader
// built on it never reads past the end, never reserves more than the file
// could hold, and needs no checks of its own for truncation.
//
// Multi-byte values are big-endian; varints are little-endian groups of
// seven bits.
class BinaryInput {
public:
    explicit BinaryInput(const QByteArray &bytes);

    int offset() const { return m_offset; }
    int bytesLeft() const { return m_bytes.size() - m_offset; }

    quint8 readByte();
    qint8 readSignedByte();
    bool readBool();
    qint32 readInt32();
    quint16 readUnsignedShort();
    // NaN and the infinities are malformed.
    float readFloat();
    // The 32 bits of a varint as two's complement (draw-order offsets).
    qint32 readVarint();
    // A zig-zag varint (event ints).
    qint32 readZigzag();
    // A count of elements that take at least minBytesPerElement bytes each:
    // one that is negative or could not fit in the bytes left is malformed.
    int readCount(int minBytesPerElement = 1);
    // An index into a table of tableSize entries; "what" names the table,
    // for example "bone index" or "slot index".
    int readIndex(int tableSize, const QString &what);
    // A string: null (isNull()) for length 0, "" for length 1, else UTF-8
    // (surrogate pairs written as two three-byte sequences are joined).
    QString readString();
    // A string that must be there: null is malformed.
    QString readName(const QString &what);
    // Raw bytes (the hash of a 4.x header).
    QByteArray readBytes(int count);

    // What is being read, for the messages ("the vertices of attachment
    // "head" of slot "head""). Use ContextScope rather than these.
    void pushContext(const QString &what) { m_context.append(what); }
    void popContext() { m_context.removeLast(); }
    // The innermost of those ("the skeleton" outside them all).
    QString context() const { return innermost(); }
    // Throws BinaryError with these words at the offset of the value being
    // read.
    [[noreturn]] void fail(const QString &what) const;
    // The same at the offset of the next byte to read (bytes left over).
    [[noreturn]] void failAtOffset(const QString &what) const;
    // "the file ends inside <innermost context>".
    [[noreturn]] void failTruncated() const;

private:
    void need(int count);
    QString innermost() const;

    const QByteArray &m_bytes;
    int m_offset = 0;
    // Where the value being read starts.
    int m_valueStart = 0;
    QStringList m_context;
};

// Names what is read while it lives.
class ContextScope {
public:
    ContextScope(BinaryInput &input, const QString &what) : m_input(input)
    {
        m_input.pushContext(what);
    }
    ~ContextScope() { m_input.popContext(); }
    ContextScope(const ContextScope &) = delete;
    ContextScope &operator=(const ContextScope &) = delete;

private:
    BinaryInput &m_input;
};
