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

void say(QTextStream &messages, const QString &text)
{
    messages << text;
    messages.flush();
}
