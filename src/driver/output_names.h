#pragma once

#include <QString>

// The text up to, not including, the last "." anywhere in path; all of path
// when it has none.
QString cutBeforeLastDot(const QString &path);
// The input without its extension: the whole ".skel.bytes" of a binary
// export (in any case), else cut before its last dot.
QString cutExtension(const QString &path);
// "<input without its extension>_images".
QString imageFolderFor(const QString &inputPath);
// "<input without its extension>.qml" with its first character upper-cased.
QString qmlNameFor(const QString &inputPath);
// A folder and a file name joined for this platform; an empty folder is the
// current directory.
QString joinFolderAndName(const QString &folder, const QString &name);
