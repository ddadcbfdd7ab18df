#include "server/relay.h"

#include "drawing/turndrawing.h"
#include "messaging/catalogue.h"
#include "messaging/errors.h"
#include "server/gameflow.h"
#include "server/gamestate.h"
#include "server/guessing.h"
#include "server/judge.h"
#include "server/outbox.h"
#include "server/playertable.h"
#include "server/textcap.h"

namespace pictova {

namespace {
// Colour texts are a name or "$" and eight digits; anything longer is no colour anyway.
constexpr qsizetype kMaxColourLength = 32;
} // namespace

Relay::Relay(PlayerTable& players, const GameState& game, const Outbox& outbox, drawing::TurnDrawing& drawing,
             GameFlow& flow, Guessing& guessing)
    : m_players(players), m_game(game), m_outbox(outbox), m_drawing(drawing), m_flow(flow),
      m_guessing(guessing)
{
}

bool Relay::givesAway(int seat, const QString& text) const
{
    if (judge::mentionsAnswer(m_game.phrase, text))
        return true;
    // A guesser's line is only ever taken as a guess, so it is judged as one. The drawer and the
    // watchers know the answer: they must not spell it out in disguise either.
    return !m_guessing.mayGuess(seat) && judge::spellsAnswer(m_game.phrase, text);
}

std::optional<QString> Relay::passable(int seat, const QString& textAndColour)
{
    const parse::ChatLine line = parse::chatLine(textAndColour);
    const QString text = textcap::capped(line.text, kMaxLineLength);
    if (m_game.phase == Phase::Drawing && !m_game.answered && givesAway(seat, text)) {
        if (m_guessing.mayGuess(seat)) {
            m_outbox.sendNotice(seat, notices::Id::TakenAsGuess);
            m_guessing.answer(seat, text);
        } else {
            m_outbox.sendNotice(seat, notices::Id::AnswerWithheld);
        }
        return std::nullopt;
    }
    if (textcap::characterCount(line.text) > kMaxLineLength)
        m_outbox.sendNotice(seat, notices::Id::LineCut, QString::number(kMaxLineLength));
    if (!line.hasColour)
        return text;
    return text + QLatin1Char('|') + textcap::capped(line.colour, kMaxColourLength);
}

void Relay::chat(int seat, const QString& textAndColour)
{
    if (const std::optional<QString> line = passable(seat, textAndColour))
        m_outbox.sendAll(toclient::chat(m_players.at(seat).name, *line));
}

void Relay::action(int seat, const QString& textAndColour)
{
    if (const std::optional<QString> line = passable(seat, textAndColour))
        m_outbox.sendAll(toclient::action(m_players.at(seat).name, *line));
}

void Relay::relayStroke(const QString& name, const QString& payload, int seat)
{
    // The request table let only the turn's drawer send it, in range: it reads, and is kept for
    // newcomers exactly as it came.
    try {
        drawing::Mark mark = drawing::decodeMark(name, payload).mark;
        mark.text = name + QLatin1Char('+') + payload;
        m_drawing.append(std::move(mark));
    } catch (const PictovaError&) {
    }
    m_outbox.sendAllBut(seat, toclient::relay(name, payload));
}

void Relay::drawit(int seat, const QString& payload)
{
    relayStroke(cmd::draw, payload, seat);
}

void Relay::moveit(int seat, const QString& payload)
{
    relayStroke(cmd::moveit, payload, seat);
}

void Relay::clearmain(int seat, const QString& payload)
{
    m_drawing.wipe(seat);
    m_outbox.sendAllBut(seat, toclient::relay(cmd::clearmain, payload));
}

void Relay::justwatch(int seat, const QString& flag)
{
    // A free seat has nobody to watch; a flag left on it would bench whoever sits down next.
    if (!m_players.occupied(seat))
        return;
    if (flag == QLatin1String("2")) {
        m_players.at(seat).watching = false;
        m_outbox.sendAll(toclient::justwatching(seat, false));
        return;
    }
    if (flag != QLatin1String("1"))
        return;
    // Someone among the board seats must still be playing.
    bool anotherPlays = false;
    for (int other = 1; other <= PlayerTable::kBoardSeats && !anotherPlays; ++other)
        anotherPlays = other != seat && m_players.occupied(other) && !m_players.at(other).watching;
    if (!anotherPlays)
        return;
    m_players.at(seat).watching = true;
    m_outbox.sendAll(toclient::justwatching(seat, true));
    if (seat == m_game.drawer)
        m_flow.drawerGone();
}

} // namespace pictova
