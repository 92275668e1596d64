#include "driver/command_line.h"

#include <QStringList>
#include <QTextStream>
#include <QtGlobal>

namespace {

// Messages name files and skeleton parts in UTF-8 whatever the locale. The
// one place where the two Qt versions are spelt apart: Qt 5 streams take the
// locale's codec unless told, Qt 6 streams take an encoding.
void writeUtf8(QTextStream &stream)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    stream.setCodec("UTF-8");
#else
    stream.setEncoding(QStringConverter::Utf8);
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromUtf8(argv[i]));
    QTextStream messages(stdout);
    writeUtf8(messages);
    QTextStream errors(stderr);
    writeUtf8(errors);
    return runConverter(arguments, messages, errors);
}
