#pragma once

#include <QObject>

class QLabel;

namespace pictova {

class CountdownClock;

// Shows the countdown clock: its caption over a bar that shrinks as the seconds run out.
class CountdownView : public QObject
{
    Q_OBJECT
public:
    CountdownView(const CountdownClock& clock, QLabel* label_timer, QLabel* image_timer,
                  QObject* parent = nullptr);

private:
    void show();

    const CountdownClock& m_clock;
    QLabel* m_label;
    QLabel* m_bar;
};

} // namespace pictova
