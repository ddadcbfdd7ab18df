#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QLabel;

namespace pictova {

// The turn countdown the window shows. The server decides when phases end; this only displays.
class Countdown : public QObject
{
    Q_OBJECT
public:
    enum Phase { Pause = 0, Drawing = 1 };

    Countdown(QLabel* label_timer, QLabel* image_timer, QObject* parent = nullptr);

    // A fresh one-second period from `seconds`.
    void restart(Phase phase, int seconds);
    // Keeps the running one-second rhythm if the timer already runs.
    void continueWith(Phase phase, int seconds);

    void timer2Timer();

    int secondsleft() const { return m_secondsleft; }
    int countdownphase() const { return m_phase; }
    bool running() const { return m_timer2.isActive(); }
    int barWidth() const;

    // "m:ss" by integer division and remainder.
    static QString formatTime(int seconds);
    // The bar's next width after a tick.
    static int nextBarWidth(int phase, int secondsleft, int currentWidth);

private:
    QTimer m_timer2;
    QLabel* m_label;
    QLabel* m_bar;
    int m_secondsleft = 0;
    int m_phase = Pause;
};

} // namespace pictova
