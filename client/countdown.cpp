#include "client/countdown.h"

#include <QLabel>

namespace pictova {

Countdown::Countdown(QLabel* label_timer, QLabel* image_timer, QObject* parent)
    : QObject(parent), m_label(label_timer), m_bar(image_timer)
{
    m_timer2.setInterval(1000);
    connect(&m_timer2, &QTimer::timeout, this, &Countdown::timer2Timer);
}

void Countdown::restart(Phase phase, int seconds)
{
    m_timer2.stop();
    m_phase = phase;
    m_secondsleft = seconds;
    m_timer2.start();
}

void Countdown::continueWith(Phase phase, int seconds)
{
    m_phase = phase;
    m_secondsleft = seconds;
    if (!m_timer2.isActive())
        m_timer2.start();
}

int Countdown::barWidth() const { return m_bar->width(); }

QString Countdown::formatTime(int seconds)
{
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

int Countdown::nextBarWidth(int phase, int secondsleft, int currentWidth)
{
    if (phase == Pause)
        return qBound(0, secondsleft * 10, 100);
    if (secondsleft > 100)
        return 100;
    if (currentWidth > secondsleft + 1)
        return currentWidth - 2;
    return qMax(0, secondsleft);
}

void Countdown::timer2Timer()
{
    --m_secondsleft;
    m_label->setText(formatTime(qMax(0, m_secondsleft)));
    m_bar->setFixedWidth(nextBarWidth(m_phase, m_secondsleft, m_bar->width()));
    if (m_secondsleft < 0) {
        m_label->setText(QStringLiteral("0:00"));
        m_timer2.stop();
    }
}

} // namespace pictova
