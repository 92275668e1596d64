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
