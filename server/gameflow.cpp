#include "server/gameflow.h"

#include "drawing/turndrawing.h"
#include "messaging/catalogue.h"
#include "messaging/errors.h"
#include "server/letterhints.h"
#include "server/outbox.h"
#include "server/playertable.h"
#include "server/scoring.h"
#include "server/seats.h"
#include "server/serverevents.h"
#include "server/wordchoice.h"

namespace pictova {

GameFlow::GameFlow(PlayerTable& players, GameState& game, const Outbox& outbox, WordChoice& words,
                   drawing::TurnDrawing& drawing, ServerEvents& events)
    : m_players(players), m_game(game), m_outbox(outbox), m_words(words), m_drawing(drawing),
      m_events(events), m_roundtime([this] { roundtimeTimer(); })
{
}

void GameFlow::startoptions(int seat, const QStringList& options)
{
    m_optionsSeat = seat;
    m_options = options;
}

void GameFlow::forgetStartOptions(int seat)
{
    if (m_optionsSeat == seat) {
        m_optionsSeat = 0;
        m_options.clear();
    }
}

void GameFlow::startgame(int seat, const parse::StartGameFields& request)
{
    // Options count only for the start they came with: a later start by another game master (a
    // first-version client among them) gets the plain game.
    const QStringList options = m_optionsSeat == seat ? m_options : QStringList();
    m_optionsSeat = 0;
    m_options.clear();
    // Checked before anything changes, so a bad request leaves the running game as it was.
    if (request.playto < 1 || request.playto > kMaxPlayTo || request.seconds < 1 ||
        request.seconds > kMaxTurnSeconds)
        throw PictovaError(QStringLiteral("game settings %1 and %2 are out of range")
                               .arg(request.playto)
                               .arg(request.seconds));
    m_players.clearit1();
    SeatKeeper::refreshplayerlist(m_players, m_outbox);
    m_game.teamgame = request.teamFlag == QLatin1String("true");
    m_game.playto = request.playto;
    m_game.turnseconds = request.seconds;
    m_game.revealLetters = options.contains(feature::revealLetters);
    m_outbox.sendAll(
        toclient::startgame(QString::number(seat), m_game.teamgame, m_game.playto, m_game.turnseconds));
    m_game.drawer = 0;
    m_waitingForPlayers = false;
    findplayer();
    m_game.gamerunning = true;
    emit m_events.gameStarted(seat, m_game.teamgame, m_game.playto, m_game.turnseconds);
}

bool GameFlow::enoughPlayers() const
{
    if (sologame())
        return true;
    int seated = 0;
    for (int seat : m_players.occupiedSeats())
        seated += PlayerTable::isBoardSeat(seat) ? 1 : 0;
    return seated >= 2;
}

bool GameFlow::chooseNextDrawer()
{
    // Spectators never draw. The search goes round the seats once at most: when nobody can
    // draw, it gives up instead of looking for ever.
    const int last = m_players.seatcount();
    int candidate = m_game.drawer;
    for (int step = 0; step < last; ++step) {
        ++candidate;
        if (candidate > last)
            candidate = 1;
        const tplayer& player = m_players.at(candidate);
        if (PlayerTable::isBoardSeat(candidate) && player.connected && !player.watching) {
            m_game.drawer = candidate;
            return true;
        }
    }
    return false;
}

void GameFlow::startPhase(Phase phase, int countdown)
{
    m_game.phase = phase;
    m_game.countdown = countdown;
    m_roundtime.setEnabled(true);
}

void GameFlow::findplayer()
{
    m_drawing.clear();
    m_passes = 0;
    m_game.phase = Phase::Picking;
    m_game.category = kCategoryNotPicked;
    // When nobody may draw, the pick phase runs without a drawer and looks again at its end.
    // A game goes on while it has a game master, seat 1 or whoever took over from seat 1. A
    // player left alone has nobody to draw for: the game waits for another.
    const bool waiting = !enoughPlayers();
    if (m_players.gameMaster() != 0 && (waiting || !chooseNextDrawer()))
        m_game.drawer = 0;
    if (waiting && !m_waitingForPlayers)
        m_outbox.sendNoticeToAll(notices::Id::WaitingForPlayer);
    m_waitingForPlayers = waiting;
    if (m_game.drawer != 0)
        m_outbox.sendAll(toclient::pickcatagory(m_game.drawer));
    startPhase(Phase::Picking, kPickTicks);
}

void GameFlow::pickcatagory(int seat, qint32 category)
{
    if (m_game.phase != Phase::Picking || seat != m_game.drawer || !WordChoice::isCategory(category))
        return;
    m_game.category = m_words.isEmpty(category) ? 1 : category;
    // Nobody waits out the pick once it is made: the next tick deals.
    m_game.countdown = 0;
}

void GameFlow::findphrases()
{
    const std::optional<WordChoice::Choice> choice =
        m_words.choose(m_game.category, WordChoice::Mode::Deal, sologame());
    if (!choice) {
        // Only lists made entirely of refused entries get here: skip the drawing.
        reportPeerError(QStringLiteral("deal"), QStringLiteral("no word list has a phrase to deal"));
        startPhase(Phase::Break, kBreakTicks);
        return;
    }
    m_game.category = choice->category;
    m_game.phrase = choice->phrase;
    m_game.hint = choice->hint;
    m_game.answered = false;
    m_game.revealsDone = 0;
    // Every board is wiped as the turn is dealt, so what the picker drew before is gone from all
    // of them and must not come back to a newcomer or count for the drawer's undo.
    m_drawing.clear();
    m_outbox.sendAll(toclient::nextplayer(m_game.drawer, m_game.category, m_game.hint));
    m_outbox.sendTo(m_game.drawer, toclient::givedraweranswer(m_game.phrase));
    startPhase(Phase::Drawing, m_game.turnseconds + kDrawingExtraTicks);
    m_game.gamerunning = true;
}

void GameFlow::pass(int seat)
{
    // A finished game's last drawer no longer holds a turn to pass.
    if (!m_game.gamerunning || m_game.drawer == 0 || seat != m_game.drawer)
        return;
    // A practice game's words are its one player's to spend.
    if (m_passes >= kMaxPassesPerTurn && !sologame())
        return;
    const std::optional<WordChoice::Choice> choice =
        m_words.choose(m_game.category, WordChoice::Mode::Redeal, sologame(), m_game.phrase);
    if (!choice) {
        // Nothing else to deal: the drawer keeps the phrase and the point, and is told so by the
        // phrase itself, which a client takes as it took the first one. Outside the drawing the
        // phrase held may be an earlier turn's, which is nobody's to be told.
        if (m_game.phase == Phase::Drawing)
            m_outbox.sendTo(m_game.drawer, toclient::givedraweranswer(m_game.phrase));
        return;
    }
    m_game.category = choice->category;
    m_game.phrase = choice->phrase;
    m_game.hint = choice->hint;
    m_game.answered = false;
    // The new phrase shows as many letters as the old one had by now.
    m_game.revealsDone = 0;
    if (m_game.phase == Phase::Drawing)
        revealDueLetters();
    ++m_passes;
    scoring::penalise(m_players, m_game.teamgame, m_game.drawer);
    const int score = m_players.at(m_game.drawer).score;
    for (int addressee : m_players.occupiedSeats()) {
        m_outbox.sendTo(addressee, toclient::updateanswer(QString::number(m_game.drawer), m_game.hint));
        m_outbox.sendTo(addressee, toclient::passed(m_game.drawer, score));
    }
    m_outbox.sendTo(m_game.drawer, toclient::givedraweranswer(m_game.phrase));
}

void GameFlow::phraseFound(int guesser)
{
    m_game.answered = true;
    m_roundtime.setEnabled(false);
    scoring::awardPhrase(m_players, m_game.teamgame, guesser, m_game.drawer);
    if (m_game.teamgame)
        m_outbox.sendAll(toclient::teamscore(m_players.boardScores()));
    m_outbox.sendAll(toclient::correctanswer(guesser, m_players.at(guesser).score, m_game.drawer,
                                             m_players.at(m_game.drawer).score, m_game.phrase));
    startPhase(Phase::Break, kBreakTicks);
}

void GameFlow::drawerGone()
{
    if (m_game.gamerunning && m_players.gameMaster() != 0)
        findplayer();
}

bool GameFlow::revealDueLetters()
{
    if (!m_game.revealLetters || m_game.answered)
        return false;
    const int elapsed = m_game.turnseconds + kDrawingExtraTicks - m_game.countdown;
    const int due = letterhints::due(elapsed, m_game.turnseconds);
    bool changed = false;
    for (; m_game.revealsDone < due; ++m_game.revealsDone) {
        const QList<qsizetype> places = letterhints::candidates(m_game.phrase, m_game.hint);
        if (places.isEmpty())
            continue;
        letterhints::show(m_game.phrase, m_game.hint,
                          places.at(m_words.randomBelow(static_cast<int>(places.size()))));
        changed = true;
    }
    return changed;
}

void GameFlow::roundtimeTimer()
{
    --m_game.countdown;
    if (m_game.phase == Phase::Drawing && m_game.countdown >= 0 && revealDueLetters())
        m_outbox.sendAll(toclient::updateanswer(QStringLiteral("false"), m_game.hint));
    if (m_game.countdown >= 0) {
        if (m_game.countdown % 10 == 0)
            m_outbox.sendAll(toclient::updatetime(m_game.countdown - 2));
        return;
    }
    m_roundtime.setEnabled(false);
    switch (m_game.phase) {
    case Phase::Drawing:
        // Time is up and nobody found the phrase. The game itself goes on.
        m_outbox.sendAll(toclient::updateanswer(QStringLiteral("true"), m_game.phrase));
        scoring::penalise(m_players, m_game.teamgame, m_game.drawer);
        startPhase(Phase::Break, kBreakTicks);
        break;
    case Phase::Break:
        if (const std::optional<QString> winner =
                scoring::checkforwin(m_players, m_game.teamgame, m_game.playto)) {
            m_game.gamerunning = false;
            m_game.phase = Phase::None;
            m_outbox.sendAll(toclient::winner(*winner));
            emit m_events.gameWon(*winner);
        } else {
            findplayer();
        }
        break;
    case Phase::Picking:
        if (m_game.drawer == 0)
            findplayer();
        else
            findphrases();
        break;
    case Phase::None:
        break;
    }
}

} // namespace pictova
