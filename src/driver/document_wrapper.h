#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// The imports and the opening of the root item, up to the empty line before
// the body.
QString documentHeader(const QString &imageFolder);

// The complete document in place of body: the header, the body one tab
// deeper, and the root item's closing brace.
void wrapDocument(QString &body, const QString &imageFolder);

// wrapDocument piece by piece: the header at once, each body block indented
// and encoded as UTF-8 as it comes, the closing brace at finish(). The bytes
// are those of wrapDocument over all blocks, but the whole document is never
// held in memory.
class DocumentWriter
{
public:
    DocumentWriter(QIODevice *device, const QString &imageFolder);
    void appendBody(const QString &block);
    // Writes what is left; false when any write to the device failed.
    bool finish();

private:
    void appendEncoded(const QString &text);
    void flushBuffer();

    QIODevice *m_device;
    QByteArray m_buffer;
    QString m_indented;
    bool m_bodyStarted = false;
    bool m_failed = false;
};
