// Relay under a real turn: one drawer streams strokes as a mouse at 125 Hz gives them (batches
// of 11 points), 13 guessers guess once a second, a spectator chats. Measures the time from a
// send to its arrival at every other seat, the host's CPU and its upload. The host runs in its
// own process (pictova-bot --serve).
#include "bench/benchsupport.h"
#include "messaging/catalogue.h"
#include "tools/soak/hostprocess.h"
#include "tools/soak/procstats.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHash>
#include <QRandomGenerator>
#include <QSet>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <arpa/inet.h>
#include <cstdio>
#include <memory>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace pictova;
using namespace pictova::bench;

namespace {
constexpr int kSeats = 15; // the drawer, 13 guessers, one spectator who chats
constexpr int kGuessers = 13;
constexpr int kMouseMs = 8; // 125 Hz
constexpr int kBatchPoints = 11;
constexpr int kStrokePoints = 250; // two seconds of drawing, then the pen lifts
constexpr int kChatMs = 2000;
} // namespace

// An echo in a process of its own, as the host is: one byte back for each byte, until the peer
// closes. The round trip through it adds the two wake-ups of another process that every relayed
// message pays too.
quint16 startEchoProcess()
{
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener < 0 || ::bind(listener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(listener, 1) != 0 ||
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return 0;
    if (::fork() == 0) {
        const int peer = ::accept(listener, nullptr, nullptr);
        const int one = 1;
        ::setsockopt(peer, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        char byte;
        while (::read(peer, &byte, 1) == 1 && ::write(peer, &byte, 1) == 1) {
        }
        ::_exit(0);
    }
    ::close(listener);
    return ntohs(address.sin_port);
}

// The plain loopback round trip through Qt's sockets on this machine: one byte out to an echo
// and back, one at a time, to an echo in this process or (`otherProcess`) in one of its own. The
// relay's figures are read against it.
Summary loopbackRoundTrip(int rounds, bool otherProcess)
{
    QTcpServer echo;
    quint16 port = 0;
    if (otherProcess) {
        port = startEchoProcess();
    } else {
        echo.listen(QHostAddress::LocalHost, 0);
        port = echo.serverPort();
    }
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, port);
    client.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    if (otherProcess) {
        if (!waitUntil([&] { return client.state() == QAbstractSocket::ConnectedState; }, 3000))
            return {};
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
        sent = nowNs();
        client.write("x", 1);
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    sent = nowNs();
    client.write("x", 1);
    loop.exec();
    if (otherProcess) {
        client.close(); // the echo ends
        ::wait(nullptr);
    }
    return summarise(samples);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(5, atoi(argv[1])) : 60;
    const QStringList hostArgs = argc > 2 ? QCoreApplication::arguments().mid(2) : QStringList();

    soak::HostProcess host;
    if (!host.start(siblingProgram(QStringLiteral("pictova-bot")), hostArgs)) {
        std::fprintf(stderr, "bench_relay: the host did not start\n");
        return 1;
    }
    std::vector<std::unique_ptr<Peer>> peers;
    for (int i = 0; i < kSeats; ++i) {
        peers.push_back(std::make_unique<Peer>());
        if (!peers.back()->join(host.port(), QStringLiteral("P%1").arg(i + 1)) ||
            peers.back()->seat() != i + 1) {
            std::fprintf(stderr, "bench_relay: peer %d did not get seat %d\n", i + 1, i + 1);
            return 1;
        }
    }
    Peer& drawer = *peers[0];
    drawer.send(toserver::startgame(1, false, QStringLiteral("100"), QStringLiteral("3600")));
    drawer.send(toserver::pickcatagory(1, 0));
    std::printf("waiting for the deal (the pick phase lasts 11 s)...\n");
    if (!waitUntil([&] { return !drawer.kept.filter(cmd::givedraweranswer).isEmpty(); }, 20000)) {
        std::fprintf(stderr, "bench_relay: no deal\n");
        return 1;
    }
    for (auto& peer : peers) {
        peer->keep = false;
        peer->kept.clear();
    }

    // What was sent when: strokes by their payload (unique through the colour, which carries a
    // counter), guesses by seat and upper-case text, chat lines by text.
    QHash<QString, qint64> strokeSent, guessSent, chatSent;
    std::vector<qint64> strokeLatency, guessLatency, chatLatency;
    // The first of the others to see a stroke shows the host's share; the rest queue behind it in
    // this one process.
    QSet<QString> strokeSeen;
    std::vector<qint64> strokeFirstLatency;
    bool measuring = false;

    for (auto& peer : peers) {
        peer->setHandler([&](const QString& message, qint64 arrived) {
            if (!measuring)
                return;
            const qsizetype plus = message.indexOf(QLatin1Char('+'));
            const QString name = message.left(plus);
            const QString payload = message.mid(plus + 1);
            if (name == cmd::draw || name == cmd::moveit) {
                if (auto it = strokeSent.constFind(message); it != strokeSent.constEnd()) {
                    strokeLatency.push_back(arrived - *it);
                    if (!strokeSeen.contains(message)) {
                        strokeSeen.insert(message);
                        strokeFirstLatency.push_back(arrived - *it);
                    }
                    if (qEnvironmentVariableIsSet("BENCH_DEBUG") && arrived - *it > 15000000)
                        std::printf("slow %s %.2f at %.3f\n", qPrintable(message.left(30)),
                                    (arrived - *it) / 1e6, *it / 1e9);
                }
            } else if (name == cmd::myguessed || name == cmd::guessed) {
                if (auto it = guessSent.constFind(payload); it != guessSent.constEnd())
                    guessLatency.push_back(arrived - *it);
            } else if (name == cmd::chat) {
                const QString text = payload.section(QStringLiteral(" chats: "), 1);
                if (auto it = chatSent.constFind(text); it != chatSent.constEnd())
                    chatLatency.push_back(arrived - *it);
            }
        });
    }

    QRandomGenerator random(42);
    int x = 260, y = 180, points = 0, strokeCount = 0;
    quint32 counter = 0;
    QString batch;
    auto colour = [&] {
        return QStringLiteral("$%1").arg(++counter & 0xFFFFFF, 8, 16, QLatin1Char('0')).toUpper();
    };
    QTimer mouse;
    mouse.setTimerType(Qt::PreciseTimer);
    mouse.setInterval(kMouseMs);
    QObject::connect(&mouse, &QTimer::timeout, [&] {
        if (points % kStrokePoints == 0) {
            const QByteArray start = toserver::moveit(1, colour(), QStringLiteral("3"), x, y);
            strokeSent.insert(QString::fromLatin1(start.chopped(1)), nowNs());
            drawer.send(start);
            ++strokeCount;
        }
        x = std::clamp(x + random.bounded(-6, 7), 0, 532);
        y = std::clamp(y + random.bounded(-6, 7), 0, 368);
        batch += QStringLiteral("+%1,%2").arg(x).arg(y);
        if (++points % kBatchPoints == 0 || points % kStrokePoints == 0) {
            const QByteArray message = toserver::draw(1, colour(), QStringLiteral("3"), batch);
            strokeSent.insert(QString::fromLatin1(message.chopped(1)), nowNs());
            drawer.send(message);
            batch.clear();
        }
    });

    std::vector<std::unique_ptr<QTimer>> guessTimers;
    for (int g = 1; g <= kGuessers; ++g) {
        auto timer = std::make_unique<QTimer>();
        // Precise: coarse one-second timers are aligned by Qt and would make everyone guess in step.
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(1000);
        Peer* guesser = peers[g].get();
        QObject::connect(timer.get(), &QTimer::timeout, [&, guesser, n = 0]() mutable {
            const QString text = QStringLiteral("zq%1x%2").arg(guesser->seat()).arg(++n);
            // The server judges guesses from the board seats only; spectators' are dropped.
            if (guesser->seat() <= 10)
                guessSent.insert(QStringLiteral("%1+%2").arg(guesser->seat()).arg(text.toUpper()), nowNs());
            guesser->send(toserver::answer(guesser->seat(), text));
        });
        // Players do not guess in step.
        QTimer::singleShot(random.bounded(1000), timer.get(), [t = timer.get()] { t->start(); });
        guessTimers.push_back(std::move(timer));
    }
    QTimer chatter;
    chatter.setTimerType(Qt::PreciseTimer);
    chatter.setInterval(kChatMs);
    Peer& spectator = *peers[kSeats - 1];
    QObject::connect(&chatter, &QTimer::timeout, [&, n = 0]() mutable {
        const QString text = QStringLiteral("line %1|clNavy").arg(++n);
        chatSent.insert(text, nowNs());
        spectator.send(
            toserver::chat(spectator.seat(), QStringLiteral("line %1").arg(n), QStringLiteral("clNavy")));
    });

    mouse.start();
    chatter.start();
    pumpFor(2000); // warm up: every guesser has started
    strokeSent.clear();
    guessSent.clear();
    chatSent.clear();
    measuring = true;
    qint64 bytesBefore = 0;
    for (auto& peer : peers)
        bytesBefore += peer->bytesReceived();
    const soak::ProcStats hostBefore = soak::readProcStats(host.pid());
    const soak::ProcStats selfBefore = soak::readProcStats(getpid());
    const qint64 start = nowNs();
    std::printf("measuring for %d s...\n", seconds);
    pumpFor(seconds * 1000);
    mouse.stop();
    chatter.stop();
    for (auto& timer : guessTimers)
        timer->stop();
    const double elapsed = (nowNs() - start) / 1e9;
    const soak::ProcStats hostAfter = soak::readProcStats(host.pid());
    const soak::ProcStats selfAfter = soak::readProcStats(getpid());
    qint64 bytesAfter = 0;
    for (auto& peer : peers)
        bytesAfter += peer->bytesReceived();
    pumpFor(500); // the last sends arrive
    measuring = false;

    const qsizetype strokesSent = strokeSent.size();
    std::printf(
        "\nbench_relay: %d seats, %.1f s, %lld stroke messages (%d strokes), %lld guesses judged (those "
        "from the 4 spectator seats are dropped by the host), %lld chat lines sent\n",
        kSeats, elapsed, static_cast<long long>(strokesSent), strokeCount,
        static_cast<long long>(guessSent.size()), static_cast<long long>(chatSent.size()));
    std::printf("  strokes, send to arrival at each of the 14 others: %s\n",
                qPrintable(describe(summarise(strokeLatency))));
    std::printf("    of which the first of the 14 to see each:       %s\n",
                qPrintable(describe(summarise(strokeFirstLatency))));
    std::printf("  guesses, send to the echo at all 15:               %s\n",
                qPrintable(describe(summarise(guessLatency))));
    std::printf("  chat, send to arrival at all 15:                   %s\n",
                qPrintable(describe(summarise(chatLatency))));
    std::printf("  deliveries expected %lld, seen %lld\n",
                static_cast<long long>(strokesSent * (kSeats - 1) + guessSent.size() * kSeats +
                                       chatSent.size() * kSeats),
                static_cast<long long>(strokeLatency.size() + guessLatency.size() + chatLatency.size()));
    std::printf("  host CPU: %.2f %% of one core; host upload %.0f bytes/s\n",
                100.0 * (hostAfter.cpuSeconds - hostBefore.cpuSeconds) / elapsed,
                (bytesAfter - bytesBefore) / elapsed);
    std::printf("  (this benchmark's own CPU: %.2f %% of one core)\n",
                100.0 * (selfAfter.cpuSeconds - selfBefore.cpuSeconds) / elapsed);
    const Summary loopback = loopbackRoundTrip(2000, false);
    const Summary otherProcess = loopbackRoundTrip(2000, true);
    const Summary strokes = summarise(strokeLatency);
    std::printf("  plain loopback round trip: %s\n", qPrintable(describe(loopback)));
    if (loopback.p50 > 0)
        std::printf("  strokes against it: p50 %.1fx, p99 %.1fx the loopback p50\n",
                    strokes.p50 / loopback.p50, strokes.p99 / loopback.p50);
    std::printf("  loopback round trip to an echo in another process: %s\n",
                qPrintable(describe(otherProcess)));
    if (otherProcess.p50 > 0)
        std::printf("  strokes against it: p50 %.1fx, p99 %.1fx its p50\n", strokes.p50 / otherProcess.p50,
                    strokes.p99 / otherProcess.p50);
    host.stop();
    return 0;
}
