#pragma once

// Small helpers the unit tests share for writing inputs and expected texts.

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QtGlobal>

// The object of a JSON text; a typo in a test's own JSON stops the test.
inline QJsonObject object(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonObject parsed = QJsonDocument::fromJson(json, &error).object();
    if (error.error != QJsonParseError::NoError)
        qFatal("bad test JSON: %s", qPrintable(error.errorString()));
    return parsed;
}

// Lines joined, each ending in a line feed.
inline QString lines(const QStringList &list)
{
    return list.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
