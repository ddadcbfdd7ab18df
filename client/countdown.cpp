#include "client/countdown.h"

#include "client/model/countdownclock.h"
#include "client/viewparts.h"

#include <QLabel>
#include <QStackedLayout>

namespace pictova {

CountdownView::CountdownView(const CountdownClock& clock, QWidget* parent)
    : QFrame(parent), m_clock(clock), m_bar(new QLabel(this)),
      m_caption(viewparts::label(QStringLiteral("label_timer"), QStringLiteral("0"), this))
{
    setObjectName(QStringLiteral("timer_back"));
    setStyleSheet(QStringLiteral("#timer_back { background: #6E6C52; }"));
    setFixedSize(100, 15);
    m_bar->setObjectName(QStringLiteral("image_timer"));
    m_bar->setStyleSheet(QStringLiteral("background: #800000;"));
    m_caption->setAlignment(Qt::AlignCenter);
    viewparts::setBold(m_caption, 11);
    m_caption->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    // The bar is placed by hand under the caption, which spans the whole clock.
    auto* layout = new QStackedLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_caption);
    connect(&clock, &CountdownClock::ticked, this, &CountdownView::show);
    show();
}

void CountdownView::show()
{
    m_caption->setText(m_clock.caption());
    m_bar->setGeometry(0, 0, width() * m_clock.barWidth() / CountdownClock::kFullBar, height());
    m_bar->lower();
}

void CountdownView::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    show();
}

} // namespace pictova
