#pragma once

#include "client/clientlink.h"

namespace pictova {

// Guesses, the hint, the answer, the scores and the winner.
class GuessingHandler
{
public:
    explicit GuessingHandler(ClientContext& context) : m_ctx(context) {}

    // Enter in the answer field.
    void edit_answerKeyPress();

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

    ClientContext& m_ctx;
};

} // namespace pictova
