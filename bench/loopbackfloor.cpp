#include "bench/loopbackfloor.h"

#include "bench/coreplacement.h"

#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <arpa/inet.h>
#include <csignal>
#include <memory>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace pictova::bench {

namespace {
// A listening socket on the loopback, on a port of the system's choosing.
int listenOnLoopback(int backlog, quint16& port)
{
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener < 0 || ::bind(listener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(listener, backlog) != 0 ||
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (listener >= 0)
            ::close(listener);
        return -1;
    }
    port = ntohs(address.sin_port);
    return listener;
}

int acceptWithoutDelay(int listener)
{
    const int peer = ::accept(listener, nullptr, nullptr);
    const int one = 1;
    ::setsockopt(peer, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return peer;
}

// An echo in a process of its own, as the host is: one byte back for each byte, until the peer
// closes. The round trip through it adds the two wake-ups of another process that every relayed
// message pays too.
struct EchoProcess
{
    quint16 port = 0;
    pid_t pid = -1;
};
EchoProcess startEchoProcess()
{
    quint16 port = 0;
    const int listener = listenOnLoopback(1, port);
    if (listener < 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int peer = acceptWithoutDelay(listener);
        char byte;
        while (::read(peer, &byte, 1) == 1 && ::write(peer, &byte, 1) == 1) {
        }
        ::_exit(0);
    }
    ::close(listener);
    return {port, pid};
}
} // namespace

Summary loopbackRoundTrip(int rounds, bool otherProcess, int paceMs, bool sharedCores)
{
    const CoresKept cores;
    QTcpServer echo;
    quint16 port = 0;
    pid_t echoPid = -1;
    if (otherProcess) {
        const EchoProcess process = startEchoProcess();
        port = process.port;
        echoPid = process.pid;
        if (!sharedCores)
            placeApart(process.pid);
    } else {
        echo.listen(QHostAddress::LocalHost, 0);
        port = echo.serverPort();
    }
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, port);
    client.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    if (otherProcess) {
        if (!waitUntil([&] { return client.state() == QAbstractSocket::ConnectedState; }, 3000)) {
            if (echoPid > 0) { // never connected: it would wait in accept for ever
                ::kill(echoPid, SIGKILL);
                ::waitpid(echoPid, nullptr, 0);
            }
            return {};
        }
    } else {
        if (!waitUntil([&] { return echo.hasPendingConnections(); }, 3000))
            return {};
        QTcpSocket* peer = echo.nextPendingConnection();
        peer->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        QObject::connect(peer, &QTcpSocket::readyRead, [peer] { peer->write(peer->readAll()); });
    }
    // Each echo sends the next byte from the event loop, as the relay's sockets are served.
    std::vector<qint64> samples;
    qint64 sent = 0;
    QEventLoop loop;
    QObject::connect(&client, &QTcpSocket::readyRead, [&] {
        client.readAll();
        samples.push_back(nowNs() - sent);
        if (static_cast<int>(samples.size()) >= rounds) {
            loop.quit();
            return;
        }
        auto next = [&] {
            sent = nowNs();
            client.write("x", 1);
        };
        if (paceMs > 0)
            QTimer::singleShot(paceMs, Qt::PreciseTimer, &client, next);
        else
            next();
    });
    QTimer::singleShot(10000 + rounds * paceMs, &loop, &QEventLoop::quit);
    sent = nowNs();
    client.write("x", 1);
    loop.exec();
    if (otherProcess) {
        client.close(); // the echo ends
        ::wait(nullptr);
    }
    return summarise(samples);
}

Summary bareRelay(int seconds, int recipients, int paceMs, int messageBytes, bool sharedCores)
{
    const CoresKept cores;
    quint16 port = 0;
    const int listener = listenOnLoopback(recipients + 1, port);
    if (listener < 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::vector<pollfd> connections;
        for (int i = 0; i <= recipients; ++i)
            connections.push_back({acceptWithoutDelay(listener), POLLIN, 0});
        std::vector<char> buffer(65536);
        for (;;) {
            if (::poll(connections.data(), connections.size(), -1) < 0)
                ::_exit(1);
            for (size_t i = 0; i < connections.size(); ++i) {
                if (connections[i].revents == 0)
                    continue;
                const ssize_t got = ::read(connections[i].fd, buffer.data(), buffer.size());
                if (got <= 0)
                    ::_exit(0); // the bench closed
                if (i != 0)
                    continue;
                // Messages are small and the recipients keep up: each write is taken whole.
                for (size_t j = 1; j < connections.size(); ++j)
                    if (::write(connections[j].fd, buffer.data(), static_cast<size_t>(got)) != got)
                        ::_exit(1);
            }
        }
    }
    ::close(listener);
    if (!sharedCores)
        placeApart(pid);

    // Connected one after another, so that the relay accepts the sender first.
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    for (int i = 0; i <= recipients; ++i) {
        sockets.push_back(std::make_unique<QTcpSocket>());
        sockets.back()->connectToHost(QHostAddress::LocalHost, port);
        if (!sockets.back()->waitForConnected(3000))
            break;
        sockets.back()->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    }
    std::vector<qint64> sent, samples;
    bool measuring = false;
    const bool allConnected = static_cast<int>(sockets.size()) == recipients + 1 &&
                              sockets.back()->state() == QAbstractSocket::ConnectedState;
    if (allConnected) {
        // Each message is its number, padded to the size asked, and the game's terminator.
        for (int i = 1; i <= recipients; ++i) {
            QTcpSocket* socket = sockets[i].get();
            QObject::connect(
                socket, &QTcpSocket::readyRead, socket, [&, socket, pending = QByteArray()]() mutable {
                    pending += socket->readAll();
                    const qint64 arrived = nowNs();
                    qsizetype end;
                    while ((end = pending.indexOf('\xff')) >= 0) {
                        const qsizetype number = pending.left(end).trimmed().toLongLong();
                        pending.remove(0, end + 1);
                        if (measuring && number >= 0 && number < static_cast<qsizetype>(sent.size()))
                            samples.push_back(arrived - sent[number]);
                    }
                });
        }
        QTimer sender;
        sender.setTimerType(Qt::PreciseTimer);
        sender.setInterval(paceMs);
        QObject::connect(&sender, &QTimer::timeout, [&] {
            QByteArray message = QByteArray::number(static_cast<qint64>(sent.size()));
            message =
                message.leftJustified(std::max(messageBytes - 1, static_cast<int>(message.size())), ' ');
            message += '\xff';
            sent.push_back(nowNs());
            sockets.front()->write(message);
            sockets.front()->flush();
        });
        sender.start();
        pumpFor(1000); // warm up
        measuring = true;
        pumpFor(seconds * 1000);
        sender.stop();
        pumpFor(200); // the last ones arrive
        measuring = false;
    }
    if (!allConnected)
        ::kill(pid, SIGKILL); // it would wait in accept for ever for the connections that never came
    sockets.clear();          // the relay sees its sender close and ends
    ::waitpid(pid, nullptr, 0);
    return summarise(samples);
}

} // namespace pictova::bench
