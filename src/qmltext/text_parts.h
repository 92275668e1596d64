#pragma once

#include <QString>

#include <functional>

// The builder of a long section (the skins, an animation) calls this after
// each whole part it has appended to text: a skin state, an attachment item,
// one bone's or one slot's sequences. The document writer's handler takes the
// text so far and empties it, so that the section is never held whole; with
// no handler the text simply stays where it is.
using PartDone = std::function<void(QString &text)>;

inline void reportPartDone(const PartDone &partDone, QString &text)
{
    if (partDone)
        partDone(text);
}

// For the statements of one timeline, which may have millions of keys: hands
// the text on once it is long, so that no sequence must fit in one QString.
inline void reportLongPart(const PartDone &partDone, QString &text)
{
    if (text.size() >= (1 << 16))
        reportPartDone(partDone, text);
}
