#include "client/model/reconnectschedule.h"

#include <QDeadlineTimer>
#include <algorithm>

namespace pictova {

ReconnectSchedule::ReconnectSchedule() : m_clock([] { return QDeadlineTimer::current().deadline(); }) {}

void ReconnectSchedule::start()
{
    m_lostAt = m_clock();
    m_plannedAt = m_lostAt;
    m_attempt = 0;
}

std::optional<qint64> ReconnectSchedule::next()
{
    const int doublings = std::min(m_attempt, 30);
    const qint64 delay = std::min(kFirstDelayMs << doublings, kMaxDelayMs);
    // A slow attempt (one that waited for an answer) moves the plan on from where it ended.
    const qint64 now = m_clock();
    const qint64 at = std::max(now, m_plannedAt) + delay;
    if (at - m_lostAt > kGiveUpAfterMs)
        return std::nullopt;
    m_plannedAt = at;
    ++m_attempt;
    return at - now;
}

} // namespace pictova
