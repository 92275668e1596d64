#pragma once

#include <QStringList>

class QTextStream;

// The whole run for the arguments after the program's name: names derived,
// input read, document built and saved. Returns the exit status; progress
// and errors go to messages.
int runConverter(const QStringList &arguments, QTextStream &messages);
