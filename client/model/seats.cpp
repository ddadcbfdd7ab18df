#include "client/model/seats.h"

#include "client/model/clientsession.h"
#include "messaging/catalogue.h"
#include "messaging/peertext.h"
#include "messaging/version.h"

#include <QCoreApplication>

namespace pictova {

void SeatsHandler::sendloginfo(const ServerNotice& notice)
{
    GameModel& model = m_session.model();
    model.setMySeat(notice.number(0));
    model.setLoggedIn(true);
    m_session.send(toserver::logininfo(model.mySeat(), QString::fromLatin1(kVersion), m_session.loginName()));
}

void SeatsHandler::newplayerinfo(const ServerNotice& notice)
{
    const qint32 seat = notice.number(0);
    const QString& name = notice.text(1);
    GameModel& model = m_session.model();
    const bool me = seat == model.mySeat();
    if (me) {
        emit m_session.chatLine(QCoreApplication::translate("pictova::SeatsHandler", "You are Connected."),
                                kStatusColour);
        emit m_session.ownArrival();
    } else {
        emit m_session.chatLine(QCoreApplication::translate("pictova::SeatsHandler", "%1 is Connected.")
                                    .arg(peertext::isolated(name)),
                                kStatusColour);
    }
    if (seat > kPlayerSeats) {
        model.addSpectator(seat, name);
        emit m_session.chatLine(me ? QCoreApplication::translate("pictova::SeatsHandler", "You are spying.")
                                   : QCoreApplication::translate("pictova::SeatsHandler", "%1 is spying.")
                                         .arg(peertext::isolated(name)),
                                kStatusColour);
    } else {
        model.takeSeat(seat, name);
    }
    emit m_session.soundCue(QStringLiteral("entered"));
}

void SeatsHandler::playerdisconnected(const ServerNotice& notice)
{
    departed(notice, false);
}

void SeatsHandler::removed(const ServerNotice& notice)
{
    departed(notice, true);
}

void SeatsHandler::departed(const ServerNotice& notice, bool removed)
{
    const qint32 seat = notice.number(0);
    const QString& name = notice.text(1);
    GameModel& model = m_session.model();
    if (seat == model.mySeat()) {
        model.setLoggedIn(false);
        m_session.removedFromGame();
    }
    const char* why = removed ? QT_TRANSLATE_NOOP("pictova::SeatsHandler", "%1 was removed from the game.")
                              : QT_TRANSLATE_NOOP("pictova::SeatsHandler", "%1 disconnected.");
    if (isPlayerSeat(seat)) {
        // The name the seat showed is announced, not the name in the message.
        if (model.seat(seat).taken)
            emit m_session.chatLine(
                QCoreApplication::translate("pictova::SeatsHandler", why).arg(model.seatName(seat)),
                kStatusColour);
        model.freeSeat(seat);
        // A removed player's points do not come back with anyone; a team keeps its own.
        if (removed && !model.teamGame())
            model.setPoints(seat, 0);
    }
    if (model.removeSpectator(seat, name))
        emit m_session.chatLine(
            QCoreApplication::translate("pictova::SeatsHandler",
                                        removed ? why
                                                : QT_TRANSLATE_NOOP("pictova::SeatsHandler", "%1 has left."))
                .arg(peertext::isolated(name)),
            kStatusColour);
}

void SeatsHandler::refreshplayerlist(const ServerNotice& notice)
{
    m_session.model().renameSeat(notice.number(0), notice.text(1));
}

void SeatsHandler::full()
{
    m_session.gameFull();
}

void SeatsHandler::havewrongversion(const ServerNotice& notice)
{
    emit m_session.chatLine(QCoreApplication::translate("pictova::SeatsHandler",
                                                        "%1 has a different version of the game then you.")
                                .arg(peertext::isolated(notice.text(0))),
                            kAlertColour);
}

void SeatsHandler::wrongversion()
{
    emit m_session.chatLine(
        QCoreApplication::translate("pictova::SeatsHandler",
                                    "You have a different version of the game then the host."),
        kAlertColour);
    m_session.versionRefused();
}

void SeatsHandler::sockInfo(SocketInfo kind, const QString& message)
{
    if (message == QLatin1String("Socket Closed"))
        m_session.connectionClosed();
    else if (kind == SocketInfo::Error)
        m_session.connectionFailed(message);
}

} // namespace pictova
