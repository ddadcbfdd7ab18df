#include "tools/soak/soak.h"
#include "tools/soak/eventwait.h"

#include "resources/wordlists.h"
#include "tools/bot/bot.h"
#include "tools/soak/procstats.h"

#include <QEventLoop>
#include <functional>

namespace pictova::soak {

using bot::Bot;

namespace {
constexpr int kAnswerPercent = 6;
constexpr int kMischiefPercent = 30;
constexpr int kSampleMs = 10000;
constexpr int kSettleMs = 1500;

QString describe(const QMap<int, QString>& seats)
{
    QStringList items;
    for (auto it = seats.cbegin(); it != seats.cend(); ++it)
        items << QStringLiteral("%1=%2").arg(it.key()).arg(it.value());
    return items.join(QLatin1Char(' '));
}

QStringList allGuessWords()
{
    QStringList words;
    for (int category = 0; category < kCategoryCount; ++category)
        for (const QString& entry : loadWordList(category))
            words << entry.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return words;
}
} // namespace

Soak::Soak(const SoakSettings& settings, QTextStream& out, QObject* parent)
    : QObject(parent), m_settings(settings), m_out(out), m_random(QRandomGenerator::global()->generate())
{
    m_churnTimer.setSingleShot(true);
    connect(&m_churnTimer, &QTimer::timeout, this, [this] {
        churn();
        armChurn();
    });
    m_sampleTimer.setInterval(kSampleMs);
    connect(&m_sampleTimer, &QTimer::timeout, this, &Soak::sample);
}

Soak::~Soak()
{
    for (Bot* bot : m_bots) {
        bot->disconnect(this);
        bot->leave();
        delete bot;
    }
}

void Soak::report(const QString& line)
{
    m_out << QStringLiteral("[%1 s] ").arg(m_clock.elapsed() / 1000, 5) << line << Qt::endl;
}

Bot* Soak::addBot(bool keeper)
{
    static const QStringList words = allGuessWords();
    const QString name = keeper ? QStringLiteral("Keeper") : QStringLiteral("Soak%1").arg(m_nextName++);
    auto* bot = new Bot(
        name, QStringLiteral("127.0.0.1"), QString::number(m_host.port()), [](const QString&) {}, this);
    bot->setGuessWords(words);
    bot->setStartSettings(m_settings.playto, m_settings.turnSeconds);
    bot->setAnswerSource([this] { return answerFor(); }, kAnswerPercent);
    int mischievous = 0;
    for (Bot* other : m_bots)
        mischievous += other->property("mischief").toBool() ? 1 : 0;
    if (!keeper && mischievous < m_settings.mischiefBots) {
        bot->setProperty("mischief", true);
        bot->setMischief(kMischiefPercent);
    }
    bot->setProperty("keeper", keeper);
    connect(bot, &Bot::closed, this, [this](Bot* closed) {
        // Not inside the socket's own signal: the bot goes once its handlers have returned.
        QTimer::singleShot(0, this, [this, closed] { retire(closed); });
    });
    m_bots << bot;
    if (keeper)
        m_keeper = bot;
    ++m_joins;
    bot->connectToServer();
    if (m_playing)
        bot->setRandomRate(m_settings.actionsPerSecond);
    return bot;
}

void Soak::retire(Bot* bot)
{
    if (!m_bots.removeOne(bot))
        return;
    const bool keeper = bot->property("keeper").toBool();
    if (keeper) {
        report(QStringLiteral("the keeper lost its connection"));
        ++m_serveFailures;
        m_keeper = nullptr;
    }
    m_retiredSent += bot->sentCount();
    m_retiredReceived += bot->receivedCount();
    bot->deleteLater();
    // Someone takes the seat again a moment later, as players come and go.
    ++m_pendingJoins;
    QTimer::singleShot(500 + m_random.bounded(1500), this, [this, keeper] {
        --m_pendingJoins;
        addBot(keeper);
    });
}

void Soak::armChurn()
{
    if (m_playing)
        m_churnTimer.start(static_cast<int>(m_random.bounded(2.0 * m_settings.churnEveryMs)) + 1);
}

void Soak::churn()
{
    if (!m_playing)
        return;
    QList<Bot*> candidates;
    for (Bot* bot : m_bots)
        if (bot != m_keeper && bot->isOpen() && bot->seat() != 0)
            candidates << bot;
    if (candidates.isEmpty())
        return;
    Bot* victim = candidates.at(m_random.bounded(static_cast<int>(candidates.size())));
    const int roll = m_random.bounded(100);
    if (roll < 40) {
        ++m_leaves;
        victim->leave();
    } else if (roll < 70) {
        ++m_resets;
        victim->reset();
    } else if (m_keeper && m_keeper->seat() == 1) {
        ++m_kicks;
        m_keeper->kick(victim->seat());
    }
}

QString Soak::answerFor() const
{
    for (Bot* bot : m_bots)
        if (bot->isDrawer())
            return bot->phrase();
    return {};
}

void Soak::setPlaying(bool playing)
{
    m_playing = playing;
    for (Bot* bot : m_bots)
        bot->setRandomRate(playing ? m_settings.actionsPerSecond : 0);
    if (playing)
        armChurn();
    else
        m_churnTimer.stop();
}

QList<Bot*> Soak::seatedBots() const
{
    QList<Bot*> seated;
    for (Bot* bot : m_bots)
        if (bot->isOpen() && bot->seat() != 0)
            seated << bot;
    return seated;
}

void Soak::sample()
{
    const ProcStats stats = readProcStats(m_host.pid());
    const qint64 seconds = m_clock.elapsed() / 1000;
    m_rss << qMakePair(seconds, stats.rssKiB);
    if (m_rss.size() % 3 == 0) {
        quint64 sent = m_retiredSent, received = m_retiredReceived;
        for (Bot* bot : m_bots) {
            sent += bot->sentCount();
            received += bot->receivedCount();
        }
        report(QStringLiteral("host rss %1 KiB, cpu %2 s; bots %3; games %4, turns %5+%6; sent %7, "
                              "received %8; joins %9, leaves %10, resets %11, removals %12")
                   .arg(stats.rssKiB)
                   .arg(stats.cpuSeconds - m_hostCpuStart, 0, 'f', 1)
                   .arg(m_bots.size())
                   .arg(m_keeper ? m_keeper->winnersSeen() : 0)
                   .arg(m_keeper ? m_keeper->turnsFound() : 0)
                   .arg(m_keeper ? m_keeper->turnsTimedOut() : 0)
                   .arg(sent)
                   .arg(received)
                   .arg(m_joins)
                   .arg(m_leaves)
                   .arg(m_resets)
                   .arg(m_kicks));
    }
}

bool Soak::check()
{
    ++m_checks;
    setPlaying(false);
    const bool allSeated = waitUntil(
        [this] {
            if (m_pendingJoins > 0)
                return false;
            for (Bot* bot : m_bots)
                if (!bot->isOpen() || bot->seat() == 0 || !bot->seatView().contains(bot->seat()))
                    return false;
            return true;
        },
        20000);
    if (!allSeated)
        report(QStringLiteral("check %1: not every bot got a seat within 20 s").arg(m_checks));
    pumpFor(kSettleMs);

    // Every seated bot sends a marker; once each has seen everyone's, the host has handled all
    // that was sent before and its answers have arrived.
    const QString tag = QStringLiteral("c%1-").arg(m_checks);
    const QList<Bot*> seated = seatedBots();
    for (Bot* bot : seated)
        bot->markChat(tag + bot->name());
    const bool served = waitUntil(
        [&] {
            for (Bot* receiver : seated) {
                if (!receiver->isOpen())
                    continue;
                for (Bot* sender : seated)
                    if (sender->isOpen() && !receiver->hasSeenMark(tag + sender->name()))
                        return false;
            }
            return true;
        },
        30000);
    bool passed = served;
    if (!served) {
        ++m_serveFailures;
        QStringList missing;
        for (Bot* receiver : seated)
            for (Bot* sender : seated)
                if (receiver->isOpen() && sender->isOpen() && !receiver->hasSeenMark(tag + sender->name()))
                    missing << QStringLiteral("%1 (seat %2) lacks %3 (seat %4)")
                                   .arg(receiver->name())
                                   .arg(receiver->seat())
                                   .arg(sender->name())
                                   .arg(sender->seat());
        report(QStringLiteral("check %1: the host did not relay every marker within 30 s: %2")
                   .arg(m_checks)
                   .arg(missing.mid(0, 6).join(QStringLiteral("; "))));
        for (Bot* bot : seated)
            report(QStringLiteral("  %1: %2").arg(bot->name(), bot->status()));
        for (const QString& line : m_host.lastErrors())
            report(QStringLiteral("  host: ") + line);
    }

    int mismatching = 0;
    QString detail;
    for (int attempt = 0; attempt < 5; ++attempt) {
        const std::optional<QMap<int, QString>> host = m_host.querySeats();
        if (!host) {
            detail = QStringLiteral("the host did not answer");
            mismatching = -1;
        } else {
            mismatching = 0;
            for (Bot* bot : seatedBots()) {
                if (bot->seatView() != *host) {
                    ++mismatching;
                    detail = QStringLiteral("host {%1}, %2 {%3}")
                                 .arg(describe(*host), bot->name(), describe(bot->seatView()));
                }
            }
        }
        if (mismatching == 0)
            break;
        pumpFor(1000);
    }
    if (mismatching != 0) {
        ++m_mismatches;
        passed = false;
        report(QStringLiteral("check %1: seat views differ: %2").arg(m_checks).arg(detail));
    } else {
        report(QStringLiteral("check %1: %2 bots agree with the host; host heap in use %3 KiB")
                   .arg(m_checks)
                   .arg(seatedBots().size())
                   .arg(m_host.lastHeapBytes() / 1024));
    }
    m_heap << qMakePair(m_clock.elapsed() / 1000, m_host.lastHeapBytes());
    for (Bot* bot : m_bots)
        bot->forgetMarks();
    setPlaying(true);
    return passed;
}

int Soak::run()
{
    QStringList hostArgs = {QStringLiteral("--second-ms"), QString::number(m_settings.secondMs)};
    if (!m_host.start(m_settings.botPath, hostArgs)) {
        m_out << "pictova-soak: the host did not start (" << m_settings.botPath << ")" << Qt::endl;
        return 1;
    }
    m_clock.start();
    m_hostCpuStart = readProcStats(m_host.pid()).cpuSeconds;
    report(QStringLiteral("host pid %1 on port %2; %3 bots, %4 min, a turn's second lasts %5 ms")
               .arg(m_host.pid())
               .arg(m_host.port())
               .arg(m_settings.bots)
               .arg(m_settings.minutes)
               .arg(m_settings.secondMs));

    // The keeper stands for the host's own client: first in, so it holds seat 1 and starts games.
    addBot(true);
    if (!waitUntil([this] { return m_keeper && m_keeper->seat() == 1; }, 10000)) {
        m_out << "pictova-soak: the keeper did not get seat 1" << Qt::endl;
        return 1;
    }
    for (int i = 1; i < m_settings.bots; ++i) {
        addBot(false);
        pumpFor(50);
    }
    sample();
    m_sampleTimer.start();
    setPlaying(true);

    const qint64 endMs = qint64(m_settings.minutes) * 60000;
    qint64 nextCheck = qint64(m_settings.checkEverySeconds) * 1000;
    while (m_clock.elapsed() < endMs) {
        pumpFor(static_cast<int>(std::min<qint64>(500, endMs - m_clock.elapsed())));
        if (!m_host.isRunning()) {
            report(QStringLiteral("the host has ended"));
            ++m_serveFailures;
            break;
        }
        if (m_clock.elapsed() >= nextCheck) {
            check();
            nextCheck = m_clock.elapsed() + qint64(m_settings.checkEverySeconds) * 1000;
        }
    }
    if (m_host.isRunning())
        check();
    sample();
    m_sampleTimer.stop();

    quint64 sent = m_retiredSent, received = m_retiredReceived;
    for (Bot* bot : m_bots) {
        sent += bot->sentCount();
        received += bot->receivedCount();
    }
    const ProcStats end = readProcStats(m_host.pid());
    const double seconds = m_clock.elapsed() / 1000.0;
    auto rssNear = [this](qint64 second) {
        qint64 best = -1, bestGap = -1;
        for (const auto& [at, kib] : m_rss)
            if (bestGap < 0 || std::abs(at - second) < bestGap) {
                bestGap = std::abs(at - second);
                best = kib;
            }
        return best;
    };
    qint64 peak = 0;
    for (const auto& sample : m_rss)
        peak = std::max(peak, sample.second);

    m_out << "\n== soak summary ==\n"
          << "duration: " << QString::number(seconds / 60.0, 'f', 1) << " min\n"
          << "games won: " << (m_keeper ? m_keeper->winnersSeen() : 0) << "; turns: phrase found "
          << (m_keeper ? m_keeper->turnsFound() : 0) << ", time up "
          << (m_keeper ? m_keeper->turnsTimedOut() : 0) << "\n"
          << "bot messages: sent " << sent << ", received " << received << "\n"
          << "joins " << m_joins << ", leaves " << m_leaves << ", resets " << m_resets << ", removals "
          << m_kicks << "\n"
          << "host rss KiB: at 0 s " << rssNear(0) << ", at 60 s " << rssNear(60) << ", middle "
          << rssNear(static_cast<qint64>(seconds / 2)) << ", end " << rssNear(static_cast<qint64>(seconds))
          << ", peak " << peak << "\n"
          << "host cpu: " << QString::number(end.cpuSeconds - m_hostCpuStart, 'f', 1) << " s ("
          << QString::number(100.0 * (end.cpuSeconds - m_hostCpuStart) / seconds, 'f', 2)
          << " % of one core)\n"
          << "checks " << m_checks << ", seat mismatches " << m_mismatches << ", serving failures "
          << m_serveFailures << "\n"
          << "host error lines: " << m_host.errorLines() << "\n";
    for (const QString& line : m_host.lastErrors())
        m_out << "  " << line << "\n";
    // Flat: over the second half of the run the heap in use grew by no more than a twentieth.
    // The first half is allowed to settle (containers reach the largest turn they have seen).
    bool flat = true;
    if (m_heap.size() >= 2) {
        const qint64 middle = m_heap.at(m_heap.size() / 2).second;
        const qint64 last = m_heap.last().second;
        flat = last <= middle + middle / 20;
        m_out << "host memory: heap in use " << middle / 1024 << " KiB at the middle check, " << last / 1024
              << " KiB at the last: " << (flat ? "flat" : "GROWING") << "\n";
    }
    m_out << "host heap in use at the checks (s:KiB):";
    for (const auto& [at, bytes] : m_heap)
        m_out << ' ' << at << ':' << bytes / 1024;
    m_out << "\nrss samples (s:KiB):";
    for (qsizetype i = 0; i < m_rss.size(); i += 6)
        m_out << ' ' << m_rss[i].first << ':' << m_rss[i].second;
    m_out << Qt::endl;

    setPlaying(false);
    m_host.stop();
    return (m_mismatches == 0 && m_serveFailures == 0 && flat) ? 0 : 1;
}

} // namespace pictova::soak
