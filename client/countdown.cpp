#include "client/countdown.h"

#include "client/model/countdownclock.h"
#include "shell/designscale.h"

#include <QLabel>

namespace pictova {

CountdownView::CountdownView(const CountdownClock& clock, QLabel* label_timer, QLabel* image_timer,
                             QObject* parent)
    : QObject(parent), m_clock(clock), m_label(label_timer), m_bar(image_timer)
{
    connect(&clock, &CountdownClock::ticked, this, &CountdownView::show);
}

void CountdownView::show()
{
    m_label->setText(m_clock.caption());
    design::setFixedWidth(m_bar, m_clock.barWidth());
}

} // namespace pictova
