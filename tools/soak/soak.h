#pragma once

#include "tools/soak/hostprocess.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QRandomGenerator>
#include <QTextStream>
#include <QTimer>

namespace pictova::bot {
class Bot;
}

namespace pictova::soak {

struct SoakSettings
{
    QString botPath;
    int minutes = 20;
    int bots = 14;
    int secondMs = 100; // a short "second" makes fast games
    int turnSeconds = 12;
    int playto = 5;
    double actionsPerSecond = 3;
    int mischiefBots = 2; // bots that send garbage now and then
    int checkEverySeconds = 60;
    int churnEveryMs = 3000; // mean gap between a leave, a reset or a removal
};

// A long run against one headless host: bots join, leave, are reset and removed, watch, pass,
// guess, draw and send garbage, while the run checks that the host keeps serving, that every
// bot sees the seats as the host has them and that the host's memory stays flat.
class Soak : public QObject
{
    Q_OBJECT
public:
    Soak(const SoakSettings& settings, QTextStream& out, QObject* parent = nullptr);
    ~Soak() override;

    // Runs to the end; returns the process exit status (0 when every check passed).
    int run();

private:
    bot::Bot* addBot(bool keeper);
    void retire(bot::Bot* bot);
    void churn();
    void armChurn();
    void sample();
    bool check();
    QString answerFor() const;
    void setPlaying(bool playing);
    QList<bot::Bot*> seatedBots() const;
    void report(const QString& line);

    SoakSettings m_settings;
    QTextStream& m_out;
    HostProcess m_host;
    QRandomGenerator m_random;
    QList<bot::Bot*> m_bots;
    bot::Bot* m_keeper = nullptr;
    int m_nextName = 1;
    int m_pendingJoins = 0;
    bool m_playing = false;
    QTimer m_churnTimer;
    QTimer m_sampleTimer;
    QElapsedTimer m_clock;

    // Figures for the report.
    quint64 m_retiredSent = 0;
    quint64 m_retiredReceived = 0;
    int m_leaves = 0, m_resets = 0, m_kicks = 0, m_joins = 0;
    int m_checks = 0, m_mismatches = 0, m_serveFailures = 0;
    QList<QPair<qint64, qint64>> m_rss;  // seconds since start, KiB
    QList<QPair<qint64, qint64>> m_heap; // seconds since start, bytes in use, at each check
    double m_hostCpuStart = 0;
};

} // namespace pictova::soak
