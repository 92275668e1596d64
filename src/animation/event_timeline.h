#pragma once

#include "qmltext/text_parts.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// The declaration of the root's signal that event keys fire.
extern const char *const spineEventSignal;

// True when a key fires an event: it names one by text.
bool firesEvent(const QJsonObject &key);
// True when any animation of the skeleton has a key that fires an event, so
// that the document declares the signal before its first animation is read.
bool animationsFireEvents(const QJsonObject &animations);

// The values an event key passes, its own over the event's setup values
// ("events" of the skeleton), over the defaults.
struct EventValues {
    QString name;
    int intValue = 0;
    double floatValue = 0;
    QString stringValue;
    QString audioPath;
    double volume = 1;
    double balance = 0;
};
EventValues eventValues(const QJsonObject &key, const QJsonObject &setupEvents);

// One sequence that fires root.spineEvent at each key that names an event.
void appendEventTimeline(QString &out, const QJsonArray &keys, const QJsonObject &setupEvents,
                         const PartDone &partDone = PartDone());
