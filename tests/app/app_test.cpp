#include "messaging/catalogue.h"
#include "tests/support/protoclient.h"
#include "tests/support/waitfor.h"

#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pictova;
using test::ProtoClient;
using test::waitFor;

namespace {
quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::AnyIPv4, 0);
    return probe.serverPort();
}

class Copy
{
public:
    Copy(const QString& runtime, const QString& data, quint16 port)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime);
        env.insert("PICTOVA_DATA_DIR", data);
        env.insert("PICTOVA_PORT", QString::number(port));
        env.insert("PICTOVA_NO_SOUND", "1");
        env.insert("PICTOVA_LOBBY_URL", "http://127.0.0.1:1/lobby/zvmsetup.exe");
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    ~Copy()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
    void start(const QStringList& args) { m_process.start(PICTOVA_BINARY, args); }
    QProcess& process() { return m_process; }

    // The copy reports on stderr when its window first paints, by which time it has acted on its
    // command line. Call before start().
    void reportStartup()
    {
        QProcessEnvironment env = m_process.processEnvironment();
        env.insert("PICTOVA_REPORT_STARTUP", "1");
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        QObject::connect(&m_process, &QProcess::readyReadStandardError,
                         [this] { m_stderr += m_process.readAllStandardError(); });
    }
    bool waitForWindow(int timeoutMs)
    {
        return waitFor([this] { return m_stderr.contains("pictova: window shown"); }, timeoutMs);
    }

private:
    QProcess m_process;
    QByteArray m_stderr;
};
} // namespace

TEST(App, HostServesProtocolClientsAndASecondCopyDefersToTheFirst)
{
    QTemporaryDir runtime, data;
    const quint16 port = freePort();
    Copy host(runtime.path(), data.path(), port);
    host.start({"Host", "127.0.0.1", "true"});
    ASSERT_TRUE(host.process().waitForStarted());

    ProtoClient guest;
    ASSERT_TRUE(waitFor([&] { return guest.connectTo(port, 200); }, 15000));
    const QString seat = guest.waitForMessage("CMD_sendlogininfo+", 5000);
    EXPECT_EQ(seat, "CMD_sendlogininfo+2");
    guest.send(toserver::logininfo(2, "2.2.4", "Guest"));
    EXPECT_FALSE(guest.waitForMessage("CMD_existingplayers+1+Host", 5000).isEmpty());
    guest.send(toserver::chat(2, "hello", "clRed"));
    EXPECT_FALSE(guest.waitForMessage("CMD_chat+Guest chats: hello|clRed", 5000).isEmpty());

    Copy second(runtime.path(), data.path(), freePort());
    second.start({"Other", "127.0.0.1", "true"});
    ASSERT_TRUE(second.process().waitForFinished(15000));
    EXPECT_EQ(second.process().exitCode(), 0);
    EXPECT_EQ(host.process().state(), QProcess::Running);

    // The host leaving closes every client's connection.
    host.process().terminate();
    EXPECT_TRUE(guest.waitForClose(10000));
}

TEST(App, AJoinerLogsInAndLeavesWhenTheHostRemovesIt)
{
    QTemporaryDir hostRuntime, idleRuntime, joinRuntime, data;
    const quint16 port = freePort();
    Copy host(hostRuntime.path(), data.path(), port);
    host.start({"Host", "127.0.0.1", "true"});
    ProtoClient watcher;
    ASSERT_TRUE(waitFor([&] { return watcher.connectTo(port, 200); }, 15000));
    ASSERT_FALSE(watcher.waitForMessage("CMD_sendlogininfo+2", 5000).isEmpty());
    watcher.send(toserver::logininfo(2, "2.2.4", "Watcher"));

    // Two parameters: the window opens, with no connection at all. It stays up while the next
    // copy joins, which therefore gets seat 3.
    Copy idle(idleRuntime.path(), data.path(), port);
    idle.reportStartup();
    idle.start({"Idle", "127.0.0.1"});
    ASSERT_TRUE(idle.waitForWindow(15000));
    EXPECT_EQ(idle.process().state(), QProcess::Running);

    Copy joiner2(joinRuntime.path(), data.path(), port);
    joiner2.start({"Joe", "127.0.0.1", "false"});
    EXPECT_FALSE(watcher.waitForMessage("CMD_newplayerinfo+3+Joe", 15000).isEmpty());
    EXPECT_TRUE(watcher.messagesNamed(cmd::newplayerinfo).filter("Idle").isEmpty());
    EXPECT_EQ(idle.process().state(), QProcess::Running);
    // Only seat 1 may remove players: a request from seat 2 changes nothing. The server handles
    // a connection's requests in order, so the chat line after it comes back only afterwards.
    watcher.send(toserver::kickhim(2, 3));
    watcher.send(toserver::chat(2, "after the removal", "clRed"));
    EXPECT_FALSE(watcher.waitForMessage("CMD_chat+Watcher chats: after the removal|clRed", 10000).isEmpty());
    EXPECT_TRUE(watcher.messagesNamed(cmd::playerdisconnected).isEmpty());
    EXPECT_EQ(joiner2.process().state(), QProcess::Running);
    joiner2.process().kill();
    EXPECT_FALSE(watcher.waitForMessage("CMD_playerdisconnected+3+Joe", 10000).isEmpty());
}
