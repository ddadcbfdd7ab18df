#include "server/scoring.h"

#include "server/playertable.h"

namespace pictova::scoring {

namespace {
void addToTeam(PlayerTable& players, int seat, int points)
{
    if (!PlayerTable::isBoardSeat(seat))
        return; // spectators belong to no team
    const int first = seat % 2 == 1 ? 1 : 2;
    players.at(first).score += points;
    for (int member = first + 2; member <= PlayerTable::kBoardSeats; member += 2)
        players.at(member).score = players.at(first).score;
}
} // namespace

void awardPhrase(PlayerTable& players, bool teamgame, int guesser, int drawer)
{
    if (teamgame) {
        addToTeam(players, drawer, kDrawerPoints);
        addToTeam(players, guesser, kGuesserPoints);
        return;
    }
    players.at(guesser).score += kGuesserPoints;
    players.at(drawer).score += kDrawerPoints;
}

void penalise(PlayerTable& players, int drawer)
{
    qint32& score = players.at(drawer).score;
    if (score > 0)
        --score;
}

std::optional<QString> checkforwin(const PlayerTable& players, bool teamgame, int playto)
{
    const int last = players.seatcount();
    int best = 0; // the lowest seat holding the highest score
    for (int seat = 1; seat <= last; ++seat)
        if (best == 0 || players.at(seat).score > players.at(best).score)
            best = seat;
    if (best == 0 || players.at(best).score < playto)
        return std::nullopt;
    if (teamgame)
        return players.at(1).score > players.at(2).score ? QStringLiteral("Black Team")
                                                         : QStringLiteral("Maroon Team");
    for (int seat = 1; seat <= last; ++seat)
        if (seat != best && players.at(seat).score == players.at(best).score)
            return std::nullopt; // a tie: the game goes on
    return players.at(best).name;
}

} // namespace pictova::scoring
