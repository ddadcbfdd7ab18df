#pragma once

#include <QFont>
#include <QObject>
#include <functional>
#include <optional>

class QStyle;
class QWidget;

namespace pictova {

// The game's other windows (its secondary windows, dialogs and message boxes, tool tips, and
// pop-ups marked to follow) open at the zoom of the game window they belong to, or at the game window's zoom
// when they belong to none, and follow it when it changes. A window's state when it is first
// zoomed is its design at 100 %: its fonts, fixed sizes, the places of children not placed by a
// layout, layout margins and spacing, and icon sizes are multiplied from it. A window is left
// exactly as built until it is first shown at a zoom other than 100 %.
class DialogZoom : public QObject
{
    Q_OBJECT
public:
    // The one for the application, watching every window from the first call on.
    static DialogZoom* instance();

    // The zoom of windows that belong to no zoomed game window.
    qreal zoom() const { return m_zoom; }
    // Brings every window that is open or was zoomed before to its zoom now.
    void setZoom(qreal zoom);
    // Brings one window to its zoom now, e.g. before measuring it to place it.
    void follow(QWidget* window);

    // A pop-up (not followed unless marked) follows its window's zoom too.
    static void followZoom(QWidget* popup);
    // `redraw` runs after each change of the window's zoom or pixel density: its pictures are
    // drawn afresh there (design::picture).
    static void whenZoomed(QWidget* window, std::function<void()> redraw);

signals:
    void windowZoomed(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DialogZoom();
    qreal ownerZoom(const QWidget* window) const;
    void scaleWindow(QWidget* window, qreal zoom);
    void sizeWindow(QWidget* window, qreal zoom);

    qreal m_zoom = 1.0;
    QStyle* m_zoomedStyle = nullptr;
    std::optional<QFont> m_tipFont; // the tool tips' font at 100 %, once zoomed
};

} // namespace pictova
