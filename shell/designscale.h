#pragma once

#include <QPixmap>
#include <functional>

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

} // namespace design

} // namespace pictova
