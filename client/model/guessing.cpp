#include "client/model/guessing.h"

#include "client/model/clientsession.h"
#include "messaging/catalogue.h"
#include "messaging/peertext.h"
#include "messaging/wire.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

namespace pictova {

QString GuessingHandler::today()
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

void GuessingHandler::sendGuess(const QString& text)
{
    const GameModel& model = m_session.model();
    if (model.loggedIn())
        m_session.send(toserver::answer(model.mySeat(), withoutTerminator(text)));
}

void GuessingHandler::guessed(const ServerNotice& notice)
{
    emit m_session.drawerGuessLine(
        QCoreApplication::translate("pictova::GuessingHandler", "%1 guessed: %2")
            .arg(m_session.model().seatName(notice.number(0)), peertext::isolated(notice.text(1))));
}

void GuessingHandler::myguessed(const ServerNotice& notice)
{
    emit m_session.guesserGuessLine(
        QCoreApplication::translate("pictova::GuessingHandler", "%1 answered: %2")
            .arg(m_session.model().seatName(notice.number(0)), peertext::isolated(notice.text(1))));
}

void GuessingHandler::endOfTurn()
{
    GameModel& model = m_session.model();
    model.setDrawer(0);
    // The turn is over: a pass now would only cost the drawer a point.
    model.setPassOffered(false);
    model.setPhase(GamePhase::Break);
}

void GuessingHandler::updateanswer(const ServerNotice& notice)
{
    // "false", "true" or the drawer's seat: only "true" ends the turn.
    const bool timedOut = notice.text(0) == QLatin1String("true");
    const QString& text = notice.text(1);
    GameModel& model = m_session.model();
    if (timedOut) {
        if (model.phase() == GamePhase::Drawing) {
            TurnEnd end;
            end.kind = TurnEndKind::TimedOut;
            end.phrase = text;
            end.drawerSeat = model.drawer();
            end.drawerName = model.seatName(model.drawer());
            emit m_session.turnEnded(end);
        }
        emit m_session.soundCue(QStringLiteral("noanswer"));
        emit m_session.chatLine(QCoreApplication::translate("pictova::GuessingHandler", "No one guessed!"),
                                kStatusColour);
        model.setTurnCaption(today() + QStringLiteral(": ") + model.seatName(model.drawer()) +
                             QLatin1Char('-') + text);
        // The server takes a point from the drawer's seat without saying so; the model must hold
        // it. In a team game that seat is the side's points for seats 1 and 2, a copy elsewhere.
        const int drawer = model.drawer();
        if (model.seat(drawer).points > 0) {
            model.setPoints(drawer, model.seat(drawer).points - 1);
            // The lost point is marked beside the drawer as a turn's gain is.
            TurnAward award;
            award.drawerSeat = drawer;
            award.drawerText = QStringLiteral("-1");
            award.shown = true;
            model.setAward(award);
        }
        endOfTurn();
        m_session.countdown().restart(CountdownClock::Pause, 10);
    }
    m_replacedHint = model.hint();
    model.setHint(text);
}

void GuessingHandler::correctanswer(const ServerNotice& notice)
{
    const qint32 guesser = notice.number(0);
    const qint32 drawer = notice.number(2);
    const QString& phrase = notice.text(4);
    GameModel& model = m_session.model();
    if (model.phase() == GamePhase::Drawing) {
        TurnEnd end;
        end.kind = TurnEndKind::Answered;
        end.phrase = phrase;
        end.drawerSeat = drawer;
        end.drawerName = model.seatName(drawer);
        end.guesserSeat = guesser;
        end.guesserName = model.seatName(guesser);
        emit m_session.turnEnded(end);
    }
    model.setTurnCaption(today() + QStringLiteral(": ") + model.seatName(model.drawer()) + QLatin1Char('-') +
                         phrase);
    m_session.countdown().restart(CountdownClock::Pause, 10);
    endOfTurn();
    model.setPoints(guesser, notice.number(1));
    model.setPoints(drawer, notice.number(3));
    emit m_session.chatLine(
        QCoreApplication::translate("pictova::GuessingHandler", "%1 has guessed the answer!")
            .arg(model.seatName(guesser)),
        kStatusColour);
    if (guesser == model.mySeat() || drawer == model.mySeat())
        emit m_session.soundCue(QStringLiteral("correct"));
    TurnAward award = model.award();
    if (isPlayerSeat(guesser))
        award.guesserSeat = guesser;
    // Widened: the server's scores may be anything an integer holds.
    const auto gain = [this, &model](int seat) {
        const qint64 now = model.seat(seat).points;
        return QString::asprintf(
            "%+lld", static_cast<long long>(now - m_turnStartPoints[isPlayerSeat(seat) ? seat : 0]));
    };
    award.drawerText = gain(award.drawerSeat);
    award.guesserText = gain(award.guesserSeat);
    award.shown = true;
    model.setAward(award);
    model.setHint(phrase);
}

void GuessingHandler::rememberTurnStartPoints()
{
    for (int seat = 1; seat <= kPlayerSeats; ++seat)
        m_turnStartPoints[seat] = m_session.model().seat(seat).points;
}

void GuessingHandler::setScores(const QList<qint32>& scores)
{
    for (int i = 0; i < scores.size() && i < kPlayerSeats; ++i)
        m_session.model().setPoints(i + 1, scores[i]);
}

void GuessingHandler::teamscore(const ServerNotice& notice)
{
    setScores(notice.numbers(0));
}

void GuessingHandler::gamestats(const ServerNotice& notice)
{
    GameModel& model = m_session.model();
    model.announceSettings(SettingsAnnouncement::CatchUp, notice.number(0), notice.number(1),
                           model.teamGame());
    setScores(notice.numbers(2));
}

void GuessingHandler::winner(const ServerNotice& notice)
{
    const QString& payload = notice.text(0);
    GameModel& model = m_session.model();
    emit m_session.soundCue(QStringLiteral("gameover"));
    emit m_session.chatLine(QCoreApplication::translate("pictova::GuessingHandler", "%1 has Won the Game!")
                                .arg(peertext::isolated(payload)),
                            kStatusColour);
    model.setWinner(payload);
    model.setPassOffered(false);
    model.setPhase(GamePhase::Won);
    if (model.isGameMaster()) {
        model.setStartOffered(true);
        model.setStartMenuEnabled(true);
    }
}

} // namespace pictova
