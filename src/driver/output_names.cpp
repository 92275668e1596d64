#include "output_names.h"

#include <QDir>

QString cutBeforeLastDot(const QString &path)
{
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? path : path.left(dot);
}

QString cutExtension(const QString &path)
{
    const QLatin1String bytesBinary(".skel.bytes");
    if (path.endsWith(bytesBinary, Qt::CaseInsensitive))
        return path.left(path.size() - bytesBinary.size());
    return cutBeforeLastDot(path);
}

QString imageFolderFor(const QString &inputPath)
{
    return cutExtension(inputPath) + QLatin1String("_images");
}

QString qmlNameFor(const QString &inputPath)
{
    QString name = cutExtension(inputPath) + QLatin1String(".qml");
    name[0] = name.at(0).toUpper();
    return name;
}

QString joinFolderAndName(const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return name;
    return folder + QDir::separator() + name;
}
