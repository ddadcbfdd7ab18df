#pragma once

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <functional>

class QLayout;
class QMainWindow;
class QMenu;
class QStyle;
class QWidget;

namespace pictova {

// The UI scale a window is shown at (today's zoom steps): its text and icons grow by it, and
// its layouts size it from them. Pictures are drawn afresh for the scale, never blown up.
namespace design {

// The scale of the window `widget` belongs to (a pop-up: of the window it pops up from); 1 until
// it is scaled.
qreal zoomOf(const QWidget* widget);
// An icon's or picture's length at the widget's scale.
int scaled(const QWidget* widget, int designed);
// A picture of design size drawn at the widget's scale and screen density; `draw` gets the
// pixels per design unit.
QPixmap picture(const QWidget* widget, const std::function<QPixmap(qreal scale)>& draw);

// Used by the game window until it moves to layouts: it places its widgets by hand in design
// units (its size at 100 %), and these place them at the window's zoom.
QRect geometry(const QWidget* widget);
void move(QWidget* widget, QPoint designed);
void setFixedWidth(QWidget* widget, int designed);
// Marks a widget whose size follows the zoom by itself (it is only moved) or whose font does.
void setOwnSize(QWidget* widget);
void setOwnFont(QWidget* widget);

} // namespace design

// Used by the game window until it moves to layouts: zooms a main window placed by hand, every
// place, size, margin, icon and font in its central widget and its menu bar.
class WindowZoom : public QObject
{
    Q_OBJECT
public:
    // Takes the window as it is now as its design (call once it is built, at 100 %).
    explicit WindowZoom(QMainWindow* window);

    qreal zoom() const { return m_zoom; }
    qreal devicePixelRatio() const { return m_devicePixelRatio; }
    // Lays the window out at `zoom` for the window's current screen; the same zoom on a screen of
    // another pixel density draws the pictures afresh.
    void apply(qreal zoom);

signals:
    // After each change: pictures and parts that follow the zoom themselves redraw now.
    void zoomed(qreal zoom, qreal devicePixelRatio);

private:
    void record(QWidget* root);

    QMainWindow* m_window;
    // Scroll bars and arrow buttons, whose sizes come from the style, get one that follows the zoom.
    QStyle* m_zoomedStyle = nullptr;
    QList<QPointer<QWidget>> m_styled;
    QList<QPointer<QWidget>> m_widgets;
    QList<QPointer<QLayout>> m_layouts;
    QList<QPointer<QMenu>> m_menus;
    qreal m_zoom = 1.0;
    qreal m_devicePixelRatio = 1.0;
};

} // namespace pictova
