#pragma once

#include <QList>
#include <QString>
#include <map>
#include <set>

namespace pictova::rooms {

// Removal by vote in a listed room, where strangers play without a game master they trust: a
// player goes when more than half of the other seated players voted for it. A voter votes at
// most once a minute, so one player cannot flood the room with votes; a removed player's address
// may not come back into the room for ten minutes.
class VoteKick
{
public:
    static constexpr qint64 kCooldownMs = 60 * 1000;
    static constexpr qint64 kBanMs = 10 * 60 * 1000;
    static constexpr int kMaxBans = 1024;

    enum class Outcome { Counted, Removed, CoolingDown, NotAllowed };
    struct Result
    {
        Outcome outcome = Outcome::NotAllowed;
        int votes = 0;
        int needed = 0;
    };

    // `voter` votes to remove `target`; `seated` are the seats of the players seated now.
    Result vote(int voter, int target, const QList<int>& seated, qint64 nowMs);
    // A seat emptied: its votes and the votes against it go.
    void left(int seat);

    void ban(const QString& addressKey, qint64 nowMs);
    bool isBanned(const QString& addressKey, qint64 nowMs) const;

    static int needed(int seatedPlayers) { return (seatedPlayers - 1) / 2 + 1; }

private:
    std::map<int, std::set<int>> m_votesAgainst; // target -> voters
    std::map<int, qint64> m_lastVoteMs;          // voter -> when
    std::map<QString, qint64> m_bannedUntilMs;
};

} // namespace pictova::rooms
