#pragma once

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>
#include <functional>

// Small builders the game window's views share.
namespace pictova::viewparts {

inline const QColor kMaroon(0x80, 0, 0);

inline QFrame* panel(const QString& name, QWidget* parent, QFrame::Shape shape = QFrame::Panel)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(shape | QFrame::Sunken);
    frame->setLineWidth(1);
    return frame;
}

inline QLabel* label(const QString& name, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    // Names, hints and guesses come from other players: never read them as markup.
    l->setTextFormat(Qt::PlainText);
    return l;
}

inline void setColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

// A font of `pixelSize` at 100 %; the window's scale multiplies it.
inline void setBold(QWidget* widget, int pixelSize, bool bold = true)
{
    QFont font = widget->font();
    font.setBold(bold);
    font.setPixelSize(pixelSize);
    widget->setFont(font);
}

// A button showing a picture of `iconSize` at 100 %.
inline QToolButton* pictureButton(const QString& name, QWidget* parent, QSize iconSize)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIconSize(iconSize);
    button->setAutoRaise(true);
    return button;
}

// A picture drawn for `scale` (the window's UI scale) on the widget's screen: sharp, not enlarged.
inline QPixmap picture(const QWidget* widget, qreal scale, const std::function<QPixmap(qreal)>& draw)
{
    const qreal ratio = widget ? widget->devicePixelRatioF() : 1.0;
    QPixmap drawn = draw(scale * ratio);
    drawn.setDevicePixelRatio(ratio);
    return drawn;
}

} // namespace pictova::viewparts
