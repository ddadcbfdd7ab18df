#include "messaging/drain.h"

namespace pictova {

DrainTimer::DrainTimer(int intervalMs, std::function<bool()> step, QObject* parent)
    : QObject(parent), m_step(std::move(step))
{
    m_timer.setInterval(intervalMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (!m_step())
            m_timer.stop();
    });
}

void DrainTimer::wake()
{
    if (!m_manual && !m_timer.isActive())
        m_timer.start();
}

void DrainTimer::setManual(bool manual)
{
    m_manual = manual;
    if (manual)
        m_timer.stop();
}

bool DrainTimer::tick() { return m_step(); }

} // namespace pictova
