#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace pictova {

// The turn countdown the window shows. The server decides when phases end; this only counts the
// seconds down once a second and works out the bar's width.
class CountdownClock : public QObject
{
    Q_OBJECT
public:
    enum Phase { Pause = 0, Drawing = 1 };
    static constexpr int kFullBar = 100;

    explicit CountdownClock(QObject* parent = nullptr);

    // A fresh one-second period from `seconds`.
    void restart(Phase phase, int seconds);
    // Keeps the running one-second rhythm if the clock already runs.
    void continueWith(Phase phase, int seconds);

    // The server says how many seconds are left: count from there, in a fresh one-second period,
    // so that every window shows the same time.
    void correctTo(int seconds);

    // No phase runs: the clock stands at its start.
    void stop();

    // One second has passed (the clock's own timer, or a test).
    void onCountdownTick();

    int secondsleft() const { return m_secondsleft; }
    int countdownphase() const { return m_phase; }
    bool running() const { return m_ticker.isActive(); }
    int barWidth() const { return m_barWidth; }
    // What the countdown's caption reads.
    QString caption() const { return m_caption; }

    // "m:ss" by integer division and remainder.
    static QString formatTime(int seconds);
    // The bar's next width after a tick.
    static int nextBarWidth(int phase, int secondsleft, int currentWidth);

signals:
    void ticked();

private:
    // A new phase shows its own time at once, not what the last one ended on.
    void showStart();

    QTimer m_ticker;
    int m_secondsleft = 0;
    int m_phase = Pause;
    int m_barWidth = kFullBar;
    QString m_caption = QStringLiteral("0");
};

} // namespace pictova
