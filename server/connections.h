#pragma once

#include "messaging/catalogue.h"
#include "messaging/framing.h"
#include "messaging/ratewindow.h"
#include "messaging/receivequeue.h"
#include "messaging/tsock.h"
#include "server/logindeadline.h"
#include "server/playertable.h"
#include "server/serverevents.h"
#include "server/transport.h"
#include "web/weblistener.h"

#include <QObject>
#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace pictova {

// The server's side of the connections: the game port's listener `Sock1`, the web port's
// listener, one connection per seat whatever carries it (ServerTransport), and the shared
// receive queue `receivedlist`. It gives each connection its seat and frees the seat when the
// connection goes, however it goes.
class ServerConnections : public QObject
{
    Q_OBJECT
public:
    // A connection past either limit is cut off: one client must not starve the others nor
    // make the server hold its backlog for ever.
    static constexpr qsizetype kMaxQueuedMessages = 500;
    static constexpr qsizetype kMaxQueuedBytes = 1024 * 1024;
    // A client that stops reading is cut off once this much waits to be sent to it.
    static constexpr qsizetype kMaxOutgoingBytes = 16 * 1024 * 1024;
    // Connections one address may hold at once: enough for a household behind one router, too
    // few for one machine to keep everyone else out. The host's own window counts too.
    static constexpr int kDefaultMaxPerAddress = 4;
    // Log-ins one address may make a second; each is announced to every seat.
    static constexpr int kLoginsPerSecond = 5;

    // `seatTaken` is told each seat a new connection takes; `departure` each seat whose
    // connection has closed and why, while the seat still shows as occupied; `arrived` is told when
    // messages wait in the queue. What happens is also reported to `events`.
    ServerConnections(PlayerTable& players, ServerEvents& events, std::function<void(int seat)> seatTaken,
                      std::function<void(int seat, Departure reason)> departure,
                      std::function<void()> arrived, QObject* parent = nullptr);
    ~ServerConnections() override;

    void setPortName(const QString& port) { m_sock1.PortName = port; }
    void setListenAddress(const QHostAddress& address) { m_sock1.ListenAddress = address; }
    QHostAddress listenAddress() const { return m_sock1.ListenAddress; }
    // Throws ESockException("Listen - Error Binding Socket") when the port is taken.
    void startListening();
    quint16 listeningPort() const { return m_sock1.localPort(); }
    // Serves the web client over HTTP on `port` (0: any free port) on the game port's listen
    // address, and takes its WebSocket connections as players. Throws ESockException as
    // startListening() does. `tls` set: https and wss only.
    void listenWeb(quint16 port, const WebTls& tls = {});
    // 0 while the web port is off.
    quint16 webPort() const;
    WebListener* webListener() { return m_web.get(); }
    // Stops taking connections and closes every one in seat order, each departure told to
    // those still there.
    void closeAll();
    // Forgets what waits to be sent on every connection and has not begun to leave: what the
    // server says next goes out ahead of a backlog.
    void dropBacklogs();

    // Connections that have not logged in within LoginDeadline::kLimitMs are closed.
    LoginDeadline& loginDeadline() { return m_loginDeadline; }

    // How many connections one address may hold (0: any number, and no limit on its log-ins;
    // for tests and soak runs with every client on the loopback).
    void setMaxPerAddress(int max) { m_maxPerAddress = std::max(0, max); }
    // The feature words each new connection is told (feature::serverWords(false) unless set).
    void setFeatureWords(const QStringList& words) { m_featureWords = words; }
    int maxPerAddress() const { return m_maxPerAddress; }
    // Whether the seat may log in now. A log-in past its address's allowance is refused: the
    // connection is told the game is full and closed.
    bool admitLogin(int seat);

    // One queued message with the seat of the connection it came from.
    struct Request
    {
        int seat = 0;
        QString text;
        ConnectionId origin = 0;
    };
    std::optional<Request> takeRequest();
    // As takeRequest(), from the connections `allowed` says yes to only.
    std::optional<Request> takeRequest(const std::function<bool(ConnectionId)>& allowed);
    std::vector<ConnectionId> waitingConnections() const { return m_receivedlist.waitingOrigins(); }

private:
    std::optional<Request> requestOf(std::optional<QueuedMessage> message);

public:
    bool hasRequests() const { return !m_receivedlist.isEmpty(); }
    // How many connections have messages waiting.
    qsizetype connectionsWaiting() const;
    qsizetype queuedRequests() const { return m_receivedlist.size(); }

    // Takes effect only while the queue is empty.
    void setQueueOrder(ReceiveQueue::Order order);
    // Fuzzing reaches the limits with a few messages instead of hundreds.
    void setQueueLimits(qsizetype messages, qsizetype bytes);
    qsizetype maxQueuedMessages() const { return m_maxQueuedMessages; }

    void sendToSeat(int seat, const QByteArray& bytes);
    // Closes the seat's connection; its departure follows before this returns. The first reason
    // given for a connection is the one reported.
    void disconnectsock(int seat, Departure reason = Departure::Removed);

    // Socketless connections for fuzzing and tests: each gets a seat exactly as an accepted
    // connection does, its bytes go through the same framing, limits and queue, and what the
    // server sends it goes to the sink. Nothing in the game itself creates one.
    using TestSink = std::function<void(int seat, const QByteArray& bytes)>;
    void setTestSink(TestSink sink) { m_testSink = std::move(sink); }
    // The seat given, or nothing when the game is full.
    std::optional<int> attachTestConnection();
    void feedTestConnection(int seat, const QByteArray& bytes);
    // The peer closes: the same departure as a socket that closes.
    void closeTestConnection(int seat);

    // A new connection from any listener: seated, or told the game is full and closed. `early`:
    // what it sent before it was handed here (a front that read its first message), served as if
    // it had arrived after the seat number.
    void adopt(ServerTransport* transport, const QList<ReceivedMessage>& early = {});

private:
    struct Link
    {
        ServerTransport* transport = nullptr; // none for a test connection
        ConnectionId id = 0;
        MessageFramer framer; // a test connection's; a transport frames its own
        // The bytes each waiting message arrived as, oldest first: the queue keeps the decoded
        // text, whose length is not what came in.
        std::deque<qsizetype> queuedSizes;
        qsizetype queuedBytes = 0;
        bool dropping = false;
        qint64 acceptedAt = 0; // on the login deadline's clock
        std::optional<Departure> closing;
    };

    void Sock1Accept(TSock* sender);
    int admit(int seat, ServerTransport* transport);
    void received(int seat, Link& link, const QList<ReceivedMessage>& messages);
    void departed(int seat);
    void refuseFull(ServerTransport* transport);
    Link* linkOf(int seat, ConnectionId id);
    void dropLater(int seat, ConnectionId id);
    void cutOff(int seat, const QString& limit);
    void closeSilent(qint64 now);
    QString addressOf(const Link& link) const;
    int connectionsFrom(const QString& address) const;

    PlayerTable& m_players;
    ServerEvents& m_events;
    std::function<void(int)> m_seatTaken;
    std::function<void(int, Departure)> m_departure;
    std::function<void()> m_arrived;
    TSock m_sock1;
    std::unique_ptr<WebListener> m_web;
    std::map<int, std::unique_ptr<Link>> m_links; // by seat
    std::map<ConnectionId, int> m_seatOf;
    ReceiveQueue m_receivedlist{ReceiveQueue::Order::RoundRobin};
    ConnectionId m_nextId = 1;
    TestSink m_testSink;
    qsizetype m_maxQueuedMessages = kMaxQueuedMessages;
    qsizetype m_maxQueuedBytes = kMaxQueuedBytes;
    LoginDeadline m_loginDeadline;
    int m_maxPerAddress = kDefaultMaxPerAddress;
    QStringList m_featureWords = feature::serverWords(false);
    std::map<QString, RateWindow> m_logins;     // by address, recent ones only
    std::map<QString, qint64> m_refusalsLogged; // by address, within the last second
};

// An address as one peer: an IPv4 peer of a dual-stack listener is the same peer as over IPv4.
QString peerAddressText(const QString& address);

} // namespace pictova
