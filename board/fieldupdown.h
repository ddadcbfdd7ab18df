#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace pictova {

// An up-down control bound to a text field: each step starts from the number in the field (or
// the last position when the field holds no number), stays within its range without wrapping,
// and writes the new position back into the field.
class FieldUpDown : public QWidget
{
    Q_OBJECT
public:
    FieldUpDown(int minimum, int maximum, int position, QWidget* parent = nullptr);

    void setAssociate(QLineEdit* field);
    int position() const { return m_position; }
    void setPosition(int position);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    void stepUp() { step(+1); }
    void stepDown() { step(-1); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int delta);

    int m_minimum;
    int m_maximum;
    int m_position;
    QLineEdit* m_field = nullptr;
    QToolButton* m_up;
    QToolButton* m_down;
};

} // namespace pictova
