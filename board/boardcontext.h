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
    std::function<bool()> undoOffered; // the server takes strokes back (it announced undo)
};

} // namespace pictova
