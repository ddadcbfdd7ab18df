#include "server/linelimits.h"

#include <QDeadlineTimer>
#include <algorithm>

namespace pictova {

void BurstLimiter::setLimit(LineLimit limit)
{
    m_limit = limit;
    m_seats.clear();
    m_left.clear();
}

bool BurstLimiter::admit(int seat, const QString& address, qint64 now)
{
    if (m_limit.isOff())
        return true;
    auto [entry, fresh] = m_seats.try_emplace(seat, m_limit);
    SeatLines& lines = entry->second;
    if (auto left = m_left.find(address); fresh && left != m_left.end()) {
        lines.passed = std::move(left->second.back());
        left->second.pop_back();
        if (left->second.empty())
            m_left.erase(left);
    }
    if (lines.passed.take(now))
        return true;
    ++lines.refused;
    lines.burstEnd = lines.passed.nextFreeAtMs();
    return false;
}

void BurstLimiter::forget(int seat, const QString& address, qint64 now)
{
    for (auto it = m_left.begin(); it != m_left.end();) {
        std::erase_if(it->second, [now](const RateWindow& window) { return window.isEmptyAt(now); });
        it = it->second.empty() ? m_left.erase(it) : std::next(it);
    }
    const auto found = m_seats.find(seat);
    if (found == m_seats.end())
        return;
    if (!address.isEmpty() && !found->second.passed.isEmptyAt(now)) {
        std::vector<RateWindow>& left = m_left[address];
        if (left.size() == kMaxLeftPerAddress)
            left.erase(left.begin());
        left.push_back(std::move(found->second.passed));
    }
    m_seats.erase(found);
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
    const bool passed = limiter.admit(seat, m_addressOf ? m_addressOf(seat) : QString(), m_clock());
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
    const QString address = m_addressOf ? m_addressOf(seat) : QString();
    const qint64 now = m_clock();
    m_chat.forget(seat, address, now);
    m_guess.forget(seat, address, now);
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
