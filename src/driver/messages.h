#pragma once

#include <QString>
#include <QTextStream>

// Writes one message and flushes it, so that messages and a crash or a kill
// never come out of order.
void say(QTextStream &messages, const QString &text);

extern const QString usageText;
// The lines after the usage line that -h and --help add.
extern const QString helpText;
// "rigsmith <version>" for --version.
extern const QString versionText;
