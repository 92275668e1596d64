#include "skeleton_3x.h"

#include "binary_input.h"

// Placeholder until the 3.x layouts are read: no 3.x version is readable.
QString headerVersion3x(const QByteArray &)
{
    return QString();
}

bool isReadableVersion3x(const QString &)
{
    return false;
}

QJsonObject readSkeleton3x(const QByteArray &bytes)
{
    BinaryInput input(bytes);
    input.fail(QStringLiteral("a 3.x binary file"));
}
