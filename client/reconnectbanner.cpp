#include "client/reconnectbanner.h"

#include "client/model/clientsession.h"
#include "shell/designscale.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace pictova {

ReconnectBanner::ReconnectBanner(ClientSession& session, QWidget* board) : QFrame(board)
{
    setObjectName(QStringLiteral("reconnectBanner"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("reconnectText"));
    m_text->setTextFormat(Qt::PlainText);
    m_giveUp = new QPushButton(QStringLiteral("Give Up"), this);
    m_giveUp->setObjectName(QStringLiteral("giveUpButton"));
    auto* row = new QHBoxLayout(this);
    row->addWidget(m_text, 1);
    row->addWidget(m_giveUp);
    hide();

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
    m_text->setText(QStringLiteral("Connection lost, reconnecting… (%1)").arg(attempt));
    // Across the top of the board, clear of the start buttons and notices in its middle.
    const int width = qMin(parentWidget()->width() - design::scaled(this, 20), design::scaled(this, 460));
    setGeometry((parentWidget()->width() - width) / 2, design::scaled(this, 10), width, sizeHint().height());
    show();
    raise();
}

} // namespace pictova
