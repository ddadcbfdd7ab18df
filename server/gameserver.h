#pragma once

#include "drawing/turndrawing.h"
#include "messaging/catalogue.h"
#include "messaging/drain.h"
#include "rooms/votekick.h"
#include "server/connections.h"
#include "server/gameflow.h"
#include "server/gamestate.h"
#include "server/guessing.h"
#include "server/linelimits.h"
#include "server/outbox.h"
#include "server/playertable.h"
#include "server/rejoin.h"
#include "server/relay.h"
#include "server/requesttable.h"
#include "server/seats.h"
#include "server/serveallowance.h"
#include "server/serverevents.h"
#include "server/strokeundo.h"
#include "server/wordchoice.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

namespace pictova {

// The game server of the hosting instance. Never shown; it runs on the GUI thread and talks to
// every client, the host's own included, only through its TCP connections.
class GameServer : public QObject
{
    Q_OBJECT
public:
    explicit GameServer(QObject* parent = nullptr);
    ~GameServer() override;

    // Port text for the listener, "7772" unless set (tests use "0").
    void setPortName(const QString& port);
    // The address the listener takes connections on; every IPv4 address unless set.
    void setListenAddress(const QHostAddress& address) { m_connections.setListenAddress(address); }
    QHostAddress listenAddress() const { return m_connections.listenAddress(); }
    // Starts listening. Throws ESockException("Listen - Error Binding Socket") when the port is taken.
    void startListening();
    quint16 listeningPort() const;
    // Serves the web client on `port` (0: any free port) and seats its WebSocket players as any
    // other; https and wss only when `tls` is set. Throws as startListening() does.
    void listenWeb(quint16 port, const WebTls& tls = {}) { m_connections.listenWeb(port, tls); }
    quint16 webPort() const { return m_webPortOf ? m_webPortOf() : m_connections.webPort(); }
    // A connection some other listener accepted (a front that shares one port among many games),
    // with what it sent before it came here; the server then owns it. Such a server need not
    // listen itself.
    void adoptConnection(ServerTransport* transport, const QList<ReceivedMessage>& early = {})
    {
        m_connections.adopt(transport, early);
    }
    // Removal by vote (CMD_votekick), for a listed room whose players have no game master they
    // trust; off unless set. The clock counts the voters' cool-down and the removed players' ban.
    void setVoteKick(bool on) { m_voteKickOn = on; }
    // Whether new connections are told this server has rooms (and votes): only a game behind a
    // room front has, set by the front on its default game and on every room's.
    void setRoomsAnnounced(bool on) { m_connections.setFeatureWords(feature::serverWords(on)); }
    void setVoteClock(std::function<qint64()> clock) { m_voteClock = std::move(clock); }
    // Whether the address (rooms::addressKey) was voted out within the last ten minutes.
    bool votedOut(const QString& addressKey) const;
    // The ports another listener takes this server's connections on, for what reports them (the
    // announcement on the local network); unset, the server's own.
    void setPortsOf(std::function<quint16()> gamePort, std::function<quint16()> webPort)
    {
        m_gamePortOf = std::move(gamePort);
        m_webPortOf = std::move(webPort);
    }
    WebListener* webListener() { return m_connections.webListener(); }
    // Stops listening and closes every connection in seat order (a server that is stopping).
    // `closedBy` names the player whose hosting copy closes the game, for those told why.
    // What waited to be sent is dropped first: a client that reads slowly or not at all still
    // learns of the close before the connection ends.
    void closeAllConnections(const QString& closedBy = QString())
    {
        // The game ends with the server: the departures that follow start no new turn.
        m_game.gamerunning = false;
        m_flow.roundtime().setEnabled(false);
        m_connections.dropBacklogs();
        m_rejoin.closingInOrder(closedBy);
        m_connections.closeAll();
    }
    // What happens, for a server's log.
    ServerEvents* events() { return &m_events; }
    // The host window's solo-game flag, read at every word choice.
    void setSoloGameSource(std::function<bool()> source);

    // Test hooks: stop the real timers and drive them by hand.
    void setManualTimers(bool manual);
    bool socktimerTimer(); // handles one queued entry; returns whether more wait
    // One tick of the drain timer: one entry from each connection that has any waiting, in
    // turn. Returns whether more wait.
    bool drainTick();
    void roundtimeTimer(); // one tick of the one-second turn timer (only acts while enabled)
    // The clock of the log-in deadline (milliseconds, never going back), and one check of it.
    void setLoginClock(LoginDeadline::Clock clock)
    {
        m_connections.loginDeadline().setClock(std::move(clock));
    }
    void checkLoginDeadline() { m_connections.loginDeadline().check(); }

    // How many connections one address may hold (ServerConnections::kDefaultMaxPerAddress unless
    // set; 0: any number, and no limit on its log-ins).
    void setMaxPerAddress(int max) { m_connections.setMaxPerAddress(max); }

    // The clock of the rejoin tokens (milliseconds, never going back).
    void setRejoinClock(RejoinKeeper::Clock clock) { m_rejoin.setClock(std::move(clock)); }
    const RejoinKeeper& rejoins() const { return m_rejoin; }
    // The clock of the drawer's undo limit (milliseconds, never going back).
    void setUndoClock(StrokeUndo::Clock clock) { m_undo.setClock(std::move(clock)); }
    // Closes the seat's connection from this end as a network failure would end it: the player
    // counts as dropped, not removed.
    void dropConnection(int seat) { m_connections.disconnectsock(seat, Departure::Disconnected); }

    // Socketless connections for fuzzing and tests (see ServerConnections): a seat as an accepted
    // connection would get, bytes received on it, its peer closing, and where its sends go.
    std::optional<int> attachTestConnection() { return m_connections.attachTestConnection(); }
    void feedTestConnection(int seat, const QByteArray& bytes)
    {
        m_connections.feedTestConnection(seat, bytes);
    }
    void closeTestConnection(int seat) { m_connections.closeTestConnection(seat); }
    void setTestSink(ServerConnections::TestSink sink) { m_connections.setTestSink(std::move(sink)); }

    // Soak runs play fast games: each second of every phase lasts this long. Not for real games.
    void setRoundtimeIntervalMs(int ms);
    // Benchmarks compare the fair queue with plain arrival order (only while nothing waits), and
    // one entry per tick for all connections together with one per waiting connection.
    void setQueueOrder(ReceiveQueue::Order order);
    void setOneEntryPerTick(bool one) { m_oneEntryPerTick = one; }
    // Requests are served as they arrive, within each connection's allowance; benchmarks compare
    // that with serving on a 10 ms tick.
    void setServeOnArrival(bool onArrival) { m_serveOnArrival = onArrival; }
    // Fuzzing lowers the per-connection limits on waiting messages and bytes.
    void setQueueLimits(qsizetype messages, qsizetype bytes)
    {
        m_connections.setQueueLimits(messages, bytes);
    }

    // How many chat and action lines, and how many guesses, a connection may send in a window
    // (LineLimits' defaults unless set); the clock they are counted on, and one check of it.
    void setChatLimit(LineLimit limit) { m_limits.setChatLimit(limit); }
    void setGuessLimit(LineLimit limit) { m_limits.setGuessLimit(limit); }
    const LineLimits& lineLimits() const { return m_limits; }
    void setLineLimitClock(LineLimits::Clock clock) { m_limits.setClock(std::move(clock)); }
    void checkLineLimits() { m_limits.check(); }

    // Own word lists (and tests' lists), or the compiled-in ones of a language of kWordLanguages;
    // English until one is chosen.
    void setWordLists(const WordLists& lists);
    void setWordLanguage(const QString& language);
    void setRandomSeed(quint32 seed);

    // Read-only inspection.
    const PlayerTable& players() const { return m_players; }
    int seatcount() const { return m_players.seatcount(); }
    const GameState& game() const { return m_game; }
    const drawing::TurnDrawing& drawingLog() const { return m_drawing; }
    StrokeUndo& strokeUndo() { return m_undo; }
    const WordChoice& words() const { return m_words; }
    bool roundtimeEnabled() const { return m_flow.roundtime().isEnabled(); }
    qsizetype queuedRequests() const { return m_connections.queuedRequests(); }
    // The protocol's requests this server has no handler for: none.
    QStringList requestsWithoutHandler() const { return m_requests.missingHandlers(); }

private:
    void buildRequestTable();

    PlayerTable m_players;
    GameState m_game;
    WordChoice m_words;
    drawing::TurnDrawing m_drawing;
    ServerEvents m_events;
    ServerConnections m_connections;
    Outbox m_outbox;
    LineLimits m_limits;
    GameFlow m_flow;
    Guessing m_guessing;
    Relay m_relay;
    SeatKeeper m_seats;
    RejoinKeeper m_rejoin;
    StrokeUndo m_undo;
    RequestTable m_requests;
    DrainTimer m_socktimer;
    bool m_oneEntryPerTick = false;
    bool m_serveOnArrival = true;
    bool m_manualTimers = false;
    ServeAllowance m_allowance;
    QTimer m_servePass;
    QElapsedTimer m_serveClock;
    std::function<quint16()> m_gamePortOf;
    bool m_voteKickOn = false;
    rooms::VoteKick m_votes;
    std::function<qint64()> m_voteClock;
    void voteKick(int voter, int target);
    std::function<quint16()> m_webPortOf;

    void requestsArrived();
    void servePass();
};

} // namespace pictova
