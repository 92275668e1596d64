#include "driver/command_line.h"

#include <QStringList>
#include <QTextCodec>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromUtf8(argv[i]));
    QTextStream messages(stdout);
    messages.setCodec(QTextCodec::codecForName("UTF-8"));
    QTextStream errors(stderr);
    errors.setCodec(QTextCodec::codecForName("UTF-8"));
    return runConverter(arguments, messages, errors);
}
