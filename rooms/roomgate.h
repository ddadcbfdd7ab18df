#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace pictova::rooms {

// Which room a new connection is for. A client of ours names one in its very first message,
// before the server says anything; a first-version client says nothing until it is given a seat.
// So the server holds a fresh connection for at most kHoldMs: whatever arrives first decides,
// and a connection that stays silent, or whose first message is anything else, plays in the
// default room as it always has. No room sees the connection before this is decided.
//
//   CMD_room+join+<CODE>                     join the room with that code
//   CMD_room+create+<listed|private>+<name>  make a room and join it
//   CMD_room+list                            the listed rooms, then the connection closes
class RoomGate
{
public:
    static constexpr qint64 kHoldMs = 200;
    // The first message may be no longer than this; a longer one goes to the default room's
    // own checks, which cut it off.
    static constexpr qsizetype kMaxRequest = 256;

    enum class Choice { Undecided, DefaultRoom, Join, Create, List, Malformed };
    struct Decision
    {
        Choice choice = Choice::Undecided;
        QString code; // Join
        QString name; // Create
        bool listed = false;
        // What arrived and is not the room request: handed on to the default room unchanged.
        QByteArray passOn;
    };

    explicit RoomGate(qint64 openedAtMs) : m_openedAtMs(openedAtMs) {}

    // Bytes from the connection, in arrival order; decides as soon as it can.
    const Decision& feed(const QByteArray& bytes);
    // The clock moved on: a connection silent for kHoldMs goes to the default room.
    const Decision& tick(qint64 nowMs);
    const Decision& decision() const { return m_decision; }
    bool decided() const { return m_decision.choice != Choice::Undecided; }

    // The first message of a client that wants `choice`, ready for the wire.
    static QByteArray joinRequest(const QString& code);
    static QByteArray createRequest(bool listed, const QString& name);
    static QByteArray listRequest();

private:
    void decideFrom(const QByteArray& message, const QByteArray& rest);

    qint64 m_openedAtMs;
    QByteArray m_pending;
    Decision m_decision;
};

} // namespace pictova::rooms
