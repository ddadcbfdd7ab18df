// An honest player's chat while six logged-in connections flood the host with odd and
// malformed messages faster than it serves them. Run once with the host's fair queue and once
// with plain arrival order: the time from the honest send to the line's return, p50/p99/max.
#include "bench/benchsupport.h"
#include "messaging/catalogue.h"
#include "tools/soak/hostprocess.h"
#include "tools/soak/procstats.h"

#include <QCoreApplication>
#include <QHash>
#include <QTimer>
#include <cstdio>
#include <memory>

using namespace pictova;
using namespace pictova::bench;

namespace {
constexpr int kFlooders = 6;
constexpr int kFloodPerSecond = 60; // each: together past 100 a second, under it alone
constexpr int kFloodBatchMs = 50;
// Under the server's chat limit of 5 lines in any 3 s, with room for the timer's jitter.
constexpr int kHonestMs = 700;

QByteArray floodMessage(int seat, int n)
{
    const QByteArray s = QByteArray::number(seat);
    switch (n % 6) {
    case 0:
        return "CMD_chat+" + s + "+flood " + QByteArray::number(n) + "|clRed\xFF";
    case 1:
        return "CMD_nosuch+" + s + "+x\xFF";
    case 2:
        return "CMD_answer+" + s + "000000000000+x\xFF";
    case 3:
        return "CMD_draw+" + s + "+clBlack+3++1,1+2,2+\xFF";
    case 4:
        return "CMD_startgame+" + s + "+true+20+60\xFF";
    default:
        return "\xFF";
    }
}

struct Result
{
    Summary honest;
    int cutOff = 0;
    double hostCpu = 0;
};

Result runOnce(const QStringList& hostArgs, int seconds)
{
    Result result;
    soak::HostProcess host;
    if (!host.start(siblingProgram(QStringLiteral("pictova-bot")), hostArgs)) {
        std::fprintf(stderr, "bench_flood: the host did not start\n");
        return result;
    }
    Peer honest;
    honest.join(host.port(), QStringLiteral("Honest"));
    std::vector<std::unique_ptr<Peer>> flooders;
    for (int i = 1; i <= kFlooders; ++i) {
        flooders.push_back(std::make_unique<Peer>());
        flooders.back()->join(host.port(), QStringLiteral("Flood%1").arg(i));
        flooders.back()->keep = false;
    }
    honest.keep = false;

    QHash<QString, qint64> sent;
    std::vector<qint64> latency;
    honest.setHandler([&](const QString& message, qint64 arrived) {
        const QString prefix = QStringLiteral("CMD_chat+Honest chats: ");
        if (!message.startsWith(prefix))
            return;
        if (auto it = sent.constFind(message.mid(prefix.size())); it != sent.constEnd())
            latency.push_back(arrived - *it);
    });

    QTimer flood;
    flood.setTimerType(Qt::PreciseTimer);
    flood.setInterval(kFloodBatchMs);
    int n = 0;
    QObject::connect(&flood, &QTimer::timeout, [&] {
        for (auto& flooder : flooders) {
            QByteArray batch;
            for (int i = 0; i < kFloodPerSecond * kFloodBatchMs / 1000; ++i)
                batch += floodMessage(flooder->seat(), n++);
            if (flooder->isConnected())
                flooder->send(batch);
        }
    });
    QTimer talk;
    talk.setTimerType(Qt::PreciseTimer);
    talk.setInterval(kHonestMs);
    int line = 0;
    QObject::connect(&talk, &QTimer::timeout, [&] {
        const QString text = QStringLiteral("honest %1").arg(++line);
        sent.insert(text + QStringLiteral("|clBlack"), nowNs());
        honest.send(toserver::chat(honest.seat(), text, QStringLiteral("clBlack")));
    });
    const soak::ProcStats before = soak::readProcStats(host.pid());
    flood.start();
    talk.start();
    pumpFor(seconds * 1000);
    flood.stop();
    talk.stop();
    const soak::ProcStats after = soak::readProcStats(host.pid());
    // Whatever is still on its way is waited for, up to the time the flood would take to drain.
    waitUntil([&] { return latency.size() == static_cast<size_t>(sent.size()); }, 60000);
    for (auto& flooder : flooders)
        result.cutOff += flooder->isConnected() ? 0 : 1;
    result.honest = summarise(latency);
    result.hostCpu = 100.0 * (after.cpuSeconds - before.cpuSeconds) / seconds;
    if (latency.size() != static_cast<size_t>(sent.size()))
        std::printf("  (%lld of %lld honest lines never came back)\n",
                    static_cast<long long>(sent.size() - latency.size()),
                    static_cast<long long>(sent.size()));
    host.stop();
    return result;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(2, atoi(argv[1])) : 10;
    std::printf("bench_flood: %d flooders at %d messages/s each for %d s, an honest chat line every %d ms\n",
                kFlooders, kFloodPerSecond, seconds, kHonestMs);
    const struct
    {
        const char* label;
        QStringList args;
    } variants[] = {
        {"arrival order, one message a tick", {"--queue", "arrival", "--drain", "one"}},
        {"in turn, one message a tick", {"--queue", "fair", "--drain", "one"}},
        {"in turn, one a tick from each", {"--queue", "fair", "--drain", "tick"}},
        {"in turn, as they arrive (now)", {"--queue", "fair", "--drain", "round"}},
    };
    for (const auto& variant : variants) {
        const Result r = runOnce(variant.args, seconds);
        std::printf("  %-36s honest chat round trip %s; flooders cut off %d; host CPU %.1f %%\n",
                    variant.label, qPrintable(describe(r.honest)), r.cutOff, r.hostCpu);
    }
    return 0;
}
