#pragma once

#include "messaging/tsock.h"
#include "rooms/metrics.h"
#include "rooms/roomdirectory.h"
#include "rooms/roomgate.h"
#include "server/gameserver.h"
#include "server/roomthreads.h"
#include "server/transport.h"
#include "web/weblistener.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

namespace pictova {

// One server, many games. The front owns the game port's and the web port's listeners and reads
// each new connection's first message (rooms::RoomGate) before any game sees it: a connection
// that names no room plays in the default room, the caller's own GameServer, exactly as a server
// without rooms; one that asks for a room is told which room it is in (CMD_inroom) and handed to
// that room's own GameServer, which seats it as any connection. A room ends five minutes after
// its last player left, its rejoin tokens with it.
//
// Ownership: a connection belongs to the front while it is read, then to the game it is handed
// to (GameServer::adoptConnection), which closes and deletes it. The front owns every room's
// GameServer; the default room is the caller's and outlives the front.
//
// Threads: the front, its listeners and the default room share the caller's thread. With room
// threads (setRoomThreads) each room lives on one of them: its GameServer is made there, a
// connection handed to it moves there before it has a parent, and from then on the front never
// touches either; it posts work to the room's thread and hears back through queued signals (a
// room's players and whether its game runs, refusals), so what it reads is its own.
class RoomFront : public QObject
{
    Q_OBJECT
public:
    using Clock = std::function<qint64()>;
    // Connections one address may hold across every room (the default room's own included); each
    // game keeps its own cap (ServerConnections::maxPerAddress) besides.
    static constexpr int kDefaultMaxTotalPerAddress = 30;
    // How often ended rooms are looked for, and the listed rooms' state refreshed.
    static constexpr int kSweepMs = 5000;

    // `defaultRoom` is the game of every connection that names no room.
    explicit RoomFront(GameServer& defaultRoom, QObject* parent = nullptr);
    ~RoomFront() override;

    // What a new room needs besides its code: words, limits, a log (the caller's settings).
    using RoomSetup = std::function<void(GameServer& room, const QString& code)>;
    void setRoomSetup(RoomSetup setup) { m_setup = std::move(setup); }
    void setDirectoryLimits(const rooms::RoomDirectory::Limits& limits);
    void setMaxTotalPerAddress(int max) { m_maxTotalPerAddress = std::max(0, max); }
    int maxTotalPerAddress() const { return m_maxTotalPerAddress; }

    // Rooms from now on are spread over `count` threads of their own (see above); 0, the
    // default, keeps them on the front's thread. Set before the first room.
    void setRoomThreads(int count);
    int roomThreads() const { return m_threads ? m_threads->count() : 0; }

    // Port text for the game port, "7772" unless set (tests use "0").
    void setPortName(const QString& port) { m_sock.PortName = port; }
    void setListenAddress(const QHostAddress& address) { m_sock.ListenAddress = address; }
    QHostAddress listenAddress() const { return m_sock.ListenAddress; }
    // Throws ESockException("Listen - Error Binding Socket") when the port is taken.
    void startListening();
    quint16 listeningPort() const { return m_sock.localPort(); }
    // The web port on the game port's listen address; its WebSockets go through the same gate.
    void listenWeb(quint16 port, const WebTls& tls = {});
    quint16 webPort() const { return m_web ? m_web->port() : 0; }
    WebListener* webListener() { return m_web.get(); }
    // Stops listening and closes every connection of every room, the default room's too.
    void closeAll();

    // A new connection from any listener: read, then handed to its game, or refused.
    void adopt(ServerTransport* transport);

    // Tests drive time by hand: the clock the holds, the caps and the rooms' ends are counted on
    // (milliseconds, never going back), and with manual timers only these move anything.
    void setClock(Clock clock) { m_clock = std::move(clock); }
    void setManualTimers(bool manual);
    void checkHolds();
    void sweep();

    const rooms::RoomDirectory& directory() const { return m_directory; }
    // The game of room `code`, if there is such a room; only to be used on that room's thread.
    GameServer* room(const QString& code) const;
    int roomCount() const { return int(m_rooms.size()); }
    int pendingConnections() const { return int(m_pending.size()); }
    // The figures of every game behind the front, for an operator's metrics.
    rooms::ServerMetrics metrics() const;

signals:
    void roomCreated(const QString& code, bool listed, const QString& address);
    void roomEnded(const QString& code);
    // A connection was refused before any game saw it; `reason` is what it was told.
    void refused(const QString& address, const QString& reason);

private:
    struct Pending;
    struct Room
    {
        GameServer* game = nullptr; // made, used and deleted on `home`'s thread
        QObject* home = nullptr;
        int connections = 0;
        // As the room last reported them.
        int players = 0;
        bool running = false;
    };

    qint64 now() const { return m_clock(); }
    void received(ServerTransport* transport, const QList<ReceivedMessage>& messages);
    void decide(ServerTransport* transport);
    void handTo(ServerTransport* transport, quint64 countedId, const QString& code,
                const QList<ReceivedMessage>& early);
    void refuse(ServerTransport* transport, const QString& cause, const QString& reason, bool full = false);
    static QString votedOutText();
    void countRefusal(const QString& address, const QString& cause, const QString& reason);
    void roomReported(const QString& code, int players, bool running);
    void watchRoom(GameServer& game, const QString& code);
    void countGameRefusals(GameServer& game);
    void list(ServerTransport* transport);
    quint64 counted(ServerTransport* transport, const QString& address);
    void uncounted(quint64 id);
    void scheduleHolds();
    QString newRoom(const QString& address, const QString& name, bool listed,
                    rooms::RoomDirectory::Refusal* why);

    GameServer& m_default;
    TSock m_sock;
    std::unique_ptr<WebListener> m_web;
    rooms::RoomDirectory m_directory;
    RoomSetup m_setup;
    int m_maxTotalPerAddress = kDefaultMaxTotalPerAddress;
    Clock m_clock;
    bool m_manual = false;
    QTimer m_holdTimer;
    QTimer m_sweepTimer;
    std::map<ServerTransport*, std::unique_ptr<Pending>> m_pending;
    std::map<QString, Room> m_rooms;
    // Every open connection the front has seen, with its address key and room ("" for the
    // default room), until it closes. Kept by a number of its own, not the connection's address:
    // a room's thread reports a close later, when that address may hold a new connection.
    struct Counted
    {
        QString address;
        QString room;
    };
    std::map<quint64, Counted> m_counted;
    quint64 m_nextCountedId = 1;
    std::unique_ptr<RoomThreads> m_threads;
    bool m_ending = false;
    std::map<QString, int> m_perAddress;
    std::map<QString, qint64> m_refusedByCause;
};

} // namespace pictova
