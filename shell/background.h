#pragma once

#include <QColor>

class QPainter;
class QRect;
class QWidget;

namespace pictova {

// The game's windows share one look: a base colour under the tiled background picture.
// The tile is drawn for `widget`'s zoom and screen.
void paintTiledBackground(QPainter& painter, const QRect& area, const QColor& base, const QWidget* widget);

inline const QColor kMaroon{0x80, 0x00, 0x00};

} // namespace pictova
