#include "messages.h"

#include <QtGlobal>

const QString usageText = QStringLiteral("Usage: rigsmith input.json [Output.qml] [packed]\n");
const QString helpText = QStringLiteral(
        "       rigsmith auto name.json [folder] [packed]\n"
        "       rigsmith --strict ...   any warning fails the run and leaves the output as it was\n"
        "       rigsmith --version\n");

// The Qt the tool was compiled against, not the library it happens to run
// with: what a bug report needs is the build.
const QString versionText = QStringLiteral("rigsmith " RIGSMITH_VERSION " (Qt " QT_VERSION_STR ")\n");

namespace {

// A name from a lone \ud800 escape holds an unpaired surrogate, which UTF-8
// cannot hold. It is written as "?", as the document writes it, and not left
// to the stream: Qt 5's encoder writes "?", Qt 6's the replacement character.
QString withLoneSurrogatesMarked(const QString &text)
{
    QString out = text;
    for (int i = 0; i < out.size(); ++i) {
        if (out.at(i).isHighSurrogate() && i + 1 < out.size() && out.at(i + 1).isLowSurrogate())
            ++i;
        else if (out.at(i).isSurrogate())
            out[i] = QLatin1Char('?');
    }
    return out;
}

} // namespace

void say(QTextStream &messages, const QString &text)
{
    messages << withLoneSurrogatesMarked(text);
    messages.flush();
}
