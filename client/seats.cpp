#include "client/seats.h"

#include "client/soundcues.h"
#include "client/spylist.h"
#include "messaging/catalogue.h"
#include "messaging/integer.h"
#include "messaging/version.h"

#include <QLabel>

namespace pictova {

namespace {
const QString kWaiting = QStringLiteral("<Waiting>");
}

void SeatsHandler::sendloginfo(const QString& payload)
{
    m_ctx.state.myseat = parseInteger(payload);
    m_ctx.state.loggedin = true;
    m_ctx.send(toserver::logininfo(m_ctx.state.myseat, QString::fromLatin1(kVersion), m_ctx.state.loginname));
}

void SeatsHandler::newplayerinfo(const QString& payload)
{
    const parse::SeatAndText joined = parse::seatAndText(payload);
    const bool me = joined.seat == m_ctx.state.myseat;
    if (me) {
        m_ctx.statusLine(QStringLiteral("You are Connected."));
        if (m_ctx.view.loadinifile)
            m_ctx.view.loadinifile();
    } else {
        m_ctx.statusLine(joined.text + QStringLiteral(" is Connected."));
    }
    if (joined.seat > kPlayerSeats) {
        // No seat lies above 15: a list fed every number a server names would grow for ever.
        if (m_ctx.view.spylist && joined.seat <= kHighestSeat)
            m_ctx.view.spylist->addSpy(joined.seat, joined.text);
        m_ctx.statusLine(me ? QStringLiteral("You are spying.") : joined.text + QStringLiteral(" is spying."));
    } else if (isPlayerSeat(joined.seat)) {
        m_ctx.view.label_playername[joined.seat]->setText(joined.text);
        m_ctx.view.label_playername[joined.seat]->show();
        m_ctx.view.label_score[joined.seat]->show();
    }
    m_ctx.view.sounds->playsounds(QStringLiteral("entered"));
}

void SeatsHandler::playerdisconnected(const QString& payload)
{
    const parse::SeatAndText left = parse::seatAndText(payload);
    if (left.seat == m_ctx.state.myseat) {
        m_ctx.state.loggedin = false;
        if (m_ctx.view.closeWindow)
            m_ctx.view.closeWindow();
    }
    if (isPlayerSeat(left.seat)) {
        QLabel* label = m_ctx.view.label_playername[left.seat];
        // The label's own text is announced, not the name in the message.
        if (label->text() != kWaiting)
            m_ctx.statusLine(label->text() + QStringLiteral(" disconnected."));
        label->setText(kWaiting);
        m_ctx.view.image_eyes[left.seat]->hide();
    }
    if (m_ctx.view.spylist && m_ctx.view.spylist->removeSpy(left.seat, left.text))
        m_ctx.statusLine(left.text + QStringLiteral(" has left."));
}

void SeatsHandler::refreshplayerlist(const QString& payload)
{
    const parse::SeatAndText seat = parse::seatAndText(payload);
    if (isPlayerSeat(seat.seat))
        m_ctx.view.label_playername[seat.seat]->setText(seat.text);
}

void SeatsHandler::full(const QString&)
{
    auto close = m_ctx.view.closeWindow;
    if (m_ctx.view.message)
        m_ctx.view.message(QStringLiteral("Game is full"), [close] {
            if (close)
                close();
        });
    else if (close)
        close();
}

void SeatsHandler::havewrongversion(const QString& payload)
{
    m_ctx.chatLine(payload + QStringLiteral(" has a different version of the game then you."), kAlertColour);
}

void SeatsHandler::wrongversion(const QString&)
{
    m_ctx.chatLine(QStringLiteral("You have a different version of the game then the host."), kAlertColour);
}

void SeatsHandler::sockInfo(SocketInfo, const QString& message)
{
    if (message == QLatin1String("Socket Closed") && m_ctx.view.closeWindow)
        m_ctx.view.closeWindow();
}

} // namespace pictova
