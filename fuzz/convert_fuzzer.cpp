// One fuzz input is one skeleton file: parsed as the driver parses it and
// converted in both image modes. Input that is no JSON object goes through
// the binary reader, header or not, so that its every check is reached.
// Any crash, sanitizer report, hang or a document that does not close is a
// finding.

#include "binary/binary_skeleton.h"
#include "driver/skeleton_document.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// The deform writer logs to qDebug for every slot; printing that for each
// of millions of runs would dominate the run time.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    if (type == QtFatalMsg)
        std::abort();
}

void checkDocument(const QByteArray &document, bool packed)
{
    if (!document.endsWith("}\n")) {
        std::fprintf(stderr, "document in %s mode does not end in \"}\\n\" (%d bytes)\n",
                     packed ? "packed" : "plain", int(document.size()));
        std::abort();
    }
}

} // namespace

// Qt 5.15's JSON parser leaks the earlier value of a duplicate key when that
// value is an array or object ({"a": [], "a": 1}). The leak is Qt's own and
// shows only with full allocation stacks (ASAN_OPTIONS=fast_unwind_on_malloc=0,
// as `make fuzz` sets for its leak pass): Qt is built without frame pointers.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:QJsonDocument::fromJson\n";
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(quietMessages);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                     int(size));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    QJsonObject root = document.object();
    if (error.error != QJsonParseError::NoError) {
        // A malformed binary stops here, as the driver stops; a refused
        // version too.
        try {
            root = readBinarySkeleton(bytes).root;
        } catch (const BinaryError &) {
            return 0;
        } catch (const UnreadableBinaryVersion &) {
            return 0;
        }
    }
    // A folder with characters that need escaping in a QML string.
    const QString folder = QStringLiteral("img \"dir\"\\sub");
    checkDocument(convertSkeleton(root, false, folder), false);
    checkDocument(convertSkeleton(root, true, folder), true);
    return 0;
}
