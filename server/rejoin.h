#pragma once

#include "server/serverevents.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace pictova {

class Outbox;
class PlayerTable;
struct GameState;

// Capabilities and coming back after a drop. Each seat's client may announce feature words; one
// that knows "rejoin" is given a token once logged in. When its connection drops (anything but a
// removal by the game master), its name and score are kept for kKeepMs under that token, and a
// later connection presenting the token gets the score back. A token restores a score and
// nothing else: not the seat, not a turn. Only a player with points, or who sat for more than
// kMinSeatedMs, is kept: connections that come and go at once must not push real players out.
// The list is shared by every address, and no address's drops take another's place in it.
class RejoinKeeper
{
public:
    static constexpr qint64 kKeepMs = 120000;
    static constexpr int kMaxKept = 15;
    static constexpr int kMaxKeptPerAddress = 4;
    static constexpr qint64 kMinSeatedMs = 5000;

    // Milliseconds on a clock that never goes back; tests bring their own.
    using Clock = std::function<qint64()>;

    RejoinKeeper(PlayerTable& players, const GameState& game, const Outbox& outbox);

    void setClock(Clock clock) { m_clock = std::move(clock); }

    // CMD_features from `seat`: the words after the seat. A malformed list changes nothing.
    void receivedFeatures(int seat, const QString& afterSeat);
    // The seat's log-in was accepted.
    void loggedIn(int seat);
    // CMD_rejoin from `seat`: the token after the seat.
    void receivedRejoin(int seat, const QString& afterSeat);
    // The server is closing every connection in order: the clients that would try to come back
    // are told not to, and by whom it was closed when a player's copy hosted it.
    void closingInOrder(const QString& closedBy);
    // A new game starts with every score at 0: a score kept from the last game is no use.
    void newGame() { m_kept.clear(); }
    // The seat's connection has closed; its player still sits there.
    void departed(int seat, Departure reason);

    QStringList featuresOf(int seat) const;
    bool hasToken(int seat) const;
    int keptCount() const;

private:
    struct Kept
    {
        QString token;
        QString name;
        qint32 score = 0;
        qint64 droppedAt = 0;
        QString address;
    };
    struct SeatState
    {
        QStringList features;
        QString token;
        qint64 loggedInAt = 0;
    };

    void issueToken(int seat);
    void forgetExpired();
    static QString newToken();

    PlayerTable& m_players;
    const GameState& m_game;
    const Outbox& m_outbox;
    Clock m_clock;
    std::array<SeatState, 17> m_seats{};
    QList<Kept> m_kept; // oldest first
};

} // namespace pictova
