#pragma once

#include <QColor>

class QPainter;
class QRect;

namespace pictova {

// The game's windows share one look: a base colour under the tiled background picture.
void paintTiledBackground(QPainter& painter, const QRect& area, const QColor& base);

inline const QColor kMaroon{0x80, 0x00, 0x00};

} // namespace pictova
