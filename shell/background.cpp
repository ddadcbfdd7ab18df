#include "shell/background.h"

#include "resources/artwork.h"

#include <QPainter>
#include <QPixmap>

namespace pictova {

void paintTiledBackground(QPainter& painter, const QRect& area, const QColor& base)
{
    painter.fillRect(area, base);
    static const QPixmap tile = artwork::backgroundTile();
    if (!tile.isNull())
        painter.drawTiledPixmap(area, tile);
}

} // namespace pictova
