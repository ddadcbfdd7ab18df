#include "client/model/watchers.h"

#include "client/model/clientsession.h"
#include "messaging/catalogue.h"

#include <QCoreApplication>

namespace pictova {

void WatchersHandler::onJustWatch()
{
    const GameModel& model = m_session.model();
    if (!model.loggedIn() || !isPlayerSeat(model.mySeat()))
        return;
    // The tick follows the server's answer, not the click.
    m_session.send(toserver::justwatch(model.mySeat(), !model.seat(model.mySeat()).watching));
}

void WatchersHandler::justwatching(const ServerNotice& notice)
{
    const qint32 seat = notice.number(0);
    if (!isPlayerSeat(seat))
        return;
    GameModel& model = m_session.model();
    const bool watching = notice.flag(1);
    emit m_session.chatLine(
        (watching ? QCoreApplication::translate("pictova::WatchersHandler", "%1 is just watching")
                  : QCoreApplication::translate("pictova::WatchersHandler", "%1 now playing again"))
            .arg(model.seatName(seat)),
        kWatchColour);
    model.setWatching(seat, watching);
}

bool WatchersHandler::mayRemovePopupSeat() const
{
    const GameModel& model = m_session.model();
    return model.isGameMaster() && (!isPlayerSeat(m_popupSeat) || model.seat(m_popupSeat).taken);
}

bool WatchersHandler::maySetWatching() const
{
    return m_session.model().isGameMaster();
}

void WatchersHandler::onSetToJustWatch()
{
    if (m_session.model().loggedIn())
        m_session.send(toserver::justwatch(m_popupSeat, true));
}

void WatchersHandler::onUnsetJustWatch()
{
    if (m_session.model().loggedIn())
        m_session.send(toserver::justwatch(m_popupSeat, false));
}

void WatchersHandler::kicking(int seat)
{
    const GameModel& model = m_session.model();
    if (model.isGameMaster() && model.loggedIn())
        m_session.send(toserver::kickhim(model.mySeat(), seat));
}

} // namespace pictova
