#pragma once

#include <QByteArray>
#include <functional>

namespace pictova {

// What the board needs from the game window. Unset entries read as 0, false or nothing to do.
struct BoardContext
{
    std::function<int()> myseat;
    std::function<int()> drawerseat;
    std::function<bool()> loggedin;
    std::function<void(const QByteArray&)> send; // a complete framed message
    std::function<void()> hidePassButton;
    // The server takes strokes back now: it announced undo, and the turn is in its drawing phase.
    std::function<bool()> undoOffered;
    // The server answers an undo with the stroke it took back (CMD_undone); one that does not
    // leaves the drawer's board to take the stroke back by itself.
    std::function<bool()> undoAnswered;
};

} // namespace pictova
