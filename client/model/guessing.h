#pragma once

#include <QList>
#include <QString>

namespace pictova {

class ClientSession;

// Guesses, the hint, the answer, the scores and the winner.
class GuessingHandler
{
public:
    explicit GuessingHandler(ClientSession& session) : m_session(session) {}

    // The player's guess from the answer field.
    void sendGuess(const QString& text);

    void guessed(const QString& payload);
    void myguessed(const QString& payload);
    void updateanswer(const QString& payload);
    void correctanswer(const QString& payload);
    void teamscore(const QString& payload);
    void gamestats(const QString& payload);
    void winner(const QString& payload);

    static QString today();

private:
    void setScores(const QList<qint32>& scores);
    void endOfTurn();

    ClientSession& m_session;
};

} // namespace pictova
