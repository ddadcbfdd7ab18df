#include "server/roundtimer.h"

namespace pictova {

RoundTimer::RoundTimer(std::function<void()> onTick, QObject* parent)
    : QObject(parent), m_onTick(std::move(onTick))
{
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &RoundTimer::tick);
}

void RoundTimer::setEnabled(bool enabled)
{
    // Enabling restarts the second, as re-enabling a stopped timer does.
    m_enabled = enabled;
    m_timer.stop();
    sync();
}

void RoundTimer::setManual(bool manual)
{
    m_manual = manual;
    m_timer.stop();
    sync();
}

void RoundTimer::setIntervalMs(int ms)
{
    m_timer.setInterval(ms);
}

void RoundTimer::tick()
{
    if (m_enabled)
        m_onTick();
}

void RoundTimer::sync()
{
    if (m_enabled && !m_manual && !m_timer.isActive())
        m_timer.start();
    else if ((!m_enabled || m_manual) && m_timer.isActive())
        m_timer.stop();
}

} // namespace pictova
