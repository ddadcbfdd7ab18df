#include "shell/background.h"

#include "resources/artwork.h"
#include "shell/designscale.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace pictova {

void paintTiledBackground(QPainter& painter, const QRect& area, const QColor& base, const QWidget* widget)
{
    painter.fillRect(area, base);
    // Drawn again only when the zoom or the screen changes, not on every paint.
    static QPixmap tile;
    static qreal drawnFor = 0.0;
    const qreal scale = design::zoomOf(widget) * widget->devicePixelRatioF();
    if (tile.isNull() || drawnFor != scale) {
        tile = design::picture(widget, artwork::backgroundTileAt);
        drawnFor = scale;
    }
    if (!tile.isNull())
        painter.drawTiledPixmap(area, tile);
}

} // namespace pictova
