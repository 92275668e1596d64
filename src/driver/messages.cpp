#include "messages.h"

const QString usageText = QStringLiteral("Usage: rigsmith input.json [Output.qml] [packed]\n");
const QString helpText = QStringLiteral(
        "       rigsmith auto name.json [folder] [packed]\n"
        "       rigsmith --strict ...   any warning fails the run and leaves the output as it was\n"
        "       rigsmith --version\n");

const QString versionText = QStringLiteral("rigsmith " RIGSMITH_VERSION "\n");

void say(QTextStream &messages, const QString &text)
{
    messages << text;
    messages.flush();
}
