#pragma once

#include "messaging/protocol.h"

#include <QString>
#include <functional>
#include <vector>

namespace pictova {

class PlayerTable;

using Sender = protocol::Sender;

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
    // A request of the protocol table: its fields as the table reads them, the seat first.
    protocol::Values fields;

    qint32 number(int field) const { return fields.at(field).number; }
    bool flag(int field) const { return fields.at(field).flag; }
    const QString& text(int field) const { return fields.at(field).text; }
    const QStringList& words(int field) const { return fields.at(field).words; }
};

// The server's one list of the requests clients may send: the protocol table's requests, each with
// its handler. Who may send one, how often and whether before log-in come from the protocol table;
// its fields are read and checked against their ranges before the handler runs. Whatever is not in
// the table is refused, as is a request its sender may not send or whose fields do not hold.
class RequestTable
{
public:
    using Handler = std::function<void(const ClientRequest&)>;

    // The handler of a request of the protocol table.
    void on(protocol::Id id, Handler handler);
    // The protocol's requests that have no handler yet.
    QStringList missingHandlers() const;

    // A request outside the protocol table, read no further than its seat.
    void add(const QString& name, Sender sender, SeatField seatField, Handler handler);
    // Lets a connection that has not logged in yet send the request; it may send nothing else.
    void allowBeforeLogin(const QString& name);

    // Splits `entry` (a message without its terminator) that arrived on the connection holding
    // `originSeat`, checks its sender and runs its handler. Returns whether a handler ran. A
    // refused request or a handler that throws is logged; nothing is sent back.
    bool handle(const QString& entry, int originSeat, const PlayerTable& players) const;

    bool knows(const QString& name) const { return find(name) != nullptr; }

    // Who holds the running game's turn (0: nobody, as when no game runs), and whether the turn is
    // in its drawing phase; without it nobody does.
    struct Turn
    {
        int drawer = 0;
        bool drawing = false;
    };
    void setTurn(std::function<Turn()> turn) { m_turn = std::move(turn); }
    // Whether `seat` may spend one of `rate`'s allowance now; without it every request may.
    void setAdmit(std::function<bool(protocol::Rate rate, int seat)> admit) { m_admit = std::move(admit); }

private:
    struct Entry
    {
        QString name;
        Sender sender;
        SeatField seatField;
        Handler handler;
        bool beforeLogin = false;
        const protocol::Message* message = nullptr;
    };
    const Entry* find(const QString& name) const;

    std::vector<Entry> m_entries;
    std::function<Turn()> m_turn;
    std::function<bool(protocol::Rate, int)> m_admit;
};

} // namespace pictova
