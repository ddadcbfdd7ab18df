#include "client/reconnectbanner.h"

#include "client/model/clientsession.h"
#include "translations/livetexts.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace pictova {

ReconnectBanner::ReconnectBanner(ClientSession& session, QWidget* board) : QFrame(board)
{
    setObjectName(QStringLiteral("reconnectBanner"));
    setProperty("placesItself", true);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("reconnectText"));
    m_text->setTextFormat(Qt::PlainText);
    m_giveUp = new QPushButton(this);
    auto* texts = new LiveTexts(this);
    texts->add([this] { m_giveUp->setText(tr("Give Up")); });
    m_giveUp->setObjectName(QStringLiteral("giveUpButton"));
    auto* row = new QHBoxLayout(this);
    row->addWidget(m_text, 1);
    row->addWidget(m_giveUp);
    hide();
    // The board changes size with the window; the banner stays across its top.
    board->installEventFilter(this);

    connect(&session, &ClientSession::reconnecting, this, &ReconnectBanner::showAttempt);
    connect(&session, &ClientSession::reconnected, this, &QWidget::hide);
    connect(&session, &ClientSession::connectionLost, this, &QWidget::hide);
    connect(&session, &ClientSession::joinFailed, this, &QWidget::hide);
    connect(&session, &ClientSession::joined, this, &QWidget::hide);
    // Giving up ends the game as a lost connection does; the window then says so.
    connect(m_giveUp, &QPushButton::clicked, &session, &ClientSession::giveUp);
}

QString ReconnectBanner::text() const
{
    return m_text->text();
}

void ReconnectBanner::showAttempt(int attempt)
{
    m_text->setText(tr("Connection lost, reconnecting… (%1)").arg(attempt));
    place();
    show();
    raise();
}

void ReconnectBanner::place()
{
    // Across the top of the board, clear of the start buttons and notices in its middle.
    const int margin = fontMetrics().height() / 2;
    const int width = qMin(parentWidget()->width() - 2 * margin,
                           qMax(sizeHint().width(), 40 * fontMetrics().averageCharWidth()));
    setGeometry((parentWidget()->width() - width) / 2, margin, width, sizeHint().height());
}

bool ReconnectBanner::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        place();
    return QFrame::eventFilter(watched, event);
}

} // namespace pictova
