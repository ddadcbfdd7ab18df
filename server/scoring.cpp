#include "server/scoring.h"

#include "server/playertable.h"

#include <algorithm>

namespace pictova::scoring {

namespace {
void addToTeam(PlayerTable& players, int seat, int points)
{
    if (!PlayerTable::isBoardSeat(seat))
        return; // spectators belong to no team
    qint32& team = players.teamPoints(seat);
    team += points;
    for (int member = seat % 2 == 1 ? 1 : 2; member <= PlayerTable::kBoardSeats; member += 2)
        players.at(member).score = team;
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

void penalise(PlayerTable& players, bool teamgame, int drawer)
{
    qint32& score = players.at(drawer).score;
    if (score > 0)
        --score;
    qint32& team = players.teamPoints(drawer);
    if (teamgame && (drawer == 1 || drawer == 2) && team > 0)
        --team;
}

std::optional<QString> checkforwin(const PlayerTable& players, bool teamgame, int playto)
{
    const int last = players.seatcount();
    int best = 0; // the lowest seat holding the highest score
    for (int seat = 1; seat <= last; ++seat)
        if (best == 0 || players.at(seat).score > players.at(best).score)
            best = seat;
    if (teamgame) {
        const qint32 black = players.teamPoints(1);
        const qint32 maroon = players.teamPoints(2);
        const qint32 top = std::max({black, maroon, best == 0 ? 0 : players.at(best).score});
        if (top < playto)
            return std::nullopt;
        return black > maroon ? QStringLiteral("Black Team") : QStringLiteral("Maroon Team");
    }
    if (best == 0 || players.at(best).score < playto)
        return std::nullopt;
    for (int seat = 1; seat <= last; ++seat)
        if (seat != best && players.at(seat).score == players.at(best).score)
            return std::nullopt; // a tie: the game goes on
    return players.at(best).name;
}

} // namespace pictova::scoring
