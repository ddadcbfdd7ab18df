#include "client/watchers.h"

#include "messaging/catalogue.h"

#include <QAction>
#include <QLabel>

namespace pictova {

void WatchersHandler::JustWatch1Click()
{
    if (!m_ctx.state.loggedin || !isPlayerSeat(m_ctx.state.myseat))
        return;
    // The tick follows the server's answer, not the click.
    m_ctx.send(toserver::justwatch(m_ctx.state.myseat, !m_ctx.view.JustWatch1->isChecked()));
}

void WatchersHandler::justwatching(const QString& payload)
{
    const parse::SeatAndText watch = parse::seatAndText(payload);
    if (!isPlayerSeat(watch.seat))
        return;
    const bool watching = watch.text == QLatin1String("1");
    if (watch.seat == m_ctx.state.myseat)
        m_ctx.view.JustWatch1->setChecked(watching);
    m_ctx.chatLine(m_ctx.seatName(watch.seat) +
                       (watching ? QStringLiteral(" is just watching") : QStringLiteral(" now playing again")),
                   kWatchColour);
    m_ctx.view.image_eyes[watch.seat]->setVisible(watching);
}

void WatchersHandler::label_playername1ContextPopup(int seat)
{
    m_popupSeat = seat;
    const bool host = m_ctx.state.ishost;
    m_ctx.view.removefromgame1->setEnabled(host);
    m_ctx.view.SettoJustWatch1->setEnabled(host);
    m_ctx.view.UnsetJustWatch1->setEnabled(host);
    if (isPlayerSeat(seat) && m_ctx.view.label_playername[seat]->text() == QLatin1String("<Waiting>"))
        m_ctx.view.removefromgame1->setEnabled(false);
}

void WatchersHandler::RemoveFromGame1Click() { kicking(m_popupSeat); }

void WatchersHandler::SettoJustWatch1Click()
{
    if (m_ctx.state.loggedin)
        m_ctx.send(toserver::justwatch(m_popupSeat, true));
}

void WatchersHandler::UnsetJustWatch1Click()
{
    if (m_ctx.state.loggedin)
        m_ctx.send(toserver::justwatch(m_popupSeat, false));
}

void WatchersHandler::kicking(int seat)
{
    if (m_ctx.state.ishost && m_ctx.state.loggedin)
        m_ctx.send(toserver::kickhim(m_ctx.state.myseat, seat));
}

} // namespace pictova
