#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace pictova {

// The one-second turn timer `roundtime`. It only ticks while enabled; in manual mode nothing
// ticks by itself and a test calls tick() for each second that passes.
class RoundTimer : public QObject
{
    Q_OBJECT
public:
    explicit RoundTimer(std::function<void()> onTick, QObject* parent = nullptr);

    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    void setManual(bool manual);
    // The length of one tick; a second unless a soak run asks for shorter turns.
    void setIntervalMs(int ms);
    // One second has passed: runs the tick handler if the timer is enabled.
    void tick();

private:
    void sync();

    QTimer m_timer;
    std::function<void()> m_onTick;
    bool m_enabled = false;
    bool m_manual = false;
};

} // namespace pictova
