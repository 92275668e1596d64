#include "document_wrapper.h"

#include "global_strings.h"
#include "qmltext/indent.h"
#include "qmltext/string_literal.h"

#include <QIODevice>

namespace {

// Large enough that the device sees few writes, small enough to stay cheap.
const int writeChunkBytes = 1 << 20;

} // namespace

QString documentHeader(const QString &imageFolder)
{
    return QLatin1String("import QtQuick 2.0\nimport ") + qmlModuleImport
            + QLatin1String("\n\n") + rootTypeName
            + QLatin1String(" {\n\tid: root\n\timageFolder: \"")
            + escapedForQmlString(imageFolder)
            + QLatin1String("\"\n\tproperty url imageFolderAndDash: imageFolder + \"/\"\n\n");
}

void wrapDocument(QString &body, const QString &imageFolder)
{
    body = documentHeader(imageFolder) + indentLines(body) + QLatin1String("}\n");
}

DocumentWriter::DocumentWriter(QIODevice *device, const QString &imageFolder)
    : m_device(device)
{
    appendEncoded(documentHeader(imageFolder));
}

void DocumentWriter::appendBody(const QString &block)
{
    if (block.isEmpty())
        return;
    m_indented.clear();
    if (!m_bodyStarted) {
        m_indented.append(QLatin1Char('\t'));
        m_bodyStarted = true;
    }
    appendWithTabAfterLineFeeds(m_indented, block);
    appendEncoded(m_indented);
}

bool DocumentWriter::finish()
{
    // indentLines leaves the tab that stands before the brace when the body
    // ended in a line feed, so the closing text is always the same.
    appendEncoded(QStringLiteral("}\n"));
    flushBuffer();
    return !m_failed;
}

void DocumentWriter::appendEncoded(const QString &text)
{
    m_buffer += text.toUtf8();
    if (m_buffer.size() >= writeChunkBytes)
        flushBuffer();
}

void DocumentWriter::flushBuffer()
{
    if (!m_failed && !m_buffer.isEmpty() && m_device->write(m_buffer) != m_buffer.size())
        m_failed = true;
    m_buffer.clear();
}
