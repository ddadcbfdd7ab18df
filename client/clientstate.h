#pragma once

#include <QString>

namespace pictova {

// What the game window knows about itself and the game; every client handler reads and writes it.
struct ClientState
{
    int myseat = 0;          // own seat, 0 before the log-in reply
    bool loggedin = false;   // requests are sent only while set
    QString playername;
    QString loginname;       // the player's name as sent at log-in
    QString hostaddress;
    bool ishost = false;
    bool sologame = false;
    int drawerseat = 0;      // current drawer, 0 when nobody may draw
    QString turncaption;     // caption of the finished turn, for snapshots
    int snapshotcounter = 0;
};

inline constexpr int kPlayerSeats = 10;
inline constexpr int kHighestSeat = 15;

inline bool isPlayerSeat(int seat) { return seat >= 1 && seat <= kPlayerSeats; }

} // namespace pictova
