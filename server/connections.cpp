#include "server/connections.h"

#include "messaging/catalogue.h"
#include "messaging/errors.h"
#include "messaging/wire.h"
#include "server/tcptransport.h"
#include "server/traffic.h"
#include "server/websocketconnection.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>

namespace pictova {

ServerConnections::ServerConnections(PlayerTable& players, ServerEvents& events,
                                     std::function<void(int seat)> seatTaken,
                                     std::function<void(int seat, Departure reason)> departure,
                                     std::function<void()> arrived, QObject* parent)
    : QObject(parent), m_players(players), m_events(events), m_seatTaken(std::move(seatTaken)),
      m_departure(std::move(departure)), m_arrived(std::move(arrived)),
      m_loginDeadline([this](qint64 now) { closeSilent(now); })
{
    m_sock1.PortName = QStringLiteral("7772");
    connect(&m_sock1, &TSock::onAccept, this, &ServerConnections::Sock1Accept);
}

ServerConnections::~ServerConnections()
{
    // Going down is no departure: nobody is left to tell.
    for (auto& [seat, link] : m_links) {
        if (!link->transport)
            continue;
        link->transport->disconnect(this);
        delete link->transport;
    }
}

void ServerConnections::startListening()
{
    m_sock1.setListen(true);
}

void ServerConnections::listenWeb(quint16 port, const WebTls& tls)
{
    auto web = std::make_unique<WebListener>();
    web->listen(m_sock1.ListenAddress, port, tls);
    connect(web.get(), &WebListener::webSocketConnected, this,
            [this](QTcpSocket* socket) { adopt(new WebSocketConnection(socket)); });
    m_web = std::move(web);
}

quint16 ServerConnections::webPort() const
{
    return m_web ? m_web->port() : 0;
}

void ServerConnections::Sock1Accept(TSock*)
{
    if (TSock* sock = m_sock1.accept(this))
        adopt(new TcpTransport(sock, this));
}

void ServerConnections::adopt(ServerTransport* transport, const QList<ReceivedMessage>& early)
{
    transport->setParent(this);
    const QString address = peerAddressText(transport->peerAddress());
    if (m_maxPerAddress > 0 && connectionsFrom(address) >= m_maxPerAddress) {
        // One line a second per address is enough to see it; a connection flood must not
        // become a log flood.
        const qint64 now = m_loginDeadline.now();
        std::erase_if(m_refusalsLogged, [now](const auto& entry) { return now - entry.second >= 1000; });
        if (m_refusalsLogged.try_emplace(address, now).second)
            emit m_events.refusedBusyAddress(address, m_maxPerAddress);
        refuseFull(transport);
        return;
    }
    const std::optional<int> seat = m_players.takeSeat();
    if (!seat) {
        emit m_events.refusedFull(address);
        refuseFull(transport);
        return;
    }
    const ConnectionId id = m_nextId;
    admit(*seat, transport);
    if (Link* link = early.isEmpty() ? nullptr : linkOf(*seat, id))
        received(*seat, *link, early);
}

int ServerConnections::admit(int seat, ServerTransport* transport)
{
    auto link = std::make_unique<Link>();
    link->transport = transport;
    link->id = m_nextId++;
    if (transport) {
        const ConnectionId id = link->id;
        connect(transport, &ServerTransport::received, this,
                [this, seat, id](const QList<ReceivedMessage>& messages) {
                    if (Link* open = linkOf(seat, id))
                        received(seat, *open, messages);
                });
        connect(transport, &ServerTransport::broken, this, [this, seat, id](const QString& limit) {
            if (linkOf(seat, id))
                cutOff(seat, limit);
        });
        connect(transport, &ServerTransport::closed, this, [this, seat, id] {
            if (linkOf(seat, id))
                departed(seat);
        });
    }
    link->acceptedAt = m_loginDeadline.now();
    tplayer& player = m_players.at(seat);
    player.connected = true;
    player.connection = link->id;
    player.loggedIn = false;
    player.address = addressOf(*link);
    m_seatOf[link->id] = seat;
    const qint64 deadline = link->acceptedAt + LoginDeadline::kLimitMs;
    m_links[seat] = std::move(link);
    emit m_events.connected(seat, player.address);
    sendToSeat(seat, toclient::sendlogininfo(seat));
    // A first-version client drops this as unknown; ours answers with its own.
    sendToSeat(seat, toclient::features(m_featureWords));
    m_seatTaken(seat);
    m_loginDeadline.schedule(deadline);
    return seat;
}

QString ServerConnections::addressOf(const Link& link) const
{
    return link.transport ? peerAddressText(link.transport->peerAddress())
                          : QStringLiteral("test connection %1").arg(link.id);
}

int ServerConnections::connectionsFrom(const QString& address) const
{
    // A connection that is closing still holds its seat until its departure.
    return static_cast<int>(std::count_if(m_links.begin(), m_links.end(), [&](const auto& entry) {
        return m_players.at(entry.first).address == address;
    }));
}

bool ServerConnections::admitLogin(int seat)
{
    if (m_maxPerAddress == 0 || !m_links.contains(seat))
        return true;
    const qint64 now = m_loginDeadline.now();
    // Addresses whose window has passed are forgotten, so a stream of new ones stays bounded.
    std::erase_if(m_logins, [now](const auto& entry) { return entry.second.isEmptyAt(now); });
    const QString& address = m_players.at(seat).address;
    RateWindow& logins = m_logins.try_emplace(address, kLoginsPerSecond, 1000).first->second;
    if (logins.take(now))
        return true;
    sendToSeat(seat, toclient::full());
    cutOff(seat, QStringLiteral("more than %1 log-ins a second from one address").arg(kLoginsPerSecond));
    return false;
}

QString peerAddressText(const QString& address)
{
    const QHostAddress host(address);
    bool isV4 = false;
    const quint32 v4 = host.toIPv4Address(&isV4);
    return isV4 && host.protocol() != QAbstractSocket::IPv4Protocol ? QHostAddress(v4).toString() : address;
}

void ServerConnections::closeSilent(qint64 now)
{
    std::optional<qint64> next;
    QList<int> silent;
    for (const auto& [seat, link] : m_links) {
        if (m_players.at(seat).loggedIn || link->closing)
            continue;
        const qint64 deadline = link->acceptedAt + LoginDeadline::kLimitMs;
        if (now >= deadline)
            silent << seat;
        else if (!next || deadline < *next)
            next = deadline;
    }
    for (int seat : silent)
        disconnectsock(seat, Departure::TimedOut);
    if (next)
        m_loginDeadline.schedule(*next);
}

void ServerConnections::closeAll()
{
    m_sock1.setListen(false);
    if (m_web)
        m_web->stop();
    QList<int> seats;
    for (const auto& [seat, link] : m_links)
        seats << seat;
    for (int seat : seats)
        disconnectsock(seat, Departure::Shutdown);
}

void ServerConnections::dropBacklogs()
{
    for (const auto& [seat, link] : m_links)
        if (link->transport)
            link->transport->dropUnsent();
}

std::optional<int> ServerConnections::attachTestConnection()
{
    const std::optional<int> seat = m_players.takeSeat();
    if (!seat)
        return std::nullopt;
    return admit(*seat, nullptr);
}

void ServerConnections::feedTestConnection(int seat, const QByteArray& bytes)
{
    auto it = m_links.find(seat);
    if (it == m_links.end() || it->second->transport)
        return;
    Link& link = *it->second;
    QList<QByteArray> messages;
    const bool withinCap = link.framer.feed(bytes, messages);
    QList<ReceivedMessage> batch;
    for (const QByteArray& message : messages)
        batch.append({fromWire(message), message.size()});
    received(seat, link, batch);
    if (!withinCap && m_links.contains(seat))
        cutOff(seat, QStringLiteral("message longer than the limit"));
}

void ServerConnections::closeTestConnection(int seat)
{
    auto it = m_links.find(seat);
    if (it != m_links.end() && !it->second->transport)
        departed(seat);
}

void ServerConnections::refuseFull(ServerTransport* transport)
{
    // Entry 16: told why, then closed. The close lets the notice reach the peer first.
    transport->send(toclient::full());
    transport->close();
}

ServerConnections::Link* ServerConnections::linkOf(int seat, ConnectionId id)
{
    auto it = m_links.find(seat);
    if (it == m_links.end() || it->second->id != id)
        return nullptr;
    return it->second.get();
}

void ServerConnections::received(int seat, Link& link, const QList<ReceivedMessage>& messages)
{
    ServerTraffic& traffic = ServerTraffic::process();
    for (const ReceivedMessage& message : messages) {
        traffic.messagesIn.fetch_add(1, std::memory_order_relaxed);
        traffic.bytesIn.fetch_add(message.size, std::memory_order_relaxed);
        m_receivedlist.push(link.id, message.text);
        link.queuedSizes.push_back(message.size);
        link.queuedBytes += message.size;
    }
    if (!messages.isEmpty())
        m_arrived();
    if (m_receivedlist.countFrom(link.id) > m_maxQueuedMessages || link.queuedBytes > m_maxQueuedBytes)
        cutOff(seat, QStringLiteral("sends faster than it is served"));
}

void ServerConnections::cutOff(int seat, const QString& limit)
{
    reportPeerError(QStringLiteral("seat %1").arg(seat), limit);
    emit m_events.cutOff(seat, m_players.at(seat).address, limit);
    disconnectsock(seat, Departure::CutOff);
}

void ServerConnections::setQueueLimits(qsizetype messages, qsizetype bytes)
{
    m_maxQueuedMessages = std::max<qsizetype>(1, messages);
    m_maxQueuedBytes = std::max<qsizetype>(1, bytes);
}

std::optional<ServerConnections::Request> ServerConnections::takeRequest()
{
    return requestOf(m_receivedlist.take());
}

std::optional<ServerConnections::Request>
ServerConnections::takeRequest(const std::function<bool(ConnectionId)>& allowed)
{
    return requestOf(m_receivedlist.take(allowed));
}

std::optional<ServerConnections::Request> ServerConnections::requestOf(std::optional<QueuedMessage> message)
{
    if (!message)
        return std::nullopt;
    auto seat = m_seatOf.find(message->origin);
    if (seat == m_seatOf.end())
        return Request{0, message->text}; // cannot happen: a departed connection's queue is dropped
    Link& link = *m_links.at(seat->second);
    // A connection's messages leave the queue in the order they came.
    if (!link.queuedSizes.empty()) {
        link.queuedBytes -= link.queuedSizes.front();
        link.queuedSizes.pop_front();
    }
    return Request{seat->second, std::move(message->text), message->origin};
}

qsizetype ServerConnections::connectionsWaiting() const
{
    qsizetype waiting = 0;
    for (const auto& [seat, link] : m_links)
        waiting += m_receivedlist.countFrom(link->id) > 0 ? 1 : 0;
    return waiting;
}

void ServerConnections::setQueueOrder(ReceiveQueue::Order order)
{
    if (m_receivedlist.isEmpty())
        m_receivedlist = ReceiveQueue(order);
}

void ServerConnections::sendToSeat(int seat, const QByteArray& bytes)
{
    auto it = m_links.find(seat);
    if (it == m_links.end())
        return;
    ServerTransport* transport = it->second->transport;
    if (!transport) {
        if (m_testSink)
            m_testSink(seat, bytes);
        return;
    }
    ServerTraffic& traffic = ServerTraffic::process();
    traffic.messagesOut.fetch_add(bytes.count(kTerminator), std::memory_order_relaxed);
    traffic.bytesOut.fetch_add(bytes.size(), std::memory_order_relaxed);
    transport->send(bytes);
    if (transport->bytesQueued() > kMaxOutgoingBytes && !it->second->dropping) {
        it->second->dropping = true;
        dropLater(seat, it->second->id);
    }
}

void ServerConnections::dropLater(int seat, ConnectionId id)
{
    // Not now: the sender may be in the middle of a message to every seat.
    QTimer::singleShot(0, this, [this, seat, id] {
        auto it = m_links.find(seat);
        if (it == m_links.end() || it->second->id != id)
            return;
        cutOff(seat, QStringLiteral("does not read what it is sent"));
    });
}

void ServerConnections::disconnectsock(int seat, Departure reason)
{
    auto it = m_links.find(seat);
    if (it == m_links.end())
        return;
    if (!it->second->closing)
        it->second->closing = reason;
    if (it->second->transport)
        it->second->transport->close();
    else
        departed(seat);
}

void ServerConnections::departed(int seat)
{
    const ConnectionId id = m_links.at(seat)->id;
    const Departure reason = m_links.at(seat)->closing.value_or(Departure::Disconnected);
    {
        const tplayer& player = m_players.at(seat);
        emit m_events.departed(seat, player.loggedIn ? player.name : QString(), player.address, reason);
    }
    m_receivedlist.dropFrom(id);
    m_seatOf.erase(id);
    m_links.erase(seat);
    m_departure(seat, reason);
    // The seat shows as free only once the others have been told who left.
    tplayer& player = m_players.at(seat);
    if (player.connection == id) {
        player.connected = false;
        player.connection = 0;
    }
}

} // namespace pictova
