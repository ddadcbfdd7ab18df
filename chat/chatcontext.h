#pragma once

#include <QByteArray>
#include <functional>

namespace pictova {

// What the chat needs from the game window: the log-in state, the own seat, and the way out to
// the server. `send` takes a complete framed message and may throw ESockException.
struct ChatContext
{
    std::function<bool()> loggedin;
    std::function<int()> myseat;
    std::function<void(const QByteArray&)> send;
};

} // namespace pictova
