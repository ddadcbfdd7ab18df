#include "messaging/errors.h"
#include "messaging/tsock.h"
#include "tests/support/waitfor.h"

#include <QDir>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

using namespace pictova;
using test::waitFor;

namespace {
struct InfoLog
{
    QStringList messages;
    void attach(TSock& sock)
    {
        QObject::connect(&sock, &TSock::onInfo,
                         [this](TSock*, SocketInfo, const QString& m) { messages << m; });
    }
};

struct ListeningPair
{
    TSock listener;
    TSock client;
    TSock* accepted = nullptr;
    InfoLog listenerLog, clientLog;

    bool setUp()
    {
        listenerLog.attach(listener);
        clientLog.attach(client);
        listener.PortName = "0";
        listener.setListen(true);
        QObject::connect(&listener, &TSock::onAccept,
                         [this](TSock*) { accepted = listener.accept(&listener); });
        client.HostName = "127.0.0.1";
        client.PortName = QString::number(listener.localPort());
        client.open();
        return waitFor([this] { return accepted && client.connected(); });
    }
};
} // namespace

TEST(TSock, ConnectAcceptSendReceiveWithTheReports)
{
    ListeningPair pair;
    ASSERT_TRUE(pair.setUp());
    EXPECT_TRUE(pair.listenerLog.messages.contains("Listening Started"));
    EXPECT_TRUE(pair.listenerLog.messages.contains("Created New TSock Structure"));
    EXPECT_TRUE(pair.clientLog.messages.contains("Non-Blocking Socket Connected"));
    EXPECT_TRUE(pair.clientLog.messages.contains("Lookup Of Host 127.0.0.1"));
    EXPECT_EQ(pair.accepted->HostName, "127.0.0.1");

    QByteArray received;
    QObject::connect(pair.accepted, &TSock::onRead, [&](TSock* s, qsizetype) { received += s->receive(); });
    // Larger than any socket buffer takes at once: it must arrive whole and in order.
    QByteArray big;
    for (int i = 0; i < 400000; ++i)
        big.append(static_cast<char>(i % 251));
    pair.client.send(big.left(1000));
    pair.client.send(big.mid(1000));
    ASSERT_TRUE(waitFor([&] { return received.size() >= big.size(); }, 10000));
    EXPECT_EQ(received, big);
}

namespace {
// A listener whose accepted side is a TSock, with a plain Qt socket as the peer, which the test
// can read without turning the event loop (and so without giving the TSock a turn).
struct PlainPeer
{
    TSock listener;
    TSock* accepted = nullptr;
    QTcpSocket peer;

    bool setUp()
    {
        listener.PortName = "0";
        listener.setListen(true);
        QObject::connect(&listener, &TSock::onAccept,
                         [this](TSock*) { accepted = listener.accept(&listener); });
        peer.connectToHost(QHostAddress::LocalHost, listener.localPort());
        return waitFor([this] { return accepted != nullptr; });
    }
};
} // namespace

TEST(TSock, AMessageLeavesWithoutWaitingForTheEventLoop)
{
    PlainPeer pair;
    ASSERT_TRUE(pair.setUp());
    pair.accepted->send("CMD_draw+1+$00FF0000+3++10,20\xff");
    EXPECT_EQ(pair.accepted->outgoingSize(), 0);
    // waitForReadyRead runs no event loop: the bytes are there only if send wrote them.
    ASSERT_TRUE(pair.peer.waitForReadyRead(2000));
    EXPECT_EQ(pair.peer.readAll(), "CMD_draw+1+$00FF0000+3++10,20\xff");
}

TEST(TSock, WhatTheSystemCannotTakeWaitsAndLaterMessagesQueueBehindIt)
{
    PlainPeer pair;
    ASSERT_TRUE(pair.setUp());
    // The peer reads nothing until the system's buffers are full and our queue holds the rest.
    QByteArray expected;
    const QByteArray chunk(64 * 1024, 'x');
    for (int i = 0; i < 1024 && pair.accepted->outgoingSize() == 0; ++i) {
        pair.accepted->send(chunk);
        expected += chunk;
    }
    ASSERT_GT(pair.accepted->outgoingSize(), 0);
    // The peer makes room in the system's buffers while our queue still waits for its turn of
    // the event loop: a message written straight through now would overtake the queue.
    QByteArray received;
    while (received.size() < 1024 * 1024 && pair.peer.waitForReadyRead(2000))
        received += pair.peer.readAll();
    ASSERT_GT(pair.accepted->outgoingSize(), 0);
    for (int i = 0; i < 100; ++i) {
        const QByteArray message = "CMD_chat+" + QByteArray::number(i) + "\xff";
        pair.accepted->send(message);
        expected += message;
    }
    ASSERT_TRUE(waitFor(
        [&] {
            received += pair.peer.readAll();
            return received.size() >= expected.size();
        },
        20000));
    EXPECT_EQ(received.size(), expected.size());
    EXPECT_TRUE(received == expected);
    EXPECT_EQ(pair.accepted->outgoingSize(), 0);
}

TEST(TSock, PeerCloseGivesDisconnectThenSocketClosed)
{
    ListeningPair pair;
    ASSERT_TRUE(pair.setUp());
    QStringList events;
    QObject::connect(&pair.client, &TSock::onDisconnect, [&](TSock*) { events << "disconnect"; });
    QObject::connect(&pair.client, &TSock::onInfo, [&](TSock*, SocketInfo kind, const QString& m) {
        if (kind == SocketInfo::Closed)
            events << m;
    });
    pair.accepted->send(QByteArray("CMD_full+\xff", 10));
    pair.accepted->close();
    QByteArray got;
    QObject::connect(&pair.client, &TSock::onRead, [&](TSock* s, qsizetype) { got += s->receive(); });
    ASSERT_TRUE(waitFor([&] { return events.contains("Socket Closed"); }));
    EXPECT_EQ(events.first(), "disconnect");
    EXPECT_EQ(got, QByteArray("CMD_full+\xff", 10));
}

TEST(TSock, TwoClosesGiveTwoReportsAndOpenTwiceChangesNothing)
{
    ListeningPair pair;
    ASSERT_TRUE(pair.setUp());
    EXPECT_TRUE(pair.client.open());
    pair.clientLog.messages.clear();
    pair.client.close();
    pair.client.close();
    EXPECT_EQ(pair.clientLog.messages.count("Socket Closed"), 2);
    EXPECT_THROW(pair.client.send("x"), ESockException);
}

TEST(TSock, RefusedConnectReportsAnErrorAndSendsWait)
{
    quint16 freePort;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        freePort = probe.serverPort();
    }
    TSock client;
    InfoLog log;
    log.attach(client);
    client.HostName = "127.0.0.1";
    client.PortName = QString::number(freePort);
    client.open();
    ASSERT_TRUE(waitFor([&] { return log.messages.contains("Error #10061 (WSAECONNREFUSED)"); }));
    EXPECT_FALSE(log.messages.contains("Socket Closed"));
    EXPECT_NO_THROW(client.send("waiting"));
    EXPECT_EQ(client.outgoingSize(), 7);
}

TEST(TSock, ErrorsCarryTheirTexts)
{
    TSock sock;
    try {
        sock.send("x");
        ADD_FAILURE();
    } catch (const ESockException& e) {
        EXPECT_EQ(e.text(), "Send - Socket Not Connected");
    }
    EXPECT_THROW(sock.receive(), ESockException);
    EXPECT_THROW(sock.accept(), ESockException);

    TSock first, second;
    first.PortName = "0";
    first.setListen(true);
    second.PortName = QString::number(first.localPort());
    try {
        second.setListen(true);
        ADD_FAILURE();
    } catch (const ESockException& e) {
        EXPECT_EQ(e.text(), "Listen - Error Binding Socket");
    }
    EXPECT_THROW(first.send("x"), ESockException);

    TSock badHost;
    badHost.HostName = "no-such-host.invalid";
    badHost.PortName = "7772";
    EXPECT_THROW(badHost.open(), ESockException);
}

TEST(TSock, DottedAddressesNeverReachTheResolverAndNamesAreCached)
{
    TSock::clearNameCache();
    TSock dotted;
    dotted.HostName = "127.0.0.1";
    dotted.PortName = "1";
    dotted.open();
    EXPECT_EQ(TSock::resolverCalls(), 0);
    TSock a, b;
    a.HostName = b.HostName = "localhost";
    a.PortName = b.PortName = "1";
    a.open();
    b.open();
    EXPECT_EQ(TSock::resolverCalls(), 1);
}

// A listener that ran out of file descriptors takes connections again once some are free: a
// crowd of connections must not leave a port that takes no one after it has gone.
TEST(TSock, AListenerOutOfFileDescriptorsTakesConnectionsAgainOnceSomeAreFree)
{
    TSock listener;
    listener.PortName = "0";
    listener.setListen(true);
    int accepted = 0;
    QObject::connect(&listener, &TSock::onAccept, [&](TSock*) {
        if (listener.accept(&listener))
            ++accepted;
    });
    QStringList reported;
    setErrorReporter([&](const QString& text) { reported << text; });

    // The connection waits in the system's queue; then every descriptor is taken.
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, listener.localPort());
    ASSERT_TRUE(client.waitForConnected(3000));
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &limit), 0);
    const rlimit saved = limit;
    int highest = 0;
    for (const QString& fd : QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System))
        highest = std::max(highest, fd.toInt());
    limit.rlim_cur = rlim_t(highest + 1);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &limit), 0);
    std::vector<int> filler;
    for (int fd = ::open("/dev/null", O_RDONLY); fd >= 0; fd = ::open("/dev/null", O_RDONLY))
        filler.push_back(fd);

    const bool refused = waitFor([&] { return !reported.isEmpty(); });
    for (int fd : filler)
        ::close(fd);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &saved), 0);
    setErrorReporter({});
    ASSERT_TRUE(refused);
    EXPECT_EQ(accepted, 0);
    EXPECT_TRUE(reported.first().startsWith(QStringLiteral("cannot take a connection")))
        << reported.first().toStdString();
    EXPECT_TRUE(waitFor([&] { return accepted == 1; }));
}
