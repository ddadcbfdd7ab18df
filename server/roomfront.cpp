#include "server/roomfront.h"

#include "messaging/catalogue.h"
#include "messaging/wire.h"
#include "rooms/addresskey.h"
#include "server/tcptransport.h"
#include "server/traffic.h"
#include "server/websocketconnection.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpSocket>

#include <algorithm>

namespace pictova {

using rooms::RoomDirectory;
using rooms::RoomGate;
using Refusal = RoomDirectory::Refusal;

struct RoomFront::Pending
{
    RoomGate gate;
    QList<ReceivedMessage> early; // everything after the first message, for the game
    QMetaObject::Connection reading;
    QString address;
    qint64 openedAt = 0;
};

namespace {
QString keyOf(const ServerTransport* transport)
{
    return rooms::addressKey(QHostAddress(peerAddressText(transport->peerAddress())));
}

} // namespace

RoomFront::RoomFront(GameServer& defaultRoom, QObject* parent) : QObject(parent), m_default(defaultRoom)
{
    m_sock.PortName = QStringLiteral("7772");
    connect(&m_sock, &TSock::onAccept, this, [this](TSock*) {
        if (TSock* sock = m_sock.accept(this))
            adopt(new TcpTransport(sock, this));
    });
    m_clock = [] {
        static QElapsedTimer clock = [] {
            QElapsedTimer started;
            started.start();
            return started;
        }();
        return clock.elapsed();
    };
    m_default.setPortsOf([this] { return listeningPort(); }, [this] { return webPort(); });
    countGameRefusals(m_default);
    m_holdTimer.setSingleShot(true);
    m_holdTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_holdTimer, &QTimer::timeout, this, &RoomFront::checkHolds);
    m_sweepTimer.setInterval(kSweepMs);
    connect(&m_sweepTimer, &QTimer::timeout, this, &RoomFront::sweep);
    m_sweepTimer.start();
}

RoomFront::~RoomFront()
{
    m_default.setPortsOf({}, {});
    // Every connection still being read is counted too: nothing is told of what goes now.
    for (auto& [transport, counted] : m_counted)
        transport->disconnect(this);
    for (auto& [transport, pending] : m_pending)
        delete transport;
}

void RoomFront::setDirectoryLimits(const RoomDirectory::Limits& limits)
{
    m_directory = RoomDirectory(limits);
}

void RoomFront::startListening()
{
    m_sock.setListen(true);
}

void RoomFront::listenWeb(quint16 port, const WebTls& tls)
{
    auto web = std::make_unique<WebListener>();
    web->listen(m_sock.ListenAddress, port, tls);
    connect(web.get(), &WebListener::webSocketConnected, this,
            [this](QTcpSocket* socket) { adopt(new WebSocketConnection(socket)); });
    m_web = std::move(web);
}

void RoomFront::setManualTimers(bool manual)
{
    m_manual = manual;
    if (manual) {
        m_holdTimer.stop();
        m_sweepTimer.stop();
    } else {
        m_sweepTimer.start();
        scheduleHolds();
    }
}

void RoomFront::adopt(ServerTransport* transport)
{
    transport->setParent(this);
    const QString address = keyOf(transport);
    // Counted from the start: connections still being read hold their place, so a flood of them
    // is refused as early as one of seated players.
    if (m_maxTotalPerAddress > 0 && m_perAddress[address] >= m_maxTotalPerAddress) {
        refuse(transport, QStringLiteral("per-address-total"),
               QStringLiteral("Your address holds %1 connections to this server already.")
                   .arg(m_maxTotalPerAddress),
               true);
        return;
    }
    counted(transport, address);
    const qint64 time = now();
    auto pending = std::make_unique<Pending>(Pending{RoomGate(time), {}, {}, address, time});
    pending->reading =
        connect(transport, &ServerTransport::received, this,
                [this, transport](const QList<ReceivedMessage>& messages) { received(transport, messages); });
    connect(transport, &ServerTransport::broken, this, [this, transport](const QString&) {
        if (m_pending.contains(transport))
            transport->close();
    });
    connect(transport, &ServerTransport::closed, this, [this, transport] { m_pending.erase(transport); });
    m_pending.emplace(transport, std::move(pending));
    scheduleHolds();
}

void RoomFront::counted(ServerTransport* transport, const QString& address)
{
    m_counted[transport] = Counted{address, {}};
    ++m_perAddress[address];
    connect(transport, &ServerTransport::closed, this, [this, transport] { uncounted(transport); });
    connect(transport, &QObject::destroyed, this, [this](QObject* gone) { uncounted(gone); });
}

void RoomFront::uncounted(QObject* transport)
{
    const auto it = m_counted.find(transport);
    if (it == m_counted.end())
        return;
    const Counted gone = it->second;
    m_counted.erase(it);
    if (--m_perAddress[gone.address] <= 0)
        m_perAddress.erase(gone.address);
    if (gone.room.isEmpty())
        return;
    const auto room = m_rooms.find(gone.room);
    if (room == m_rooms.end())
        return;
    --room->second.connections;
    m_directory.update(gone.room, room->second.connections, room->second.game->game().gamerunning, now());
}

void RoomFront::received(ServerTransport* transport, const QList<ReceivedMessage>& messages)
{
    const auto it = m_pending.find(transport);
    if (it == m_pending.end() || messages.isEmpty())
        return;
    Pending& pending = *it->second;
    // UTF-8 never holds the terminator byte, whatever the text.
    const RoomGate::Decision& decision = pending.gate.feed(messages.first().text.toUtf8() + kTerminator);
    pending.early = decision.choice == RoomGate::Choice::DefaultRoom ? messages : messages.mid(1);
    decide(transport);
}

void RoomFront::checkHolds()
{
    const qint64 time = now();
    QList<ServerTransport*> due;
    for (auto& [transport, pending] : m_pending)
        if (pending->gate.tick(time).choice != RoomGate::Choice::Undecided)
            due << transport;
    for (ServerTransport* transport : due)
        decide(transport);
    scheduleHolds();
}

void RoomFront::scheduleHolds()
{
    if (m_manual || m_pending.empty())
        return;
    qint64 first = m_pending.begin()->second->openedAt;
    for (const auto& [transport, pending] : m_pending)
        first = std::min(first, pending->openedAt);
    m_holdTimer.start(int(std::clamp<qint64>(first + RoomGate::kHoldMs - now(), 0, RoomGate::kHoldMs)));
}

void RoomFront::decide(ServerTransport* transport)
{
    const auto it = m_pending.find(transport);
    if (it == m_pending.end())
        return;
    std::unique_ptr<Pending> pending = std::move(it->second);
    m_pending.erase(it);
    disconnect(pending->reading);
    const RoomGate::Decision decision = pending->gate.decision();
    switch (decision.choice) {
    case RoomGate::Choice::Undecided:
    case RoomGate::Choice::DefaultRoom:
        handTo(transport, QString(), pending->early);
        return;
    case RoomGate::Choice::Malformed:
        refuse(transport, QStringLiteral("malformed"), RoomDirectory::explain(Refusal::Malformed));
        return;
    case RoomGate::Choice::List:
        list(transport);
        return;
    case RoomGate::Choice::Join: {
        const RoomDirectory::Found found = m_directory.find(pending->address, decision.code, now());
        if (found.refusal != Refusal::None) {
            refuse(transport, QStringLiteral("room-code"), RoomDirectory::explain(found.refusal));
            return;
        }
        if (GameServer* game = room(found.code); game && game->votedOut(pending->address)) {
            refuse(transport, QStringLiteral("voted-out"),
                   QStringLiteral("The players of this room voted you out. You may come back "
                                  "10 minutes after."));
            return;
        }
        handTo(transport, found.code, pending->early);
        return;
    }
    case RoomGate::Choice::Create: {
        Refusal why = Refusal::None;
        const QString code = newRoom(pending->address, decision.name, decision.listed, &why);
        if (code.isEmpty()) {
            refuse(transport, QStringLiteral("room-create"), RoomDirectory::explain(why));
            return;
        }
        handTo(transport, code, pending->early);
        return;
    }
    }
}

QString RoomFront::newRoom(const QString& address, const QString& name, bool listed, Refusal* why)
{
    const RoomDirectory::Created created = m_directory.create(address, name, listed, now());
    if (created.refusal != Refusal::None) {
        *why = created.refusal;
        return {};
    }
    Room& room = m_rooms[created.code];
    room.game = std::make_unique<GameServer>();
    // Strangers in a listed room have no game master they trust: they may vote someone out.
    room.game->setVoteKick(listed);
    room.game->setVoteClock([this] { return now(); });
    countGameRefusals(*room.game);
    if (m_setup)
        m_setup(*room.game, created.code);
    emit roomCreated(created.code, listed, address);
    return created.code;
}

void RoomFront::handTo(ServerTransport* transport, const QString& code, const QList<ReceivedMessage>& early)
{
    GameServer* game = &m_default;
    if (!code.isEmpty()) {
        const auto room = m_rooms.find(code);
        const rooms::RoomInfo* info = m_directory.room(code);
        if (room == m_rooms.end() || !info) {
            refuse(transport, QStringLiteral("room-code"), RoomDirectory::explain(Refusal::Unknown));
            return;
        }
        game = room->second.game.get();
        transport->send(toclient::inroom(code, info->listed, webPort(), info->name));
        if (auto counted = m_counted.find(transport); counted != m_counted.end()) {
            counted->second.room = code;
            ++room->second.connections;
            m_directory.update(code, room->second.connections, game->game().gamerunning, now());
        }
    }
    game->setRoomsAnnounced(true);
    game->adoptConnection(transport, early);
}

void RoomFront::refuse(ServerTransport* transport, const QString& cause, const QString& reason, bool full)
{
    ++m_refusedByCause[cause];
    emit refused(peerAddressText(transport->peerAddress()), reason);
    transport->send(toclient::roomrefused(reason));
    // A first-version client knows only this one, and reads it as a full game.
    if (full)
        transport->send(toclient::full());
    transport->close();
}

void RoomFront::list(ServerTransport* transport)
{
    for (const rooms::RoomInfo& info : m_directory.listedRooms()) {
        const auto room = m_rooms.find(info.code);
        const bool running = room != m_rooms.end() && room->second.game->game().gamerunning;
        transport->send(toclient::roomlisted(info.code, info.players, running, info.name));
    }
    transport->send(toclient::roomlistend());
    transport->close();
}

void RoomFront::sweep()
{
    const qint64 time = now();
    for (const QString& code : m_directory.expire(time)) {
        const auto room = m_rooms.find(code);
        if (room == m_rooms.end())
            continue;
        // An empty room's game holds no connection; its tokens go with it.
        std::unique_ptr<GameServer> game = std::move(room->second.game);
        m_rooms.erase(room);
        game.release()->deleteLater();
        emit roomEnded(code);
    }
}

void RoomFront::countGameRefusals(GameServer& game)
{
    connect(game.events(), &ServerEvents::refusedFull, this,
            [this] { ++m_refusedByCause[QStringLiteral("full")]; });
    connect(game.events(), &ServerEvents::refusedBusyAddress, this,
            [this] { ++m_refusedByCause[QStringLiteral("per-address")]; });
}

rooms::ServerMetrics RoomFront::metrics() const
{
    rooms::ServerMetrics m;
    m.rooms = roomCount() + 1;
    const auto loggedIn = [](const GameServer& game) {
        qint64 players = 0;
        for (int seat : game.players().occupiedSeats())
            players += game.players().at(seat).loggedIn ? 1 : 0;
        return players;
    };
    m.players = loggedIn(m_default);
    for (const auto& [code, room] : m_rooms)
        m.players += loggedIn(*room.game);
    m.connections = qint64(m_counted.size());
    const ServerTraffic& traffic = ServerTraffic::process();
    m.messagesIn = traffic.messagesIn.load(std::memory_order_relaxed);
    m.messagesOut = traffic.messagesOut.load(std::memory_order_relaxed);
    m.bytesIn = traffic.bytesIn.load(std::memory_order_relaxed);
    m.bytesOut = traffic.bytesOut.load(std::memory_order_relaxed);
    m.refusedByCause = m_refusedByCause;
    return m;
}

GameServer* RoomFront::room(const QString& code) const
{
    const auto it = m_rooms.find(code);
    return it == m_rooms.end() ? nullptr : it->second.game.get();
}

void RoomFront::closeAll()
{
    m_sock.setListen(false);
    if (m_web)
        m_web->stop();
    m_holdTimer.stop();
    m_sweepTimer.stop();
    QList<ServerTransport*> pending;
    for (const auto& [transport, state] : m_pending)
        pending << transport;
    for (ServerTransport* transport : pending)
        transport->close();
    for (auto& [code, room] : m_rooms)
        room.game->closeAllConnections();
    m_default.closeAllConnections();
}

} // namespace pictova
