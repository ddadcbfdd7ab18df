// The pictova-server program itself, started as a separate process with no display.
#include "messaging/catalogue.h"
#include "rooms/roomgate.h"
#include "tests/support/protoclient.h"
#include "tests/support/waitfor.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

namespace pictova::test {
namespace {

class ServerProgram : public ::testing::Test
{
protected:
    void TearDown() override
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(3000);
        }
    }

    void start(const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        for (auto setting = extraEnvironment.cbegin(); setting != extraEnvironment.cend(); ++setting)
            environment.insert(setting.key(), setting.value());
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(PICTOVA_SERVER_PROGRAM), arguments);
        ASSERT_TRUE(process.waitForStarted(5000));
    }

    // Runs to the end; the exit code, or -1 when it crashed or did not end.
    int finish(int timeoutMs = 5000)
    {
        if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit)
            return -1;
        out += QString::fromLocal8Bit(process.readAllStandardOutput());
        err += QString::fromLocal8Bit(process.readAllStandardError());
        return process.exitCode();
    }

    QStringList outLines()
    {
        out += QString::fromLocal8Bit(process.readAllStandardOutput());
        // Only whole lines: a port number read half-way would be a wrong port.
        return out.left(out.lastIndexOf(QLatin1Char('\n')) + 1).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QStringList errLines()
    {
        err += QString::fromLocal8Bit(process.readAllStandardError());
        return err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // Waits for the log line that names the port.
    quint16 listeningPort()
    {
        static const QRegularExpression listening(QStringLiteral("^listening on port (\\d+)"));
        quint16 port = 0;
        waitFor(
            [&] {
                for (const QString& line : outLines())
                    if (const QRegularExpressionMatch match = listening.match(line); match.hasMatch())
                        port = static_cast<quint16>(match.captured(1).toUInt());
                return port != 0;
            },
            5000);
        return port;
    }

    bool logged(const QString& line)
    {
        return waitFor([&] { return outLines().contains(line); }, 5000);
    }

    QProcess process;
    QMap<QString, QString> extraEnvironment;
    QString out;
    QString err;
};

TEST_F(ServerProgram, AStopSignalClosesEveryConnectionInOrderAndEndsWithZero)
{
    for (const int signal : {SIGTERM, SIGINT}) {
        out.clear();
        err.clear();
        start({QStringLiteral("--port"), QStringLiteral("0")});
        const quint16 port = listeningPort();
        ASSERT_NE(port, 0);
        ProtoClient ann;
        ProtoClient bob;
        ASSERT_TRUE(ann.joinAs(port, QStringLiteral("Ann")));
        ASSERT_TRUE(bob.joinAs(port, QStringLiteral("Bob")));
        ASSERT_TRUE(logged(QStringLiteral("login seat 2 \"Bob\" from 127.0.0.1")));

        ::kill(static_cast<pid_t>(process.processId()), signal);
        EXPECT_EQ(finish(), 0);
        EXPECT_TRUE(ann.waitForClose());
        EXPECT_TRUE(bob.waitForClose());
        // Seat 1 went first, and Bob was told before his own connection closed.
        EXPECT_TRUE(waitFor([&] { return !bob.messagesNamed(cmd::playerdisconnected).isEmpty(); }));
        EXPECT_EQ(bob.messagesNamed(cmd::playerdisconnected), QStringList({"CMD_playerdisconnected+1+Ann"}));
        const QStringList lines = outLines();
        const qsizetype first = lines.indexOf(QStringLiteral("left seat 1 \"Ann\": server stopping"));
        const qsizetype second = lines.indexOf(QStringLiteral("left seat 2 \"Bob\": server stopping"));
        EXPECT_GE(first, 0);
        EXPECT_GT(second, first);
        EXPECT_EQ(lines.last(), QStringLiteral("stopped"));
        EXPECT_TRUE(errLines().isEmpty()) << err.toStdString();
    }
}

// The limits of the command line reach the server: three lines where two may pass, and the
// sender told once the burst is over.
TEST_F(ServerProgram, TheChatAndGuessLimitsAreTakenFromTheCommandLine)
{
    start({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--chat-limit"),
           QStringLiteral("2/1"), QStringLiteral("--guess-limit"), QStringLiteral("0")});
    const quint16 port = listeningPort();
    ASSERT_NE(port, 0);
    ProtoClient ann;
    ASSERT_TRUE(ann.joinAs(port, QStringLiteral("Ann")));
    for (int i = 1; i <= 3; ++i)
        ann.send(toserver::chat(1, QStringLiteral("line %1").arg(i), QStringLiteral("clNavy")));
    EXPECT_FALSE(
        ann.waitForMessage(QStringLiteral("CMD_chat+Server: Slow down: 1 lines were not sent.")).isEmpty());
    EXPECT_EQ(ann.messagesNamed(cmd::chat).filter(QStringLiteral("Ann chats")),
              QStringList({"CMD_chat+Ann chats: line 1|clNavy", "CMD_chat+Ann chats: line 2|clNavy"}));
}

// A refused request's name is a peer's text: on standard error it can neither start a line of its
// own, nor steer the terminal, nor turn the line around.
TEST_F(ServerProgram, ARefusedRequestCannotForgeALineOnStandardError)
{
    start({QStringLiteral("--port"), QStringLiteral("0")});
    const quint16 port = listeningPort();
    ASSERT_NE(port, 0);
    ProtoClient ann;
    ASSERT_TRUE(ann.joinAs(port, QStringLiteral("Ann")));
    ann.send(QByteArray("x\nlogin seat 1 \"Admin\" from 6.6.6.6\x1b[2J\xe2\x80\xae+1\xff"));
    ASSERT_TRUE(waitFor([&] { return !errLines().isEmpty(); }, 5000));
    EXPECT_EQ(errLines(),
              QStringList({"pictova: dropped x\\x0alogin seat 1 \"Admin\" from 6.6.6.6\\x1b[2J\\x202e: "
                           "not a request of this game"}));
}

// The web port: its links printed at the start, the page served there; off with 0; a web port
// asked for and in use ends the program as the game port does.
TEST_F(ServerProgram, TheWebPortIsOnWithItsLinksPrintedOrOff)
{
    QTcpServer holder;
    ASSERT_TRUE(holder.listen(QHostAddress::AnyIPv4, 0));
    start({QStringLiteral("--port"), QStringLiteral("0")});
    ASSERT_NE(listeningPort(), 0);
    static const QRegularExpression link(QStringLiteral("^web players join at http://[0-9.]+:(\\d+)/$"));
    quint16 webPort = 0;
    ASSERT_TRUE(waitFor([&] {
        for (const QString& line : outLines())
            if (const QRegularExpressionMatch match = link.match(line); match.hasMatch())
                webPort = static_cast<quint16>(match.captured(1).toUInt());
        return webPort != 0;
    }));
    QTcpSocket http;
    http.connectToHost(QHostAddress::LocalHost, webPort);
    http.write("GET / HTTP/1.0\r\n\r\n");
    QByteArray answer;
    QObject::connect(&http, &QTcpSocket::readyRead, [&] { answer += http.readAll(); });
    EXPECT_TRUE(waitFor([&] { return answer.contains("</html>"); }));
    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    EXPECT_EQ(finish(), 0);

    out.clear();
    start({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--web-port"), QStringLiteral("0")});
    ASSERT_NE(listeningPort(), 0);
    EXPECT_TRUE(outLines().filter(QStringLiteral("web players")).isEmpty());
    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    EXPECT_EQ(finish(), 0);

    err.clear();
    start({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--web-port"),
           QString::number(holder.serverPort())});
    EXPECT_EQ(finish(), 1);
    EXPECT_EQ(errLines(),
              QStringList({QStringLiteral("pictova-server: cannot listen on web port %1: it is in use "
                                          "or not allowed")
                               .arg(holder.serverPort())}));
}

TEST_F(ServerProgram, APortInUseEndsWithOneLineOnStandardError)
{
    QTcpServer holder;
    ASSERT_TRUE(holder.listen(QHostAddress::AnyIPv4, 0));
    start({QStringLiteral("--port"), QString::number(holder.serverPort())});
    EXPECT_EQ(finish(), 1);
    ASSERT_EQ(errLines().size(), 1) << err.toStdString();
    EXPECT_TRUE(
        errLines().first().contains(QStringLiteral("cannot listen on port %1").arg(holder.serverPort())));
    EXPECT_TRUE(outLines().isEmpty());
}

TEST_F(ServerProgram, ABadOptionEndsWithOneLineOnStandardError)
{
    for (const QStringList& arguments :
         QList<QStringList>{{"--port", "70000"}, {"--frobnicate"}, {"--name"}, {"--words-language", "xx"}}) {
        err.clear();
        out.clear();
        start(arguments);
        EXPECT_EQ(finish(), 2);
        ASSERT_EQ(errLines().size(), 1) << err.toStdString();
        EXPECT_TRUE(errLines().first().startsWith(QStringLiteral("pictova-server: ")));
        EXPECT_TRUE(outLines().isEmpty());
    }
}

TEST_F(ServerProgram, AWordFolderSaysWhatItCannotUseAndOneWithNothingToDealStopsTheStart)
{
    QTemporaryDir words;
    QFile general(words.filePath(QStringLiteral("general.txt")));
    ASSERT_TRUE(general.open(QIODevice::WriteOnly));
    general.write("zebra crossing\n" + QByteArray(61, 'z') + "\n");
    general.close();
    start({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--words"), words.path()});
    ASSERT_NE(listeningPort(), 0);
    const QStringList problems = errLines();
    EXPECT_TRUE(problems.contains(QStringLiteral("pictova-server: --words: 1 entry from general.txt.")))
        << err.toStdString();
    EXPECT_TRUE(problems.contains(
        QStringLiteral("pictova-server: --words: general.txt line 2: longer than 60 characters")));
    process.kill();
    process.waitForFinished(3000);

    ASSERT_TRUE(general.remove());
    err.clear();
    out.clear();
    start({QStringLiteral("--words"), words.path()});
    EXPECT_EQ(finish(), 2);
    EXPECT_TRUE(errLines().last().contains(QStringLiteral("no word to deal")));
    EXPECT_TRUE(outLines().isEmpty());
}

TEST_F(ServerProgram, HelpAndVersion)
{
    start({QStringLiteral("--help")});
    EXPECT_EQ(finish(), 0);
    EXPECT_TRUE(out.startsWith(QStringLiteral("Usage: pictova-server")));
    out.clear();
    start({QStringLiteral("--version")});
    EXPECT_EQ(finish(), 0);
    EXPECT_EQ(out, QStringLiteral("pictova-server 2.2.4\n"));
}

TEST_F(ServerProgram, AnAnnouncementThatCannotBeMadeIsOneLineAndTheServerRunsOn)
{
    // No interface has this name, so nothing is sent anywhere.
    extraEnvironment.insert(QStringLiteral("PICTOVA_LAN_INTERFACE"), QStringLiteral("no-such-interface"));
    start({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--announce"),
           QStringLiteral("--name"), QStringLiteral("Friday")});
    const quint16 port = listeningPort();
    ASSERT_NE(port, 0);
    EXPECT_TRUE(outLines().contains(QStringLiteral("listening on port %1 as \"Friday\"").arg(port)));
    // The refusal follows the listening line.
    ASSERT_TRUE(waitFor([&] { return !errLines().isEmpty(); }, 5000));
    ASSERT_EQ(errLines().size(), 1);
    EXPECT_TRUE(errLines().first().contains(QStringLiteral("serving without announcing")));
    ProtoClient ann;
    EXPECT_TRUE(ann.joinAs(port, QStringLiteral("Ann")));
    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    EXPECT_EQ(finish(), 0);
}

// Rooms behind the one port: a room's log lines carry its code, a client that names no room plays
// in the server's own game, and the operators' metrics count both.
TEST_F(ServerProgram, RoomsAreLoggedByCodeAndCountedInTheMetrics)
{
    start({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--web-port"), QStringLiteral("0"),
           QStringLiteral("--metrics"), QStringLiteral("127.0.0.1:0")});
    const quint16 port = listeningPort();
    ASSERT_NE(port, 0);
    static const QRegularExpression metricsLine(
        QStringLiteral("^metrics at http://127.0.0.1:(\\d+)/metrics$"));
    quint16 metricsPort = 0;
    // The metrics line follows the listening line and may arrive in a later read.
    waitFor(
        [&] {
            for (const QString& line : outLines())
                if (const QRegularExpressionMatch match = metricsLine.match(line); match.hasMatch())
                    metricsPort = static_cast<quint16>(match.captured(1).toUInt());
            return metricsPort != 0;
        },
        5000);
    ASSERT_NE(metricsPort, 0) << out.toStdString();

    ProtoClient ann;
    ASSERT_TRUE(ann.connectTo(port));
    ann.send(rooms::RoomGate::createRequest(false, QStringLiteral("Mine")));
    const QString inRoom = ann.waitForMessage(QStringLiteral("CMD_inroom+"));
    const QString code = inRoom.section(QLatin1Char('+'), 1, 1);
    ASSERT_EQ(code.size(), 5) << inRoom.toStdString();
    ASSERT_FALSE(ann.waitForMessage(cmd::sendlogininfo).isEmpty());
    ann.send(toserver::logininfo(1, QStringLiteral("2.2.4"), QStringLiteral("Ann")));
    EXPECT_TRUE(logged(QStringLiteral("room %1: made by 127.0.0.1 (private)").arg(code)));
    EXPECT_TRUE(logged(QStringLiteral("room %1: login seat 1 \"Ann\" from 127.0.0.1").arg(code)));
    ProtoClient old;
    ASSERT_TRUE(old.joinAs(port, QStringLiteral("Old")));
    EXPECT_EQ(old.seat(), 1);
    EXPECT_TRUE(logged(QStringLiteral("login seat 1 \"Old\" from 127.0.0.1")));

    const auto get = [&](const QByteArray& target) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, metricsPort);
        socket.write("GET " + target + " HTTP/1.1\r\nHost: x\r\n\r\n");
        QByteArray reply;
        waitFor([&] {
            reply += socket.readAll();
            return socket.state() == QAbstractSocket::UnconnectedState;
        });
        return reply + socket.readAll();
    };
    // A room on a thread of its own tells the front of its players a moment after its log line.
    QByteArray metrics;
    waitFor([&] {
        metrics = get("/metrics");
        return metrics.contains("\npictova_players 2\n");
    });
    EXPECT_TRUE(metrics.startsWith("HTTP/1.1 200")) << metrics.toStdString();
    for (const char* figure : {"\npictova_rooms 2\n", "\npictova_players 2\n", "\npictova_connections 2\n"})
        EXPECT_TRUE(metrics.contains(figure)) << figure << metrics.toStdString();
    EXPECT_TRUE(metrics.contains("\npictova_messages_received_total "));
    EXPECT_TRUE(get("/").startsWith("HTTP/1.1 404"));
}

} // namespace
} // namespace pictova::test
