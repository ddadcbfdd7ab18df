#pragma once

#include <QString>
#include <optional>

namespace pictova {

class PlayerTable;

// Points and the win test. In a team game the odd board seats are the "Black Team" and the even
// ones the "Maroon Team"; a team's points are kept for the team (PlayerTable::teamPoints) and
// copied to each of its seats, so every seat of a team shows the team's points.
namespace scoring {

inline constexpr int kGuesserPoints = 2;
inline constexpr int kDrawerPoints = 1;

// The phrase was found by `guesser` while `drawer` drew.
void awardPhrase(PlayerTable& players, bool teamgame, int guesser, int drawer);

// A pass or a time-out costs the drawer's own seat one point, never going below 0. In a team
// game the drawer in seat 1 or 2 costs the team the point too; the other seats lose only their
// copy, which the team's next points overwrite.
void penalise(PlayerTable& players, bool teamgame, int drawer);

// The winner's name, "Black Team" or "Maroon Team"; nothing while nobody has reached `playto`
// or, in a game of single players, while the highest score is shared. The name is empty when
// the winning seat's player has left.
std::optional<QString> checkforwin(const PlayerTable& players, bool teamgame, int playto);

} // namespace scoring
} // namespace pictova
