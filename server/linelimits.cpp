#include "server/linelimits.h"

#include <QDeadlineTimer>
#include <algorithm>

namespace pictova {

void BurstLimiter::setLimit(LineLimit limit)
{
    m_limit = limit;
    m_seats.clear();
}

bool BurstLimiter::admit(int seat, qint64 now)
{
    if (m_limit.isOff())
        return true;
    SeatLines& lines = m_seats.try_emplace(seat, m_limit).first->second;
    if (lines.passed.take(now))
        return true;
    ++lines.refused;
    lines.burstEnd = lines.passed.nextFreeAtMs();
    return false;
}

std::vector<BurstLimiter::Burst> BurstLimiter::takeEndedBursts(qint64 now)
{
    std::vector<Burst> ended;
    for (auto& [seat, lines] : m_seats) {
        if (lines.refused > 0 && lines.burstEnd <= now) {
            ended.push_back({seat, lines.refused});
            lines.refused = 0;
        }
    }
    return ended;
}

std::optional<qint64> BurstLimiter::nextBurstEnd() const
{
    std::optional<qint64> next;
    for (const auto& [seat, lines] : m_seats)
        if (lines.refused > 0 && (!next || lines.burstEnd < *next))
            next = lines.burstEnd;
    return next;
}

LineLimits::LineLimits(Notice notice, QObject* parent)
    : QObject(parent), m_notice(std::move(notice)),
      m_clock([] { return QDeadlineTimer::current().deadline(); })
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &LineLimits::check);
}

void LineLimits::setManual(bool manual)
{
    m_manual = manual;
    arm();
}

bool LineLimits::admit(BurstLimiter& limiter, int seat)
{
    // A burst that is over is told before the line that follows it.
    check();
    const bool passed = limiter.admit(seat, m_clock());
    if (!passed)
        arm();
    return passed;
}

void LineLimits::check()
{
    const qint64 now = m_clock();
    for (BurstLimiter* limiter : {&m_chat, &m_guess})
        for (const BurstLimiter::Burst& burst : limiter->takeEndedBursts(now))
            m_notice(burst.seat, burst.refused);
    arm();
}

void LineLimits::forget(int seat)
{
    m_chat.forget(seat);
    m_guess.forget(seat);
}

void LineLimits::arm()
{
    m_timer.stop();
    if (m_manual)
        return;
    std::optional<qint64> next = m_chat.nextBurstEnd();
    if (const std::optional<qint64> guess = m_guess.nextBurstEnd(); guess && (!next || *guess < *next))
        next = guess;
    if (!next)
        return;
    m_timer.start(static_cast<int>(std::clamp<qint64>(*next - m_clock(), 0, 3600 * 1000)));
}

} // namespace pictova
