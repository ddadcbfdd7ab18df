#include "client/model/countdownclock.h"

#include <algorithm>

namespace pictova {

namespace {
// Longer than any turn or pause. The seconds come from the server, and a number near the top of
// the integer range would overflow the bar's arithmetic.
constexpr int kLongestCountdown = 24 * 60 * 60;

int bounded(int seconds)
{
    return std::min(seconds, kLongestCountdown);
}
} // namespace

CountdownClock::CountdownClock(QObject* parent) : QObject(parent)
{
    m_ticker.setInterval(1000);
    connect(&m_ticker, &QTimer::timeout, this, &CountdownClock::onCountdownTick);
}

void CountdownClock::restart(Phase phase, int seconds)
{
    m_ticker.stop();
    m_phase = phase;
    m_secondsleft = bounded(seconds);
    m_ticker.start();
    showStart();
}

void CountdownClock::continueWith(Phase phase, int seconds)
{
    m_phase = phase;
    m_secondsleft = bounded(seconds);
    if (!m_ticker.isActive())
        m_ticker.start();
    showStart();
}

void CountdownClock::correctTo(int seconds)
{
    if (seconds < 0)
        return;
    m_ticker.stop();
    m_secondsleft = bounded(seconds);
    m_ticker.start();
    showStart();
}

void CountdownClock::stop()
{
    m_ticker.stop();
    m_phase = Pause;
    m_secondsleft = 0;
    m_barWidth = kFullBar;
    m_caption = QStringLiteral("0");
    emit ticked();
}

void CountdownClock::showStart()
{
    m_caption = formatTime(qMax(0, m_secondsleft));
    m_barWidth = nextBarWidth(m_phase, m_secondsleft, m_secondsleft);
    emit ticked();
}

QString CountdownClock::formatTime(int seconds)
{
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

int CountdownClock::nextBarWidth(int phase, int secondsleft, int currentWidth)
{
    if (phase == Pause)
        return qBound(0, secondsleft * 10, kFullBar);
    if (secondsleft > kFullBar)
        return kFullBar;
    if (currentWidth > secondsleft + 1)
        return currentWidth - 2;
    return qMax(0, secondsleft);
}

void CountdownClock::onCountdownTick()
{
    --m_secondsleft;
    m_caption = formatTime(qMax(0, m_secondsleft));
    m_barWidth = nextBarWidth(m_phase, m_secondsleft, m_barWidth);
    if (m_secondsleft < 0) {
        m_caption = QStringLiteral("0:00");
        m_ticker.stop();
    }
    emit ticked();
}

} // namespace pictova
