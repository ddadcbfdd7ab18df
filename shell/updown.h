#pragma once

#include <QWidget>

class QToolButton;

namespace pictova {

// A pair of small arrow buttons beside a field; it only reports which arrow was pressed.
class UpDown : public QWidget
{
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

signals:
    void up();
    void down();

private:
    QToolButton* m_up;
    QToolButton* m_down;
};

} // namespace pictova
