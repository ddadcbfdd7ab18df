#include "server/roomfront.h"

#include "messaging/catalogue.h"
#include "messaging/wire.h"
#include "rooms/addresskey.h"
#include "server/tcptransport.h"
#include "server/traffic.h"
#include "server/websocketconnection.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QPointer>
#include <QTcpSocket>

#include <algorithm>

namespace pictova {

using rooms::RoomDirectory;
using rooms::RoomGate;
using Refusal = RoomDirectory::Refusal;

struct RoomFront::Pending
{
    RoomGate gate;
    QList<ReceivedMessage> early;            // everything after the first message, for the game
    QList<QMetaObject::Connection> watching; // the front's own, until the connection is handed on
    QString address;
    qint64 openedAt = 0;
    quint64 countedId = 0;
};

namespace {
QString keyOf(const ServerTransport* transport)
{
    return rooms::addressKey(QHostAddress(peerAddressText(transport->peerAddress())));
}

int loggedInPlayers(const GameServer& game)
{
    int players = 0;
    for (int seat : game.players().occupiedSeats())
        players += game.players().at(seat).loggedIn ? 1 : 0;
    return players;
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
    // Behind the front every game offers rooms, and votes where they are listed.
    m_default.setRoomsAnnounced(true);
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
    // What closes from here on is not counted: the counts go with the front.
    m_ending = true;
    m_default.setPortsOf({}, {});
    for (auto& [transport, pending] : m_pending) {
        transport->disconnect(this);
        delete transport;
    }
    m_pending.clear();
    for (auto& [code, room] : m_rooms) {
        GameServer* game = room.game;
        runOn(
            room.home, [game] { delete game; }, true);
    }
    m_rooms.clear();
    m_threads.reset();
}

void RoomFront::setRoomThreads(int count)
{
    m_threads = count > 0 ? std::make_unique<RoomThreads>(count) : nullptr;
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
    const quint64 id = counted(transport, address);
    const qint64 time = now();
    auto pending = std::make_unique<Pending>(Pending{RoomGate(time), {}, {}, address, time, id});
    pending->watching << connect(transport, &ServerTransport::received, this,
                                 [this, transport](const QList<ReceivedMessage>& messages) {
                                     received(transport, messages);
                                 })
                      << connect(transport, &ServerTransport::broken, this,
                                 [transport](const QString&) { transport->close(); })
                      << connect(transport, &ServerTransport::closed, this,
                                 [this, transport] { m_pending.erase(transport); });
    m_pending.emplace(transport, std::move(pending));
    scheduleHolds();
}

quint64 RoomFront::counted(ServerTransport* transport, const QString& address)
{
    const quint64 id = m_nextCountedId++;
    m_counted[id] = Counted{address, {}};
    ++m_perAddress[address];
    // Queued when the connection has moved to a room's thread.
    connect(transport, &ServerTransport::closed, this, [this, id] { uncounted(id); });
    connect(transport, &QObject::destroyed, this, [this, id] { uncounted(id); });
    return id;
}

void RoomFront::uncounted(quint64 id)
{
    const auto it = m_counted.find(id);
    if (m_ending || it == m_counted.end())
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
    m_directory.update(gone.room, room->second.connections, room->second.running, now());
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
    for (const QMetaObject::Connection& watched : pending->watching)
        disconnect(watched);
    const RoomGate::Decision decision = pending->gate.decision();
    switch (decision.choice) {
    case RoomGate::Choice::Undecided:
    case RoomGate::Choice::DefaultRoom:
        handTo(transport, pending->countedId, QString(), pending->early);
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
        handTo(transport, pending->countedId, found.code, pending->early);
        return;
    }
    case RoomGate::Choice::Create: {
        Refusal why = Refusal::None;
        const QString code = newRoom(pending->address, decision.name, decision.listed, &why);
        if (code.isEmpty()) {
            refuse(transport, QStringLiteral("room-create"), RoomDirectory::explain(why));
            return;
        }
        handTo(transport, pending->countedId, code, pending->early);
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
    const QString code = created.code;
    Room& room = m_rooms[code];
    room.home = m_threads ? m_threads->placeRoom(this) : this;
    // Made on its own thread, so that everything it makes lives there too; the front waits for
    // it, as it waits for nothing else of a room.
    GameServer* game = nullptr;
    runOn(
        room.home,
        [&] {
            game = new GameServer;
            game->setRoomsAnnounced(true);
            // Strangers in a listed room have no game master they trust: they may vote someone out.
            game->setVoteKick(listed);
            game->setVoteClock([this] { return now(); });
            countGameRefusals(*game);
            watchRoom(*game, code);
            if (m_setup)
                m_setup(*game, code);
        },
        true);
    room.game = game;
    emit roomCreated(code, listed, address);
    return code;
}

// On the room's thread: after anything that changes who plays or whether the game runs, the
// room tells the front, once that request has been served in full.
void RoomFront::watchRoom(GameServer& game, const QString& code)
{
    const auto report = [this, &game, code] {
        QMetaObject::invokeMethod(
            &game,
            [this, &game, code] {
                const int players = loggedInPlayers(game);
                const bool running = game.game().gamerunning;
                QMetaObject::invokeMethod(
                    this, [this, code, players, running] { roomReported(code, players, running); });
            },
            Qt::QueuedConnection);
    };
    ServerEvents* events = game.events();
    connect(events, &ServerEvents::loggedIn, &game, report);
    connect(events, &ServerEvents::departed, &game, report);
    connect(events, &ServerEvents::gameStarted, &game, report);
    connect(events, &ServerEvents::gameWon, &game, report);
}

void RoomFront::roomReported(const QString& code, int players, bool running)
{
    const auto room = m_rooms.find(code);
    if (room == m_rooms.end())
        return;
    room->second.players = players;
    room->second.running = running;
    m_directory.update(code, room->second.connections, running, now());
}

void RoomFront::handTo(ServerTransport* transport, quint64 countedId, const QString& code,
                       const QList<ReceivedMessage>& early)
{
    if (code.isEmpty()) {
        m_default.adoptConnection(transport, early);
        return;
    }
    const auto found = m_rooms.find(code);
    const rooms::RoomInfo* info = m_directory.room(code);
    if (found == m_rooms.end() || !info) {
        refuse(transport, QStringLiteral("room-code"), RoomDirectory::explain(Refusal::Unknown));
        return;
    }
    Room& room = found->second;
    if (auto counted = m_counted.find(countedId); counted != m_counted.end()) {
        counted->second.room = code;
        ++room.connections;
        m_directory.update(code, room.connections, room.running, now());
    }
    GameServer* game = room.game;
    const QString address = keyOf(transport);
    const QByteArray inRoom = toclient::inroom(code, info->listed, webPort(), info->name);
    if (room.home->thread() == thread()) {
        if (game->votedOut(address)) {
            refuse(transport, QStringLiteral("voted-out"), votedOutText());
            return;
        }
        transport->send(inRoom);
        game->adoptConnection(transport, early);
        return;
    }

    // To the room's thread. Until the room takes it there, what arrives is held, and a close is
    // seen: the connection may be read again before the room runs what is posted to it.
    struct Held
    {
        QList<ReceivedMessage> messages;
        bool closed = false;
    };
    auto held = std::make_shared<Held>();
    const QList<QMetaObject::Connection> holding{
        connect(transport, &ServerTransport::received,
                [held](const QList<ReceivedMessage>& messages) { held->messages += messages; }),
        connect(transport, &ServerTransport::closed, [held] { held->closed = true; }),
        connect(transport, &ServerTransport::broken, [transport](const QString&) { transport->close(); })};
    QPointer<ServerTransport> moved(transport);
    const QString peer = peerAddressText(transport->peerAddress());
    // It moves once this turn of the loop is over: this decision may come from the connection's
    // own signal, and its socket must not go to another thread (which may close and delete it at
    // once) while it is still telling what it read.
    QObject* home = room.home;
    QMetaObject::invokeMethod(
        this,
        [this, home, game, moved, held, holding, early, inRoom, address, peer] {
            if (!moved)
                return;
            moved->setParent(nullptr);
            moved->moveToThread(home->thread());
            runOn(home, [this, game, moved, held, holding, early, inRoom, address, peer] {
                for (const QMetaObject::Connection& connection : holding)
                    disconnect(connection);
                if (!moved || held->closed) {
                    if (moved)
                        moved->deleteLater();
                    return;
                }
                if (game->votedOut(address)) {
                    moved->send(toclient::roomrefused(votedOutText()));
                    moved->close();
                    QMetaObject::invokeMethod(this, [this, peer] {
                        countRefusal(peer, QStringLiteral("voted-out"), votedOutText());
                    });
                    return;
                }
                moved->send(inRoom);
                game->adoptConnection(moved, early + held->messages);
            });
        },
        Qt::QueuedConnection);
}

QString RoomFront::votedOutText()
{
    return QStringLiteral("The players of this room voted you out. You may come back 10 minutes after.");
}

void RoomFront::refuse(ServerTransport* transport, const QString& cause, const QString& reason, bool full)
{
    countRefusal(peerAddressText(transport->peerAddress()), cause, reason);
    transport->send(toclient::roomrefused(reason));
    // A first-version client knows only this one, and reads it as a full game.
    if (full)
        transport->send(toclient::full());
    transport->close();
}

void RoomFront::countRefusal(const QString& address, const QString& cause, const QString& reason)
{
    ++m_refusedByCause[cause];
    emit refused(address, reason);
}

void RoomFront::list(ServerTransport* transport)
{
    for (const rooms::RoomInfo& info : m_directory.listedRooms()) {
        const auto room = m_rooms.find(info.code);
        const bool running = room != m_rooms.end() && room->second.running;
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
        GameServer* game = room->second.game;
        runOn(room->second.home, [game] { game->deleteLater(); });
        if (m_threads)
            m_threads->roomEnded(room->second.home);
        m_rooms.erase(room);
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
    m.players = loggedInPlayers(m_default);
    for (const auto& [code, room] : m_rooms)
        m.players += room.players;
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
    return it == m_rooms.end() ? nullptr : it->second.game;
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
    // Each room's closing has begun before this returns, so that the process's wait for the
    // closing connections sees them all.
    for (auto& [code, room] : m_rooms) {
        GameServer* game = room.game;
        runOn(
            room.home, [game] { game->closeAllConnections(); }, true);
    }
    m_default.closeAllConnections();
}

} // namespace pictova
