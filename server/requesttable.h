#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace pictova {

class PlayerTable;

// Who may send a request. Every request names a seat in its first field, and the server believes
// only the seat it gave the connection the request arrived on.
enum class Sender {
    OwnSeat,             // the named seat is the sender's own
    OwnSeatOrGameMaster, // the sender's own seat, or any seat when the game master sends it
    GameMaster,          // the sender's own seat, and the sender is the game master
    DrawerWhileDrawing,  // the sender's own seat, and the sender draws the turn now in its drawing phase
};

// How the seat stands in the payload.
enum class SeatField {
    First, // the first field; other fields follow after a "+"
    Whole, // the whole payload is the seat
};

// A request that passed its sender check, split and read once.
struct ClientRequest
{
    int seat = 0;      // the named seat, 1..15
    QString payload;   // everything after the name: relays pass it on byte for byte
    QString afterSeat; // the fields after the seat
};

// The server's one list of the requests clients may send: each name with who may send it and its
// handler. Whatever is not in the table is refused, as is a request its sender may not send.
class RequestTable
{
public:
    using Handler = std::function<void(const ClientRequest&)>;

    void add(const QString& name, Sender sender, SeatField seatField, Handler handler);
    // Lets a connection that has not logged in yet send the request; it may send nothing else.
    void allowBeforeLogin(const QString& name);

    // Splits `entry` (a message without its terminator) that arrived on the connection holding
    // `originSeat`, checks its sender and runs its handler. Returns whether a handler ran. A
    // refused request or a handler that throws is logged; nothing is sent back.
    bool handle(const QString& entry, int originSeat, const PlayerTable& players) const;

    bool knows(const QString& name) const { return find(name) != nullptr; }

    // Whether `seat` draws the turn now in its drawing phase; without it no one does.
    void setDrawingNow(std::function<bool(int seat)> drawingNow) { m_drawingNow = std::move(drawingNow); }

private:
    struct Entry
    {
        QString name;
        Sender sender;
        SeatField seatField;
        Handler handler;
        bool beforeLogin = false;
    };
    const Entry* find(const QString& name) const;

    std::vector<Entry> m_entries;
    std::function<bool(int seat)> m_drawingNow;
};

} // namespace pictova
