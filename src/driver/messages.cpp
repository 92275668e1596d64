#include "messages.h"

const QString usageText = QStringLiteral("Usage: rigsmith input.json [Output.qml] [packed]\n");

void say(QTextStream &messages, const QString &text)
{
    messages << text;
    messages.flush();
}
