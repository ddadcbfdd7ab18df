#pragma once

#include "messaging/errors.h"

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpSocket>
#include <deque>
#include <functional>

class QTcpServer;

namespace pictova {

// Kinds of info report, by ordinal.
enum class SocketInfo {
    Notice = 0,
    Connected = 1,
    Closed = 2,
    Listening = 3,
    Incoming = 4,
    Outgoing = 5,
    Accept = 6,
    Error = 7,
};

// The game's socket component: one TCP client connection, a listener, or a connection the
// listener accepted. It never blocks, reports what happens as signals on the GUI thread, and
// buffers both directions.
class TSock : public QObject
{
    Q_OBJECT
public:
    explicit TSock(QObject* parent = nullptr);
    ~TSock() override;

    QString HostName;
    QString PortName;
    // Where a listener takes connections: every IPv4 address unless narrowed (a solo game keeps
    // to the loopback, so nobody on the network can walk into it).
    QHostAddress ListenAddress{QHostAddress::AnyIPv4};
    int Tag = 0;

    // Client side: resolves the host and port and starts the connect. Returns the connected flag;
    // does nothing when the component already holds a socket.
    bool open();
    // Makes the component a listener on ListenAddress at PortName, or stops listening.
    void setListen(bool listen);
    // Takes a waiting connection off a listener; the new component starts connected.
    TSock* accept(QObject* parent = nullptr);
    // Sends text to the peer: what the system takes leaves now, the rest is queued; bytes leave in
    // order and the call never blocks.
    void send(const QByteArray& bytes);
    // Forgets every send that has not begun to leave. What is under way is finished, so the peer
    // never reads half a send; a connection about to close says its last words without making
    // them wait behind a backlog its peer may never read.
    void dropUnsent();
    // Hands over everything received and not yet taken.
    QByteArray receive();
    // Closes the system socket (reporting "Socket Closed" unless it was listening).
    bool close();

    bool connected() const { return m_connected; }
    bool listening() const { return m_server != nullptr; }
    bool holdsSocket() const { return m_socket != nullptr || m_server != nullptr; }
    quint16 localPort() const;
    QString peerAddress() const { return m_peerAddress; }
    qsizetype outgoingSize() const;
    qsizetype incomingSize() const { return m_incoming.size(); }

    // Connections closed with bytes still queued for the peer, and not yet done handing them to
    // the system.
    static int drainingCount();

    // Forgets resolved host names (tests).
    static void clearNameCache();
    static int resolverCalls();

signals:
    void onConnect(pictova::TSock* sender);
    void onDisconnect(pictova::TSock* sender);
    void onInfo(pictova::TSock* sender, pictova::SocketInfo kind, const QString& message);
    void onRead(pictova::TSock* sender, qsizetype count);
    void onWrite(pictova::TSock* sender);
    void onAccept(pictova::TSock* sender);

private:
    void adopt(QTcpSocket* socket);
    void readArrived();
    void peerClosed();
    void socketError(int error);
    void flushPending();
    // Gives Qt's socket the next sends while it has nothing left to write: its own buffer stays
    // small, and what waits here can still be dropped whole.
    void handOver();
    // Hands `bytes` to the system socket at once, without waiting for the event loop; returns how
    // many it took.
    qint64 writeNow(const QByteArray& bytes);
    void report(SocketInfo kind, const QString& message);
    quint16 resolvePort() const;
    QHostAddress resolveHost();

    QPointer<QTcpSocket> m_socket;
    QTcpServer* m_server = nullptr;
    bool m_connected = false;
    bool m_closing = false;
    QByteArray m_incoming;
    QByteArray m_pending; // queued before the connect completed
    // Sends the system did not take at once, oldest first, not yet given to Qt's socket; the first
    // may be the rest of one that began to leave.
    std::deque<QByteArray> m_unsent;
    qsizetype m_unsentBytes = 0;
    bool m_unsentHeadBegun = false;
    QString m_peerAddress;
};

// Runs `then` once every closed connection has handed its last bytes to the system, or after
// `capMs`, whichever comes first: a process that ends sooner loses what was still queued.
void whenClosedSocketsDrained(QObject* context, int capMs, std::function<void()> then);

// Turns on TCP keep-alive with short timers, and bounds how long sent data may go unacknowledged,
// so a peer that vanished without closing is noticed within about a minute, idle or not.
void enableQuickKeepAlive(QTcpSocket* socket);

} // namespace pictova
