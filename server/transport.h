#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

namespace pictova {

// One message as a connection delivered it: its text, and how many bytes it came as (what the
// connection's queue limit counts).
struct ReceivedMessage
{
    QString text;
    qsizetype size = 0;
};

// What carries one seat's connection: the game port's framed TCP stream or a browser's
// WebSocket. The server sees only whole messages of the game's text protocol, so a player is
// the same player whichever way they came.
class ServerTransport : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Sends wire bytes: one or more whole messages, each ended by the terminator. Never blocks;
    // what the system does not take at once is queued in order.
    virtual void send(const QByteArray& messages) = 0;
    // Forgets what is queued and has not begun to leave (a closing server's last words go first).
    virtual void dropUnsent() = 0;
    // Closes in order: what is queued still leaves. `closed` is emitted before this returns,
    // and the transport is deleted later.
    virtual void close() = 0;
    virtual QString peerAddress() const = 0;
    // Bytes waiting to be sent.
    virtual qsizetype bytesQueued() const = 0;

signals:
    // Messages that arrived together, oldest first.
    void received(const QList<pictova::ReceivedMessage>& messages);
    // The peer broke a rule of the transport itself (a message over the limit, a frame of the
    // wrong kind); the server cuts it off naming `limit`.
    void broken(const QString& limit);
    // The connection is gone (closed by either end, or failed); emitted once.
    void closed();
};

} // namespace pictova
