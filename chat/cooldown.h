#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

#include <functional>

namespace pictova {

// Keeps a player from flooding the chat with phrase buttons: after one is sent the next is
// accepted only once the cool-down has passed. Measured on a clock of milliseconds rather than
// in drain ticks, since the dispatch timer sleeps while no messages wait; tests drive the clock.
class PhraseCooldown
{
public:
    static constexpr qint64 kDefaultMs = 100;
    using Clock = std::function<qint64()>; // milliseconds, never going back

    explicit PhraseCooldown(qint64 lengthMs = kDefaultMs, Clock clock = monotonicClock())
        : m_lengthMs(lengthMs), m_clock(std::move(clock))
    {
    }

    void setClock(Clock clock) { m_clock = std::move(clock); }

    // phraseready: true at start and again once more than the cool-down's length has passed.
    bool ready() const { return !m_running || m_clock() - m_startedAt > m_lengthMs; }
    void start()
    {
        m_startedAt = m_clock();
        m_running = true;
    }

    static Clock monotonicClock()
    {
        return [since = startedTimer()] { return since.elapsed(); };
    }

private:
    static QElapsedTimer startedTimer()
    {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }

    qint64 m_lengthMs;
    Clock m_clock;
    qint64 m_startedAt = 0;
    bool m_running = false;
};

} // namespace pictova
