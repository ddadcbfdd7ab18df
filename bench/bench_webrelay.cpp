// What a browser player costs the server beside a game-port player: CPU per relayed stroke
// batch and memory per connection, the same game played in turns by game-port guessers and by
// WebSocket guessers, each turn on a fresh pictova-server. `--compare-server PATH` adds turns of
// both kinds on another build's server (game port only when it has no web port).
//
//   bench_webrelay [--guessers N] [--strokes N] [--rounds N] [--compare-server PATH]

#include "bench/benchsupport.h"
#include "messaging/catalogue.h"
#include "messaging/wire.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QWebSocket>
#include <cstdio>
#include <memory>

using namespace pictova;
using namespace pictova::bench;

namespace {

struct ServerUse
{
    double cpuMs = 0; // user and system time
    double rssKiB = 0;
};

ServerUse useOf(qint64 pid)
{
    ServerUse use;
    // Time on a CPU in nanoseconds, every thread of the process: finer than the clock ticks of
    // /proc/<pid>/stat.
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (schedstat.open(QIODevice::ReadOnly))
            use.cpuMs += schedstat.readAll().split(' ').first().toDouble() / 1e6;
    }
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                use.rssKiB = line.mid(6).trimmed().split(' ').first().toDouble();
    return use;
}

// A guesser on a WebSocket, as the web client is: each message a text message.
class WebGuesser : public QObject
{
public:
    WebGuesser(quint16 webPort, qint64* draws) : m_socket(QStringLiteral("http://127.0.0.1:%1").arg(webPort))
    {
        connect(&m_socket, &QWebSocket::textMessageReceived, this, [this, draws](const QString& message) {
            if (message.startsWith(QLatin1String("CMD_draw+")))
                ++*draws;
            else if (message.startsWith(QLatin1String("CMD_sendlogininfo+")))
                seat = message.section(u'+', 1).toInt();
            else if (seat && message.startsWith(QStringLiteral("CMD_newplayerinfo+%1+").arg(seat)))
                joined = true;
        });
        m_socket.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(webPort)));
    }
    void send(const QByteArray& wire)
    {
        for (const QByteArray& message : wire.chopped(1).split(kTerminator))
            m_socket.sendTextMessage(fromWire(message));
    }
    int seat = 0;
    bool joined = false;

private:
    QWebSocket m_socket;
};

struct Result
{
    double cpuUsPerBatch = 0;
    double kibPerConnection = 0;
    qint64 delivered = 0;
};

std::optional<Result> playRound(const QString& serverPath, bool web, int guessers, int strokes)
{
    QProcess server;
    server.start(serverPath,
                 {"--port", "0", "--max-per-address", "0", "--chat-limit", "0", "--guess-limit", "0"});
    if (!server.waitForStarted(5000))
        return std::nullopt;
    quint16 port = 0;
    quint16 webPort = 0;
    QByteArray out;
    waitUntil(
        [&] {
            out += server.readAllStandardOutput();
            const QString text = QString::fromLocal8Bit(out);
            if (const auto m = QRegularExpression("listening on port (\\d+)").match(text); m.hasMatch())
                port = static_cast<quint16>(m.captured(1).toUInt());
            if (const auto m = QRegularExpression("web players join at \\S+:(\\d+)/").match(text);
                m.hasMatch())
                webPort = static_cast<quint16>(m.captured(1).toUInt());
            return port != 0 && (!web || webPort != 0);
        },
        5000);
    if (port == 0 || (web && webPort == 0))
        return std::nullopt;
    const qint64 pid = server.processId();

    Peer drawer;
    if (!drawer.join(port, QStringLiteral("Drawer")))
        return std::nullopt;
    pumpFor(200);
    const ServerUse before = useOf(pid);
    qint64 draws = 0;
    std::vector<std::unique_ptr<Peer>> tcp;
    std::vector<std::unique_ptr<WebGuesser>> browsers;
    for (int i = 0; i < guessers; ++i) {
        if (web) {
            browsers.push_back(std::make_unique<WebGuesser>(webPort, &draws));
            WebGuesser* guesser = browsers.back().get();
            if (!waitUntil([&] { return guesser->seat != 0; }, 5000))
                return std::nullopt;
            guesser->send(
                toserver::logininfo(guesser->seat, QStringLiteral("2.2.4"), QStringLiteral("W%1").arg(i)));
            if (!waitUntil([&] { return guesser->joined; }, 5000))
                return std::nullopt;
        } else {
            tcp.push_back(std::make_unique<Peer>());
            if (!tcp.back()->join(port, QStringLiteral("T%1").arg(i)))
                return std::nullopt;
            tcp.back()->keep = false;
            tcp.back()->setHandler([&draws](const QString& message, qint64) {
                if (message.startsWith(QLatin1String("CMD_draw+")))
                    ++draws;
            });
        }
    }
    pumpFor(300);
    const ServerUse seated = useOf(pid);

    drawer.send(toserver::startgame(1, false, QStringLiteral("20"), QStringLiteral("60")));
    waitUntil([&] { return drawer.kept.filter(QRegularExpression("^CMD_pickcatagory\\+")).size() > 0; },
              5000);
    drawer.send(toserver::pickCategory(1, 1));
    if (!waitUntil([&] { return !drawer.kept.filter(QRegularExpression("^CMD_nextplayer\\+")).isEmpty(); },
                   5000))
        return std::nullopt;
    drawer.keep = false;
    pumpFor(200);

    // Batches of 11 points as the board sends them, 125 a second.
    QString points;
    for (int p = 0; p < 11; ++p)
        points += QStringLiteral("+%1,%2").arg(100 + p).arg(100 + p);
    const QByteArray batch = toserver::draw(1, QStringLiteral("clBlack"), QStringLiteral("3"), points);
    const ServerUse start = useOf(pid);
    for (int s = 0; s < strokes; ++s) {
        drawer.send(batch);
        pumpFor(8);
    }
    const qint64 expected = static_cast<qint64>(strokes) * guessers;
    waitUntil([&] { return draws >= expected; }, 20000);
    const ServerUse end = useOf(pid);

    server.terminate();
    server.waitForFinished(5000);
    Result result;
    result.cpuUsPerBatch = (end.cpuMs - start.cpuMs) * 1000.0 / strokes;
    result.kibPerConnection = (seated.rssKiB - before.rssKiB) / guessers;
    result.delivered = draws;
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption guessersOption("guessers", "guessers (1..14)", "N", "14");
    const QCommandLineOption strokesOption("strokes", "stroke batches a round", "N", "1500");
    const QCommandLineOption roundsOption("rounds", "rounds of each kind", "N", "3");
    const QCommandLineOption compareOption("compare-server", "another build's pictova-server", "PATH");
    parser.addOptions({guessersOption, strokesOption, roundsOption, compareOption});
    parser.addHelpOption();
    parser.process(app);
    const int guessers = std::clamp(parser.value(guessersOption).toInt(), 1, 14);
    const int strokes = std::max(10, parser.value(strokesOption).toInt());
    const int rounds = std::max(1, parser.value(roundsOption).toInt());
    const QString ours = siblingProgram(QStringLiteral("pictova-server"));

    struct Kind
    {
        QString label;
        QString server;
        bool web;
        std::vector<Result> results;
    };
    std::vector<Kind> kinds = {{"game port, this build", ours, false, {}},
                               {"WebSocket, this build", ours, true, {}}};
    if (parser.isSet(compareOption)) {
        const QString other = parser.value(compareOption);
        kinds.push_back({"game port, " + other, other, false, {}});
        kinds.push_back({"WebSocket, " + other, other, true, {}});
    }
    std::printf(
        "%d guessers, %d batches of 11 points a round at 125 a second, %d rounds of each kind in turn\n",
        guessers, strokes, rounds);
    for (int round = 0; round < rounds; ++round)
        for (Kind& kind : kinds) {
            const std::optional<Result> result = playRound(kind.server, kind.web, guessers, strokes);
            if (!result) {
                std::printf("  %s: round failed\n", qPrintable(kind.label));
                continue;
            }
            kind.results.push_back(*result);
            std::printf(
                "  %-28s round %d: %7.1f us CPU a batch, %6.1f KiB a connection, %lld of %lld delivered\n",
                qPrintable(kind.label), round + 1, result->cpuUsPerBatch, result->kibPerConnection,
                static_cast<long long>(result->delivered), static_cast<long long>(strokes) * guessers);
        }
    std::printf("medians:\n");
    for (Kind& kind : kinds) {
        if (kind.results.empty())
            continue;
        auto median = [&](auto field) {
            std::vector<double> values;
            for (const Result& r : kind.results)
                values.push_back(field(r));
            std::sort(values.begin(), values.end());
            return values[values.size() / 2];
        };
        std::printf("  %-28s %7.1f us CPU a relayed batch (%.2f us a delivery), %6.1f KiB a connection\n",
                    qPrintable(kind.label), median([](const Result& r) { return r.cpuUsPerBatch; }),
                    median([](const Result& r) { return r.cpuUsPerBatch; }) / guessers,
                    median([](const Result& r) { return r.kibPerConnection; }));
    }
    return 0;
}
