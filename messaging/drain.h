#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

namespace pictova {

// Calls one drain step per tick while work waits, and sleeps otherwise: an idle program must
// cost next to nothing, so the timer runs only while the step reports more to do. Work that
// arrives after a rest is taken on the next turn of the event loop, as a timer that never
// stopped would take it at its next tick; the pace stays one step per interval.
class DrainTimer : public QObject
{
    Q_OBJECT
public:
    // `step` handles one entry and returns whether more entries wait.
    DrainTimer(int intervalMs, std::function<bool()> step, QObject* parent = nullptr);

    // Work has arrived: make sure ticks are coming. Does nothing in manual mode.
    void wake();

    // Tests drive the drain by hand: no timer then, each `tick()` handles one entry.
    void setManual(bool manual);
    bool tick();

    bool isRunning() const { return m_timer.isActive(); }

private:
    QTimer m_timer;
    std::function<bool()> m_step;
    int m_intervalMs;
    QElapsedTimer m_lastStep;
    bool m_manual = false;
};

} // namespace pictova
