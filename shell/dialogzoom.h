#pragma once

#include <QFont>
#include <QObject>
#include <functional>
#include <optional>

class QStyle;
class QWidget;

namespace pictova {

// The UI scale of the game's other windows (its secondary windows, dialogs and message boxes,
// tool tips, and pop-ups marked to follow): each opens at the scale of the game window it
// belongs to, or at the game window's when it belongs to none, and follows it when it changes.
// The scale sets the size of their text and icons only; their layouts size them from that. A
// window is left exactly as built until it is first shown at a scale other than 100 %.
class DialogZoom : public QObject
{
    Q_OBJECT
public:
    // The one for the application, watching every window from the first call on.
    static DialogZoom* instance();

    // The scale of windows that belong to no zoomed game window.
    qreal zoom() const { return m_zoom; }
    // Brings every window that is open or was scaled before to its scale now.
    void setZoom(qreal zoom);
    // Brings one window to its scale now, e.g. before measuring it to place it.
    void follow(QWidget* window);

    // A game window that scales itself (client/uiscale.h) to `zoom`: it is none of this one's to
    // scale, and the windows that belong to it take its scale.
    static void ownScale(QWidget* window, qreal zoom);

    // A pop-up (not followed unless marked) follows its window's scale too.
    static void followZoom(QWidget* popup);
    // `redraw` runs after each change of the window's scale or pixel density: its pictures are
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

    qreal m_zoom = 1.0;
    QStyle* m_zoomedStyle = nullptr;
    std::optional<QFont> m_tipFont; // the tool tips' font at 100 %, once scaled
};

} // namespace pictova
