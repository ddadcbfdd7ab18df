#pragma once

#include "server/gameserver.h"
#include "tests/support/protoclient.h"

#include <QProcess>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <vector>

namespace pictova::test {

// A real server on an ephemeral loopback port with its timers driven by hand, and scripted
// protocol clients that join it.
class ServerFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Every list holds the same phrase many times over, so every deal is that phrase.
    static WordLists listsOf(const QString& phrase, int copies = 100);

    // Runs the server's queue and the event loop until `condition` holds.
    bool settle(const std::function<bool()>& condition, int timeoutMs = 5000);
    // Connects without logging in; waits for the seat to be given.
    ProtoClient* connectClient();
    // Connects, logs in and waits until the server has announced the newcomer.
    ProtoClient* join(const QString& name, const QString& version = QStringLiteral("2.2.4"));
    // Waits until everything the server sent so far has reached every connected client: seat
    // `via` sends a marker chat line, which is sent after all else on every connection.
    void barrier(ProtoClient* via = nullptr);
    // A barrier, then every client forgets what it has received.
    void clearAll(ProtoClient* via = nullptr);
    // What the client received, without barrier lines.
    static QStringList log(const ProtoClient* client);
    static QStringList named(const ProtoClient* client, const QString& name);

    void tick(int seconds = 1);
    // Closes a client and waits for the server to free its seat.
    void leave(ProtoClient* client);

    // Game helpers. A start request from the host's client (seat 1).
    void startGame(bool team, int playto, int seconds);
    // Ticks through the pick phase to the deal.
    void tickToDeal();
    // Ticks through the drawing phase to the time-out.
    void tickToTimeOut();
    // Ticks through the break.
    void tickThroughBreak();
    // A guess from `client`; handled once it is queued.
    void guess(ProtoClient* client, const QString& text);
    void send(ProtoClient* client, const QByteArray& bytes);
    // A log-in on the client's own seat under any name, handled once it is queued.
    void logIn(ProtoClient* client, const QString& name);
    int seatOf(const ProtoClient* client) const { return seats.at(client); }
    // The server's drawing log as the messages it sends a newcomer, without terminators.
    QStringList logged() const;

    std::unique_ptr<GameServer> server;
    quint16 port = 0;
    std::vector<ProtoClient*> clients;
    std::map<const ProtoClient*, int> seats; // as the server gave them
    int barriers = 0;
    qint64 clockMs = 0; // the line limits' clock
};

// The server a scenario runs against: this process's own GameServer with its timers driven by
// hand, or the real pictova-server program on a free loopback port with its own clock. Both
// must answer the same bytes.
class ServerTarget
{
public:
    enum class Kind { InProcess, Program };
    explicit ServerTarget(Kind kind) : m_kind(kind) {}
    ~ServerTarget();

    // Starts the server; false (with the reason in `failure`) when it did not come up.
    bool start();
    quint16 port() const { return m_port; }
    Kind kind() const { return m_kind; }
    QString failure() const { return m_failure; }

    // Runs the event loop (and, in process, the server's queue) until `condition` holds.
    bool settle(const std::function<bool()>& condition, int timeoutMs = 5000);
    // Lets `seconds` of the turn timer pass and waits for `condition`: in process by ticks, for
    // the program by its own clock.
    bool passSeconds(int seconds, const std::function<bool()>& condition);
    // The program's log so far (empty in process).
    QStringList logLines() const;

private:
    Kind m_kind;
    std::unique_ptr<GameServer> m_server;
    std::unique_ptr<QProcess> m_process;
    quint16 m_port = 0;
    QString m_failure;
};

// Where the build put pictova-server.
QString serverProgramPath();

} // namespace pictova::test
