#include "command_line.h"

#include "messages.h"
#include "output_names.h"
#include "skeleton_document.h"
#include "skeleton_file.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

struct Job {
    QString inputPath;
    QString outputPath;
    QString imageFolder;
    bool packed = false;
    bool announceOutput = false;
};

bool isHelpRequest(const QStringList &arguments)
{
    return arguments.size() == 1
            && (arguments.first() == QLatin1String("-h")
                || arguments.first() == QLatin1String("--help"));
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

int convert(const Job &job, QTextStream &messages)
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
    QJsonDocument document;
    if (!loadSkeletonJson(job.inputPath, document, messages))
        return 1;
    if (!writeSkeletonDocument(document.object(), job.packed, job.imageFolder, &output)
        || !output.commit()) {
        say(messages, QLatin1String("Couldn't write output file: ") + output.errorString()
                    + QLatin1String(".\n"));
        return 1;
    }
    say(messages, QStringLiteral("The deed is done.\n"));
    return 0;
}

} // namespace

int runConverter(const QStringList &arguments, QTextStream &messages)
{
    if (isHelpRequest(arguments)) {
        say(messages, usageText);
        return 0;
    }
    Job job;
    if (arguments.isEmpty() || arguments.size() > 3 || !readArguments(arguments, job, messages)) {
        say(messages, usageText);
        return 1;
    }
    return convert(job, messages);
}
