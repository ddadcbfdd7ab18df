#include "server/guessing.h"

#include "messaging/catalogue.h"
#include "messaging/wire.h"
#include "server/gameflow.h"
#include "server/gamestate.h"
#include "server/judge.h"
#include "server/outbox.h"
#include "server/playertable.h"
#include "server/textcap.h"

namespace pictova {

Guessing::Guessing(const PlayerTable& players, GameState& game, const Outbox& outbox, GameFlow& flow)
    : m_players(players), m_game(game), m_outbox(outbox), m_flow(flow)
{
}

bool Guessing::mayGuess(int guesser) const
{
    // Only while the phrase is still secret: after a time-out everyone has been shown it.
    if (m_game.answered || m_game.phase != Phase::Drawing)
        return false;
    // The drawer knows the phrase, and spectators hold no score on the board.
    return guesser != m_game.drawer && PlayerTable::isBoardSeat(guesser);
}

void Guessing::answer(int guesser, const QString& text)
{
    if (!mayGuess(guesser))
        return;
    // A long list of words would find any phrase by luck: only the first few count, and only
    // they are shown, or the list would show everyone an answer it did not find. One long word
    // is cut as a chat line is, or it would go whole to every seat.
    const QString guess = upperCase(judge::firstWords(textcap::capped(text, textcap::kMaxLineCharacters),
                                                      judge::judgedWords(m_game.phrase)));
    for (int seat : m_players.occupiedSeats())
        m_outbox.sendTo(seat, seat == m_game.drawer ? toclient::guessed(guesser, guess)
                                                    : toclient::myguessed(guesser, guess));
    QStringList close;
    for (const judge::Word& word : judge::words(guess)) {
        const QString before = m_game.hint;
        if (!judge::reveal(m_game.phrase, m_game.hint, word.key)) {
            if (judge::isClose(m_game.phrase, m_game.hint, word.key))
                close.append(guess.mid(word.start, word.length));
            continue;
        }
        if (!judge::isComplete(m_game.phrase, m_game.hint)) {
            // A word already shown changes nothing; telling everyone again would let one long
            // guess of repeated words flood every player.
            if (m_game.hint != before)
                m_outbox.sendAll(toclient::updateanswer(QStringLiteral("false"), m_game.hint));
            continue;
        }
        m_game.hint = judge::solvedHint(m_game.phrase);
        m_flow.phraseFound(guesser);
        return;
    }
    close.removeDuplicates();
    for (const QString& word : close)
        m_outbox.sendNotice(guesser, notices::Id::CloseGuess, word);
}

} // namespace pictova
