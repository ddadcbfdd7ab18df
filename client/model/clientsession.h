#pragma once

#include "client/model/countdownclock.h"
#include "client/model/gamemodel.h"
#include "client/model/guessing.h"
#include "client/model/reconnectschedule.h"
#include "client/model/rounds.h"
#include "client/model/seats.h"
#include "client/model/turnend.h"
#include "client/model/watchers.h"
#include "messaging/dispatcher.h"
#include "messaging/drain.h"
#include "messaging/framing.h"
#include "messaging/protocol.h"
#include "messaging/receivequeue.h"
#include "messaging/tsock.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <span>

namespace pictova {

// A message from the server, its fields read and checked against their ranges (noticeFields).
struct ServerNotice
{
    QString payload; // everything after the name
    protocol::Values fields;

    qint32 number(int field) const { return fields.at(field).number; }
    bool flag(int field) const { return fields.at(field).flag; }
    const QString& text(int field) const { return fields.at(field).text; }
    const QStringList& words(int field) const { return fields.at(field).words; }
    const QList<qint32>& numbers(int field) const { return fields.at(field).numbers; }
};

// The fields the client reads a server message with: the protocol table's, except that a
// first-version server deals turns round every seat it has handed out, spectators' included, so
// the drawer or guesser its messages name may be any seat where this program's server names only
// board seats.
std::span<const protocol::Field> noticeFields(protocol::Id id);

// Why a join from the window did not get into the game.
enum class JoinProblem { UnknownHost, Refused, Unreachable, NoAnswer, Full, WrongVersion, Closed, NoRoom };

// The room a join asks for: one by its code, or a new one; none plays in the server's own game.
struct RoomAsk
{
    enum class Kind { None, Join, Create };
    Kind kind = Kind::None;
    QString code;        // Join
    QString name;        // Create
    bool listed = false; // Create: shown in the server's list of rooms
    static RoomAsk join(const QString& code) { return {Kind::Join, code, {}, false}; }
    static RoomAsk create(const QString& name, bool listed) { return {Kind::Create, {}, name, listed}; }
};

// What a socket error report means for a connection being made.
JoinProblem joinProblemOf(const QString& socketError);

// The client's end of a game: the connection, its framing and receive queue, the command table
// and the handlers. It turns server messages into changes of the game model and the player's
// intents into messages. No widgets: the window observes the model and the signals below.
class ClientSession : public QObject
{
    Q_OBJECT
public:
    // Entries waiting to be handled before the server counts as flooding us. A newcomer's
    // catch-up of a full drawing log (2 MiB of the shortest stroke messages) stays below it...
    static constexpr qsizetype kMaxWaitingEntries = 200000;
    // ...their characters...
    static constexpr qsizetype kMaxWaitingCharacters = 16 * 1024 * 1024;
    // ...and the board pixels their strokes would fill (strokes::drawingArea): a busy two-minute
    // turn drawn all at the widest pen comes to about 80 million, a batch of the board's at most
    // one. Past any of them the server is cut off and what waits is dropped, so the window is
    // never long busy after a flood.
    static constexpr qint64 kMaxWaitingArea = 120'000'000;
    // A chat, action or guess line is cut to this many characters as it arrives: a server of this
    // version sends none longer than about 500, and laying out one of 64 KB holds the window up for
    // a good part of a second. Each character of a waiting line counts as this many pixels of
    // drawing: laying lines out costs the window about what drawing that much does.
    static constexpr qsizetype kMaxLineCharacters = 512;
    static constexpr qint64 kLineCharacterArea = 1000;

    explicit ClientSession(QObject* parent = nullptr);
    ~ClientSession() override;

    GameModel& model() { return m_model; }
    const GameModel& model() const { return m_model; }
    CountdownClock& countdown() { return m_countdown; }
    SeatsHandler& seats() { return m_seats; }
    RoundsHandler& rounds() { return m_rounds; }
    GuessingHandler& guessing() { return m_guessing; }
    WatchersHandler& watchers() { return m_watchers; }
    TSock& sock() { return m_sock; }

    // The player's name, and the name the log-in sends (set when a connection starts).
    QString playerName() const { return m_playerName; }
    void setPlayerName(const QString& name) { m_playerName = name; }
    QString loginName() const { return m_loginName; }
    void setLoginName(const QString& name) { m_loginName = name; }
    QString hostAddress() const { return m_hostAddress; }
    void setHostAddress(const QString& address) { m_hostAddress = address; }
    // The language the player reads (a BCP 47 tag such as "de" or "pt-BR"; the system's unless
    // set), read as the nearest the game speaks. A server of this version writes its own lines in
    // it: it is announced with this copy's features, again at once when it changes in a game.
    void setLanguage(const QString& bcp47);
    QString language() const { return m_language; }
    // What this copy announces to a server: its features and its language.
    QStringList announcedFeatures() const;

    // Connects to `host` at `port`; throws ESockException on a failure the socket reports at once.
    void connectTo(const QString& host, const QString& port);
    // The side channel a copy opens next to a command-line game; nothing listens there today.
    void openSideChannel();

    // ---- games started from the window ----
    // Looks the host up without holding up the window, connects, and logs in; a failure within
    // the join timeout ends in joinFailed, success in joined. Once in, losing the connection ends
    // in connectionLost, not in the window closing.
    void startJoin(const QString& host, quint16 port);
    // Leaves the current game in order: the connection closes without counting as lost, and the
    // model starts afresh. A game this copy hosts is ended first, by its LocalHost.
    void leaveGame();
    // The name this copy plays under: its seat's, as the others read it, or else the one it asked for.
    QString nameInGame() const;
    bool joining() const { return m_joinState == JoinState::Joining; }
    // A game joined from the window whose connection was lost (not by a removal) tries to get back
    // in on a ReconnectSchedule, logging in under the same name and, where the server gave this
    // copy a rejoin token, presenting it to get the score back.
    bool isReconnecting() const { return m_joinState == JoinState::Reconnecting; }
    // Stops trying to get back in: the game ends as a lost connection does.
    void giveUp();
    // The room the next connection asks for before anything else (rooms::RoomGate); a connection
    // that got into a room asks for that room again when it comes back after a drop.
    void setRoomAsk(const RoomAsk& ask) { m_roomAsk = ask; }
    // The room the current game is in ("" for a server's own game), whether it is listed, its
    // name, and the link that opens it: pictova://<host>:<port>/<CODE>.
    QString roomCode() const { return m_roomCode; }
    bool roomListed() const { return m_roomListed; }
    QString roomName() const { return m_roomName; }
    QString roomLink() const;
    // The room's link for a browser, when its server has a web port; empty otherwise.
    QString roomWebLink() const;
    // Tests drive the schedule's clock and start each attempt by hand.
    void setReconnectClock(ReconnectSchedule::Clock clock) { m_reconnect.setClock(std::move(clock)); }
    void setManualReconnect(bool manual) { m_manualReconnect = manual; }
    void reconnectNow();
    // What the server of the current connection announced, and the token it gave this copy.
    QStringList serverFeatures() const { return m_serverFeatures; }
    QString rejoinToken() const { return m_rejoinToken; }
    // Tests replace the name lookup and shorten the wait for an answer.
    using Resolver =
        std::function<void(const QString& host, std::function<void(const QString& address)> found)>;
    void setResolver(Resolver resolver) { m_resolver = std::move(resolver); }
    void setJoinTimeoutMs(int ms) { m_joinTimer.setInterval(ms); }
    static constexpr int kJoinTimeoutMs = 8000;

    // What the handlers report about the connection; each ends the game as the way in demands.
    void connectionClosed();
    void connectionFailed(const QString& socketError);
    void gameFull();
    void versionRefused();
    void removedFromGame();

    // A message from the server for a part of the window outside the model (board, chat log),
    // its fields read by noticeFields(); one whose fields do not hold is dropped and logged
    // (noticeRefused) before any handler sees it.
    using NoticeHandler = std::function<void(const ServerNotice&)>;
    void routeToView(protocol::Id message, NoticeHandler handler);
    // The payload as it came, for messages whose receivers read it themselves (the strokes, which
    // a first-version server relays as any drawer typed them). A handler may throw on a malformed
    // payload; the message is then dropped.
    void routeToView(const QString& command, CommandTable::Handler handler);
    // The protocol's messages to a client that nothing handles yet: none once the window is built.
    QStringList unhandledMessages() const;

    // Sends a complete framed message to the server; throws ESockException when that fails.
    void send(const QByteArray& bytes);
    // Tests capture what the session sends instead of writing to a socket.
    void setSendOverride(std::function<void(const QByteArray&)> send) { m_sendOverride = std::move(send); }

    // The receive side: queue an entry as if it had arrived, and handle one entry.
    void queueEntry(const QString& entry);
    bool processsocktimer();
    // Handles waiting entries for up to kDrainSliceMs; returns whether more wait.
    bool drainForAWhile();
    static constexpr int kDrainSliceMs = 8;
    // Benchmarks compare with the first version's pace: 0 handles one entry a tick.
    void setDrainSliceMs(int ms) { m_drainSliceMs = ms; }
    void setManualDrain(bool manual) { m_drainTimer->setManual(manual); }
    qsizetype pendingEntries() const { return m_receivedlist.size(); }

    // ---- what the player asks for ----
    // Returns whether the pick went out (only the drawer may pick).
    bool pickCategory(int category) { return m_rounds.onPickCategory(category); }
    void pass() { m_rounds.button_passClick(); }
    void guess(const QString& text) { m_guessing.sendGuess(text); }
    // Letter hints are asked for only from a server that announced it knows them.
    void requestStart(bool team, const QString& playto, const QString& seconds, bool revealLetters = false);
    void toggleJustWatch() { m_watchers.onJustWatch(); }
    void removePlayer(int seat) { m_watchers.kicking(seat); }
    // In a listed room of a server that counts votes: whether this copy may vote `seat` out, and
    // the vote.
    bool mayVoteToRemove(int seat) const;
    void voteToRemove(int seat);

signals:
    // A line for the chat log in one of the status colours.
    void chatLine(const QString& text, quint32 colour);
    void soundCue(const QString& name);
    // A guess line for the drawer's list, and one for a guesser's own list.
    void drawerGuessLine(const QString& line);
    void guesserGuessLine(const QString& line);
    // A new turn: guess lists, the board and the brush start afresh.
    void turnStarted();
    // The category pick abandons any stroke in progress.
    void strokeAbandoned();
    // A game start is about to put every score back to 0: the last game's scores still stand.
    void scoresClearing();
    // A game starts (or starts again); a newcomer to a running game does not see this.
    void gameStarted();
    // The phrase of the running turn is settled; the board still shows the drawing.
    void turnEnded(const pictova::TurnEnd& end);
    // The server confirmed this copy's own arrival.
    void ownArrival();
    // A notice the player must read; `endsGame` closes the window once it is dismissed.
    void notice(const QString& text, bool endsGame);
    // The game is over for this copy: the window ends.
    void ended();
    // A join from the window failed; `text` says why, for the player.
    void joinFailed(pictova::JoinProblem problem, const QString& text);
    void joined();
    // A game joined from the window is over for this copy; `text` says why.
    void connectionLost(const QString& text);
    // A game joined from the window lost its connection; attempt `attempt` starts soon.
    void reconnecting(int attempt);
    // It is back in the game.
    void reconnected();
    // A message from the server was dropped: `why` names the field that broke its range.
    void noticeRefused(const QString& name, const QString& why);
    // The server said which room this connection plays in.
    void roomChanged();

private:
    void buildCommandTable();
    void sockRead();
    void failJoin(JoinProblem problem, const QString& text);
    void receivedFeatures(const QStringList& words);
    void receivedRejoinToken(const QString& token);
    void receivedRoom(const ServerNotice& notice);
    void refusedRoom(const QString& reason);
    void closeQuietly();
    // The game joined from the window is over for this copy: nothing of its turn goes on.
    void gameOver(const QString& text);
    void startReconnecting();
    void retryLater();
    void endReconnecting(const QString& text);
    // Where the current connection came from decides how its end is shown.
    enum class JoinState { CommandLine, Joining, Joined, Reconnecting };

    GameModel m_model;
    CountdownClock m_countdown;
    SeatsHandler m_seats;
    RoundsHandler m_rounds;
    GuessingHandler m_guessing;
    WatchersHandler m_watchers;

    QString m_playerName;
    QString m_loginName;
    QString m_hostAddress;
    QString m_language;

    TSock m_sock;
    TSock m_sideChannel;
    MessageFramer m_framer;
    ReceiveQueue m_receivedlist;
    DrainTimer* m_drainTimer = nullptr;
    int m_drainSliceMs = kDrainSliceMs;
    CommandTable m_commands;
    std::function<void(const QByteArray&)> m_sendOverride;

    JoinState m_joinState = JoinState::CommandLine;
    QString m_joinTarget;
    QString m_joinHost; // as the player gave it, for the room's link
    QTimer m_joinTimer;
    Resolver m_resolver;
    bool m_leaving = false;

    QString m_joinAddress; // as resolved, for getting back in
    quint16 m_joinPort = 0;
    QStringList m_serverFeatures;
    bool m_featuresAnswered = false;
    bool m_closedInOrder = false; // the server said the game is over for good
    bool m_removed = false;       // the game master removed this copy
    QString m_closedBy;           // whose hosting copy closed it, when one did
    QString m_rejoinToken;
    QString m_tokenToPresent; // the lost connection's token, until the new one is in
    RoomAsk m_roomAsk;
    QString m_roomCode;
    QString m_roomName;
    bool m_roomListed = false;
    quint16 m_roomWebPort = 0;
    ReconnectSchedule m_reconnect;
    QTimer m_reconnectTimer;
    bool m_manualReconnect = false;
};

} // namespace pictova
