#include "server/logindeadline.h"

#include <QDeadlineTimer>
#include <algorithm>

namespace pictova {

namespace {
constexpr qint64 kNever = std::numeric_limits<qint64>::max();
}

LoginDeadline::LoginDeadline(Expire expire, QObject* parent)
    : QObject(parent), m_clock([] { return QDeadlineTimer::current().deadline(); }),
      m_expire(std::move(expire))
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &LoginDeadline::check);
}

void LoginDeadline::setManual(bool manual)
{
    m_manual = manual;
    arm();
}

void LoginDeadline::schedule(qint64 deadline)
{
    if (deadline >= m_next)
        return;
    m_next = deadline;
    arm();
}

void LoginDeadline::check()
{
    // The expiry schedules whatever deadlines remain.
    m_next = kNever;
    m_timer.stop();
    m_expire(now());
}

void LoginDeadline::arm()
{
    m_timer.stop();
    if (m_manual || m_next == kNever)
        return;
    const qint64 wait = std::clamp<qint64>(m_next - now(), 0, kLimitMs);
    m_timer.start(static_cast<int>(wait));
}

} // namespace pictova
