#pragma once

#include <QElapsedTimer>

namespace pictova {

// Keeps a player from flooding the chat with phrase buttons: after one is sent the next is
// accepted only once the cool-down has passed. Measured in elapsed time, since the dispatch
// timer sleeps while no messages wait.
class PhraseCooldown
{
public:
    static constexpr qint64 kDefaultMs = 100;

    explicit PhraseCooldown(qint64 lengthMs = kDefaultMs) : m_lengthMs(lengthMs) {}

    // phraseready: true at start and again once the cool-down has run out.
    bool ready() const { return !m_running || m_since.elapsed() > m_lengthMs; }
    void start()
    {
        m_since.start();
        m_running = true;
    }

private:
    qint64 m_lengthMs;
    QElapsedTimer m_since;
    bool m_running = false;
};

} // namespace pictova
