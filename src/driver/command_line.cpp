#include "command_line.h"

#include "messages.h"
#include "output_names.h"
#include "skeleton_document.h"
#include "skeleton_file.h"

#include "diagnostics/diagnostics.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

struct Job {
    bool strict = false;
    QString inputPath;
    QString outputPath;
    QString imageFolder;
    bool packed = false;
    bool announceOutput = false;
};

bool isHelpOption(const QString &argument)
{
    return argument == QLatin1String("-h") || argument == QLatin1String("--help");
}

// Options stand before the positional arguments; a file whose name starts
// with "--" is named as "./--name.json". Takes them off arguments; false for
// an option that does not exist.
bool takeOptions(QStringList &arguments, Job &job)
{
    while (!arguments.isEmpty() && arguments.first().startsWith(QLatin1String("--"))) {
        if (arguments.first() != QLatin1String("--strict"))
            return false;
        job.strict = true;
        arguments.removeFirst();
    }
    return true;
}

// Fills job from the arguments; false when they leave no input name.
bool readArguments(QStringList arguments, Job &job, QTextStream &messages)
{
    if (arguments.last() == QLatin1String("packed")) {
        say(messages, QStringLiteral("Using spritesheets.\n"));
        arguments.removeLast();
        job.packed = true;
    }
    const bool autoMode = !arguments.isEmpty() && arguments.first() == QLatin1String("auto");
    if (arguments.isEmpty() || (autoMode && arguments.size() == 1))
        return false;
    if (autoMode) {
        const QString name = arguments.at(1);
        const QString folder = arguments.value(2);
        job.inputPath = joinFolderAndName(folder, name);
        job.outputPath = joinFolderAndName(folder, qmlNameFor(name));
        job.imageFolder = imageFolderFor(name);
    } else {
        job.inputPath = arguments.first();
        job.outputPath = arguments.size() == 2 ? arguments.at(1) : qmlNameFor(job.inputPath);
        job.imageFolder = imageFolderFor(job.inputPath);
        job.announceOutput = true;
    }
    return true;
}

bool isSameFile(const QString &a, const QString &b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

void printDiagnostics(const Diagnostics &diagnostics, const QString &inputPath,
                      QTextStream &errors)
{
    for (const QString &line : diagnostics.lines(inputPath))
        say(errors, line + QLatin1Char('\n'));
}

int convert(const Job &job, QTextStream &messages, QTextStream &errors)
{
    if (job.announceOutput)
        say(messages, QLatin1String("Saving QML file to: ") + job.outputPath + QLatin1Char('\n'));
    if (isSameFile(job.inputPath, job.outputPath)) {
        say(messages, QStringLiteral("Couldn't open output file: it is the input file.\n"));
        return 1;
    }
    // The document goes to a temporary file that replaces the output only
    // once it is complete, so a failed run leaves an old output as it was.
    QSaveFile output(job.outputPath);
    if (!output.open(QIODevice::WriteOnly)) {
        say(messages, QStringLiteral("Couldn't open output file.\n"));
        return 1;
    }
    LoadedSkeleton skeleton;
    if (!loadSkeleton(job.inputPath, skeleton, messages))
        return 1;
    Diagnostics diagnostics;
    const bool written = writeSkeletonDocument(skeleton.root, job.packed, job.imageFolder,
                                               &output, diagnostics, skeleton.binaryVersion);
    printDiagnostics(diagnostics, job.inputPath, errors);
    if (job.strict && diagnostics.warningCount() > 0) {
        // Nothing is committed: an existing output stays as it was.
        output.cancelWriting();
        say(messages, QStringLiteral("Stopped by --strict: the input has warnings.\n"));
        return 1;
    }
    if (!written || !output.commit()) {
        say(messages, QLatin1String("Couldn't write output file: ") + output.errorString()
                    + QLatin1String(".\n"));
        return 1;
    }
    say(messages, QStringLiteral("The deed is done.\n"));
    return 0;
}

} // namespace

int runConverter(QStringList arguments, QTextStream &messages, QTextStream &errors)
{
    if (arguments.size() == 1 && isHelpOption(arguments.first())) {
        say(messages, usageText + helpText);
        return 0;
    }
    if (arguments.size() == 1 && arguments.first() == QLatin1String("--version")) {
        say(messages, versionText);
        return 0;
    }
    Job job;
    if (!takeOptions(arguments, job) || arguments.isEmpty() || arguments.size() > 3
        || !readArguments(arguments, job, messages)) {
        say(messages, usageText);
        return 1;
    }
    return convert(job, messages, errors);
}
