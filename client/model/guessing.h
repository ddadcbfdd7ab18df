#pragma once

#include <QList>
#include <QString>
#include <array>

#include "client/model/gamemodel.h"

namespace pictova {

class ClientSession;
struct ServerNotice;

// Guesses, the hint, the answer, the scores and the winner.
class GuessingHandler
{
public:
    explicit GuessingHandler(ClientSession& session) : m_session(session) {}

    // The player's guess from the answer field.
    void sendGuess(const QString& text);

    void guessed(const ServerNotice& notice);
    void myguessed(const ServerNotice& notice);
    void updateanswer(const ServerNotice& notice);
    void correctanswer(const ServerNotice& notice);
    void teamscore(const ServerNotice& notice);
    void gamestats(const ServerNotice& notice);
    void winner(const ServerNotice& notice);

    static QString today();

    // The points each seat holds as a turn starts: the badges show what the turn changed.
    void rememberTurnStartPoints();
    // The hint the last hint update replaced (a pass replaces the phrase's hint).
    QString replacedHint() const { return m_replacedHint; }
    // The turn is over: nobody draws until the next one.
    void endOfTurn();

private:
    void setScores(const QList<qint32>& scores);

    ClientSession& m_session;
    std::array<int, kPlayerSeats + 1> m_turnStartPoints{};
    QString m_replacedHint;
};

} // namespace pictova
