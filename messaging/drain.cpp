#include "messaging/drain.h"

#include <algorithm>

namespace pictova {

DrainTimer::DrainTimer(int intervalMs, std::function<bool()> step, QObject* parent)
    : QObject(parent), m_step(std::move(step)), m_intervalMs(intervalMs)
{
    m_timer.setInterval(intervalMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_lastStep.start();
        if (m_timer.interval() != m_intervalMs)
            m_timer.setInterval(m_intervalMs);
        if (!m_step())
            m_timer.stop();
    });
}

void DrainTimer::wake()
{
    if (m_manual || m_timer.isActive())
        return;
    // A stopped timer restarted on arrival would hold every message a whole interval, even
    // after a long rest. Only the rest of the interval since the last step is still owed.
    const qint64 owed = m_lastStep.isValid() ? m_intervalMs - m_lastStep.elapsed() : 0;
    m_timer.start(static_cast<int>(std::clamp<qint64>(owed, 0, m_intervalMs)));
}

void DrainTimer::setManual(bool manual)
{
    m_manual = manual;
    if (manual)
        m_timer.stop();
}

bool DrainTimer::tick()
{
    return m_step();
}

} // namespace pictova
