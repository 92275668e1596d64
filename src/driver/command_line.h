#pragma once

#include <QStringList>

class QTextStream;

// The whole run for the arguments after the program's name: names derived,
// input read, document built and saved. Returns the exit status; progress
// and fatal errors go to messages, warnings and notes to errors.
int runConverter(QStringList arguments, QTextStream &messages, QTextStream &errors);
