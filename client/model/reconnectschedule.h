#pragma once

#include <functional>
#include <optional>

#include <QtGlobal>

namespace pictova {

// When a game joined from the window tries to get back in after its connection was lost: after
// 1, 2, 4, 8 … seconds (at most kMaxDelayMs apart), and no attempt starts more than
// kGiveUpAfterMs after the loss.
class ReconnectSchedule
{
public:
    static constexpr qint64 kFirstDelayMs = 1000;
    static constexpr qint64 kMaxDelayMs = 16000;
    static constexpr qint64 kGiveUpAfterMs = 120000;

    // Milliseconds on a clock that never goes back; tests bring their own.
    using Clock = std::function<qint64()>;

    ReconnectSchedule();
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // The connection was lost now: the count starts again.
    void start();
    // The wait before the next attempt, counting it; nothing once that attempt would start past
    // the limit.
    std::optional<qint64> next();
    // The attempt the last `next()` announced (1 for the first).
    int attempt() const { return m_attempt; }

private:
    Clock m_clock;
    qint64 m_lostAt = 0;
    qint64 m_plannedAt = 0; // when the last planned attempt starts
    int m_attempt = 0;
};

} // namespace pictova
