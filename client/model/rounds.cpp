#include "client/model/rounds.h"

#include "client/model/clientsession.h"
#include "messaging/catalogue.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

namespace pictova {

QString guesserPoints(int category)
{
    return category >= 2 && category <= 5 ? QStringLiteral("+3") : QStringLiteral("+2");
}

void RoundsHandler::startthegame(const ServerNotice& notice)
{
    const qint32 starter = notice.number(0);
    const bool team = notice.flag(1);
    GameModel& model = m_session.model();
    // Every server restarts a running game on request; the players learn who wiped the scores
    // before they go (the starter was asked already).
    if (model.gameRunning() && starter != model.mySeat())
        emit m_session.chatLine(
            QCoreApplication::translate("pictova::RoundsHandler", "%1 started a new game.")
                .arg(model.seatName(starter)),
            kWatchColour);
    emit m_session.scoresClearing();
    m_passAwaited = false;
    model.setAward({});
    model.setStartOffered(false);
    model.setPassOffered(false);
    for (int seat = 1; seat <= kPlayerSeats; ++seat) {
        model.setPoints(seat, 0);
        model.setWatching(seat, false);
    }
    model.announceSettings(SettingsAnnouncement::GameStart, notice.number(2), notice.number(3), team);
    model.setWinner({});
    model.setPhase(GamePhase::Break);
    emit m_session.gameStarted();
    const QString announcement =
        team ? QCoreApplication::translate("pictova::RoundsHandler", "%1 has started a TEAM game.")
             : QCoreApplication::translate("pictova::RoundsHandler", "%1 has started a game.");
    emit m_session.chatLine(announcement.arg(model.seatName(starter)), kWatchColour);
}

void RoundsHandler::categoryPickStarts(const ServerNotice& notice)
{
    const int drawer = notice.number(0);
    GameModel& model = m_session.model();
    m_passAwaited = false;
    emit m_session.strokeAbandoned();
    model.setTurnCaption({});
    model.setHint({});
    model.setFullAnswer({});
    TurnAward lastTurn = model.award();
    lastTurn.shown = false;
    model.setAward(lastTurn);
    model.setDrawer(drawer);
    model.setTurnSeat(drawer);
    model.setPhase(GamePhase::Picking);
    if (drawer == model.mySeat())
        emit m_session.soundCue(QStringLiteral("turn"));
    m_session.countdown().restart(CountdownClock::Pause, 10);
}

bool RoundsHandler::onPickCategory(int category)
{
    const GameModel& model = m_session.model();
    if (category < 0 || category > 6 || model.drawer() != model.mySeat())
        return false;
    if (model.loggedIn())
        m_session.send(toserver::pickCategory(model.mySeat(), category));
    return true;
}

void RoundsHandler::getnextplayer(const ServerNotice& notice)
{
    const qint32 drawer = notice.number(0);
    const qint32 category = notice.number(1);
    GameModel& model = m_session.model();
    m_passAwaited = false;
    model.setFullAnswer({});
    model.setTurnCaption({});
    // Clears the guess lists, the board, and puts the brush back to black, width 3.
    emit m_session.turnStarted();

    model.setDrawer(drawer);
    emit m_session.soundCue(QStringLiteral("cat%1").arg(category));
    TurnAward award;
    award.drawerSeat = drawer;
    model.setAward(award);
    m_session.guessing().rememberTurnStartPoints();
    model.setCategory(category);
    model.setHint(notice.text(2));
    model.setPassOffered(drawer == model.mySeat());
    // A newcomer's catch-up names the drawer here without a pick before it.
    model.setTurnSeat(drawer);
    model.setPhase(GamePhase::Drawing);
    m_session.countdown().continueWith(CountdownClock::Drawing, model.secondsPerTurn());
}

void RoundsHandler::turnbreak(const ServerNotice& notice)
{
    GameModel& model = m_session.model();
    if (model.phase() != GamePhase::Drawing)
        return;
    model.setHint(notice.text(1));
    m_session.guessing().endOfTurn();
    m_session.countdown().restart(CountdownClock::Pause, notice.number(0));
}

void RoundsHandler::givedraweranswer(const ServerNotice& notice)
{
    m_session.model().setFullAnswer(notice.text(0));
    if (!m_passAwaited)
        return;
    m_passAwaited = false;
    emit m_session.chatLine(QCoreApplication::translate(
                                "pictova::RoundsHandler",
                                "No other phrase is left to deal in this category: keep drawing this one."),
                            kStatusColour);
}

void RoundsHandler::button_passClick()
{
    GameModel& model = m_session.model();
    if (model.drawer() == model.mySeat() && model.loggedIn()) {
        m_session.send(toserver::pass(model.mySeat()));
        m_passAwaited = true;
    }
    model.setPassOffered(false);
}

void RoundsHandler::passed(const ServerNotice& notice)
{
    const qint32 drawer = notice.number(0);
    GameModel& model = m_session.model();
    if (drawer == model.mySeat())
        m_passAwaited = false;
    // A pass in the pick phase settles nothing that was drawn.
    if (model.phase() == GamePhase::Drawing) {
        TurnEnd end;
        end.kind = TurnEndKind::Passed;
        // The drawer's own phrase is replaced only after this notice; the others know only the
        // hint the pass replaced.
        end.phrase = drawer == model.mySeat() && !model.fullAnswer().isEmpty()
                         ? model.fullAnswer()
                         : m_session.guessing().replacedHint();
        end.drawerSeat = drawer;
        end.drawerName = model.seatName(drawer);
        emit m_session.turnEnded(end);
    }
    emit m_session.soundCue(QStringLiteral("pass"));
    model.setPoints(drawer, notice.number(1));
    emit m_session.chatLine(QCoreApplication::translate("pictova::RoundsHandler",
                                                        "%1 has bought a different phrase for one point.")
                                .arg(model.seatName(drawer)),
                            kStatusColour);
}

} // namespace pictova

namespace pictova {

namespace {
// The server counts a drawing phase four seconds longer than the turn it announces, and tells
// the time two seconds short of its own count; pauses it counts as announced.
constexpr int kDrawingTimeOffset = -2;
constexpr int kPauseTimeOffset = 2;
} // namespace

void RoundsHandler::updatetime(const ServerNotice& notice)
{
    CountdownClock& clock = m_session.countdown();
    // Widened: the server's number may be anything an integer holds.
    const qint64 told = notice.number(0);
    const qint64 corrected =
        told + (clock.countdownphase() == CountdownClock::Drawing ? kDrawingTimeOffset : kPauseTimeOffset);
    clock.correctTo(static_cast<int>(
        std::clamp<qint64>(corrected, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
}

} // namespace pictova
