#pragma once

#include "diagnostics/diagnostics.h"
#include "qmltext/id_table.h"

#include <QJsonObject>

// Every id, root property name and skin state name of the document of one
// skeleton (in the layout the writers read), made in one pass in the order
// the document writes its items. Where two names give the same id the later
// item gets a numbered one; each such clash, and each name that two items
// of one kind share, is a warning.
IdTable buildIdTable(const QJsonObject &skeleton, Diagnostics &diagnostics);
