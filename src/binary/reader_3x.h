#pragma once

// Shared by the readers of the 3.x layouts: which layout a version wrote,
// what has been read so far, and the small steps every part of the file
// takes (names from the string table, numbers as the JSON export writes
// them, indices into the tables read before).

#include "binary_input.h"
#include "json_number.h"
#include "json_values.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QMap>
#include <QStringList>
#include <QVector>

// What a version's layout holds beyond the 3.3/3.4 one, and how its JSON
// export spells things. Each switch is on from the first version that has it.
struct Features3x {
    bool v35 = false;       // fps, bone transform mode, constraint order
    bool v36 = false;       // dark colours, twoColor, point and clipping, local/relative
    bool audio = false;     // skeleton and event audio paths
    bool stretch = false;   // IK stretch
    bool compress = false;  // IK compress and uniform
    bool volume = false;    // event volume and balance
    bool xy = false;        // skeleton x and y
    // String table, skin flags, skins with bones and constraints, and the
    // 3.8.14+ JSON spellings (defaults left out, split curves, "path").
    bool skinBones = false;
    bool softness = false;  // IK softness
    bool softKey = false;   // IK key softness
    bool noRotationSpelling = false;  // 3.5.00 to 3.5.02 spell transform mode 2 "noRotation"
    bool fpsAlways = false;           // up to 3.5.03 fps is written even when 30
    DecimalRounding rounding = DecimalRounding::HalfUp;
};

// The event data an animation's event keys are compared with.
struct EventData3x {
    QString name;
    qint32 intValue = 0;
    double floatValue = 0;
    QString string;
    QString audio;  // null when the event has none
    double volume = 1;
    double balance = 0;
};

struct Reader3x {
    explicit Reader3x(BinaryInput &in) : input(in) {}

    BinaryInput &input;
    Features3x features;
    // Read a version of a window with the layout before its feature.
    bool otherWindowLayout = false;
    bool nonessential = false;
    QStringList strings;  // 3.8.14+ string table
    QStringList bones;
    QStringList slotNames;
    QStringList ikConstraints;
    QStringList transformConstraints;
    QStringList pathConstraints;
    QStringList skins;  // in file order, the default skin first when there is one
    QVector<EventData3x> events;
};

// Throws BinaryError with what was wrong and where: "<what> in <context>".
[[noreturn]] void failIn(const Reader3x &r, const QString &what);
// A string: from the table in 3.8.14+, inline before.
QString readRef(Reader3x &r);
// A string that must be there.
QString readRequiredRef(Reader3x &r, const QString &what);
// x as the JSON export writes it with `decimals` decimals.
double number(const Reader3x &r, float x, int decimals);
// The next float, as number() gives it.
double readNumber(Reader3x &r, int decimals);
// The next float under key, unless it is the export's default.
void readNumberUnless(Reader3x &r, QJsonObject &json, const QString &key, int decimals,
                      double defaultValue);
// Rotation and position (points), and scale (bones, regions) after them.
void readRotationAndPosition(Reader3x &r, QJsonObject &json);
void readPlacement(Reader3x &r, QJsonObject &json);
// An index into a table read before: "slot index 41, but the skeleton has
// 12 slots".
int readTableIndex(Reader3x &r, int tableSize, const char *what, const char *tableName);
// The name an index into table stands for.
QString readTableName(Reader3x &r, const QStringList &table, const char *what, const char *tableName);
QString readBoneName(Reader3x &r);
QString readSlotName(Reader3x &r);
// A count, then that many indices into table, as names.
QJsonArray readNameList(Reader3x &r, const QStringList &table, const char *what, const char *tableName);
// A varint that must not be negative (a start or hull, bounded by the data,
// not by the bytes left).
int readNonNegative(Reader3x &r, const char *what);
// "name" in quotes, for messages.
QString quotedName(const QString &name);

// Members of a JSON object gathered in key order. QJsonObject::insert moves
// every later key, so names given out of order, as a file may hold many,
// would take quadratic time; a map gives them to the object in order.
using JsonMembers = QMap<QString, QJsonValue>;
// Two and three levels: {slot: {attachment: ...}}, {skin: {slot: {...}}}.
using JsonMembers2 = QMap<QString, JsonMembers>;
using JsonMembers3 = QMap<QString, JsonMembers2>;

QJsonObject toObject(const JsonMembers &members);
QJsonObject toObject(const JsonMembers2 &members);
QJsonObject toObject(const JsonMembers3 &members);

// Sections read in their own files.
QJsonValue readSkins3x(Reader3x &r);
QJsonObject readAnimation3x(Reader3x &r, const QString &name);
