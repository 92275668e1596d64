#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// The imports and the opening of the root item, up to the empty line before
// the body; with the declaration of the event signal when the body fires it.
QString documentHeader(const QString &imageFolder, bool firesEvents = false);

// The complete document in place of body: the header, the body one tab
// deeper, and the root item's closing brace.
void wrapDocument(QString &body, const QString &imageFolder, bool firesEvents = false);

// wrapDocument piece by piece: the header at once, each body block indented
// and encoded as UTF-8 straight into one reused write buffer as it comes, the
// closing brace at finish(). The bytes are those of wrapDocument over all
// blocks, however the body is cut into blocks, but the whole document is
// never held in memory.
class DocumentWriter
{
public:
    DocumentWriter(QIODevice *device, const QString &imageFolder, bool firesEvents = false);
    void appendBody(const QString &block);
    // Writes what is left; false when any write to the device failed.
    bool finish();

private:
    void appendBytes(const QByteArray &bytes);
    void appendIndentedUtf8(const QChar *begin, const QChar *end);
    void flushBuffer();

    QIODevice *m_device;
    QByteArray m_buffer;
    int m_used = 0;
    // A high surrogate at the end of one block, waiting for its low half.
    ushort m_highSurrogate = 0;
    bool m_bodyStarted = false;
    bool m_failed = false;
};
