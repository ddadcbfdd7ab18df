#pragma once

#include <QFrame>

class QLabel;

namespace pictova {

class CountdownClock;

// The countdown, `timer_back`: the clock's caption over a bar that shrinks as the seconds run out.
class CountdownView : public QFrame
{
    Q_OBJECT
public:
    explicit CountdownView(const CountdownClock& clock, QWidget* parent = nullptr);

    QLabel* caption() const { return m_caption; }
    QLabel* bar() const { return m_bar; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void show();

    const CountdownClock& m_clock;
    QLabel* m_bar;
    QLabel* m_caption;
};

} // namespace pictova
