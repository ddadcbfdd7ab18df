#include "client/model/seats.h"

#include "client/model/clientsession.h"
#include "messaging/catalogue.h"
#include "messaging/integer.h"
#include "messaging/peertext.h"
#include "messaging/version.h"

#include <QCoreApplication>

namespace pictova {

void SeatsHandler::sendloginfo(const QString& payload)
{
    GameModel& model = m_session.model();
    model.setMySeat(parseInteger(payload));
    model.setLoggedIn(true);
    m_session.send(toserver::logininfo(model.mySeat(), QString::fromLatin1(kVersion), m_session.loginName()));
}

void SeatsHandler::newplayerinfo(const QString& payload)
{
    const parse::SeatAndText joined = parse::seatAndText(payload);
    GameModel& model = m_session.model();
    const bool me = joined.seat == model.mySeat();
    if (me) {
        emit m_session.chatLine(QCoreApplication::translate("pictova::SeatsHandler", "You are Connected."),
                                kStatusColour);
        emit m_session.ownArrival();
    } else {
        emit m_session.chatLine(QCoreApplication::translate("pictova::SeatsHandler", "%1 is Connected.")
                                    .arg(peertext::isolated(joined.text)),
                                kStatusColour);
    }
    if (joined.seat > kPlayerSeats) {
        model.addSpectator(joined.seat, joined.text);
        emit m_session.chatLine(me ? QCoreApplication::translate("pictova::SeatsHandler", "You are spying.")
                                   : QCoreApplication::translate("pictova::SeatsHandler", "%1 is spying.")
                                         .arg(peertext::isolated(joined.text)),
                                kStatusColour);
    } else {
        model.takeSeat(joined.seat, joined.text);
    }
    emit m_session.soundCue(QStringLiteral("entered"));
}

void SeatsHandler::playerdisconnected(const QString& payload)
{
    departed(payload, false);
}

void SeatsHandler::removed(const QString& payload)
{
    departed(payload, true);
}

void SeatsHandler::departed(const QString& payload, bool removed)
{
    const parse::SeatAndText left = parse::seatAndText(payload);
    GameModel& model = m_session.model();
    if (left.seat == model.mySeat()) {
        model.setLoggedIn(false);
        m_session.removedFromGame();
    }
    const char* why = removed ? QT_TRANSLATE_NOOP("pictova::SeatsHandler", "%1 was removed from the game.")
                              : QT_TRANSLATE_NOOP("pictova::SeatsHandler", "%1 disconnected.");
    if (isPlayerSeat(left.seat)) {
        // The name the seat showed is announced, not the name in the message.
        if (model.seat(left.seat).taken)
            emit m_session.chatLine(
                QCoreApplication::translate("pictova::SeatsHandler", why).arg(model.seatName(left.seat)),
                kStatusColour);
        model.freeSeat(left.seat);
        // A removed player's points do not come back with anyone; a team keeps its own.
        if (removed && !model.teamGame())
            model.setPoints(left.seat, 0);
    }
    if (model.removeSpectator(left.seat, left.text))
        emit m_session.chatLine(
            QCoreApplication::translate("pictova::SeatsHandler",
                                        removed ? why
                                                : QT_TRANSLATE_NOOP("pictova::SeatsHandler", "%1 has left."))
                .arg(peertext::isolated(left.text)),
            kStatusColour);
}

void SeatsHandler::refreshplayerlist(const QString& payload)
{
    const parse::SeatAndText seat = parse::seatAndText(payload);
    m_session.model().renameSeat(seat.seat, seat.text);
}

void SeatsHandler::full(const QString&)
{
    m_session.gameFull();
}

void SeatsHandler::havewrongversion(const QString& payload)
{
    emit m_session.chatLine(QCoreApplication::translate("pictova::SeatsHandler",
                                                        "%1 has a different version of the game then you.")
                                .arg(peertext::isolated(payload)),
                            kAlertColour);
}

void SeatsHandler::wrongversion(const QString&)
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
