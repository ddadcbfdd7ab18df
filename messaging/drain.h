#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace pictova {

// Calls one drain step per tick while work waits, and sleeps otherwise: an idle program must
// cost next to nothing, so the timer runs only while the step reports more to do.
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
    bool m_manual = false;
};

} // namespace pictova
