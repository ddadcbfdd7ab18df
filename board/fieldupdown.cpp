#include "board/fieldupdown.h"

#include "messaging/integer.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace pictova {

FieldUpDown::FieldUpDown(int minimum, int maximum, int position, QWidget* parent)
    : QWidget(parent), m_minimum(minimum), m_maximum(maximum),
      m_position(std::clamp(position, minimum, maximum)), m_up(new QToolButton(this)),
      m_down(new QToolButton(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* button : {m_up, m_down}) {
        button->setArrowType(button == m_up ? Qt::UpArrow : Qt::DownArrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(button);
    }
    m_up->setObjectName(QStringLiteral("up"));
    m_down->setObjectName(QStringLiteral("down"));
    connect(m_up, &QToolButton::clicked, this, &FieldUpDown::stepUp);
    connect(m_down, &QToolButton::clicked, this, &FieldUpDown::stepDown);
}

void FieldUpDown::setAssociate(QLineEdit* field)
{
    if (m_field)
        m_field->removeEventFilter(this);
    m_field = field;
    if (m_field) {
        m_field->installEventFilter(this);
        m_field->setText(QString::number(m_position));
    }
}

void FieldUpDown::setPosition(int position)
{
    m_position = std::clamp(position, m_minimum, m_maximum);
    if (m_field)
        m_field->setText(QString::number(m_position));
}

void FieldUpDown::step(int delta)
{
    if (m_field) {
        if (const auto typed = tryParseInteger(m_field->text()))
            m_position = std::clamp(*typed, m_minimum, m_maximum);
    }
    setPosition(std::clamp(m_position + delta, m_minimum, m_maximum));
}

// The arrow keys in the field step too.
bool FieldUpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pictova
