#include "shell/designscale.h"
#include "shell/designscale_p.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace pictova {

namespace designdetail {

const char* const kZoom = "_design_zoom";

int times(int designed, qreal zoom)
{
    return static_cast<int>(std::lround(designed * zoom));
}

QFont timesFont(QFont font, qreal zoom)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(qMax(1, times(font.pixelSize(), zoom)));
    else if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * zoom);
    if (font.letterSpacingType() == QFont::AbsoluteSpacing && font.letterSpacing() != 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, font.letterSpacing() * zoom);
    return font;
}

// The application's style, with the sizes it keeps by itself (scroll bars, arrows) grown by the
// zoom of the widget's window.
class ZoomedStyle final : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        if (metric == PM_ScrollBarExtent || metric == PM_ScrollBarSliderMin || metric == PM_IndicatorWidth ||
            metric == PM_IndicatorHeight || metric == PM_ExclusiveIndicatorWidth ||
            metric == PM_ExclusiveIndicatorHeight)
            return times(size, design::zoomOf(widget));
        return size;
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override
    {
        QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
        // The style draws a menu item's text after a column that grows with the item's height
        // but measures the item with a column of fixed width: with large text it would elide.
        if (type == CT_MenuItem && design::zoomOf(widget) != 1.0)
            size.rwidth() += qMax(0, qRound(size.height() * 0.79) - 21);
        return size;
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        const qreal zoom = design::zoomOf(widget);
        const bool arrow = element == PE_IndicatorArrowUp || element == PE_IndicatorArrowDown ||
                           element == PE_IndicatorArrowLeft || element == PE_IndicatorArrowRight;
        if (!arrow || zoom == 1.0) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // The style's arrow has a fixed size; this one grows with the zoom, centred as it is.
        const QPointF centre = QRectF(option->rect).center();
        const qreal half = qMin(4.0 * zoom, qMin(option->rect.width(), option->rect.height()) / 2.0);
        QPolygonF shape;
        switch (element) {
        case PE_IndicatorArrowUp:
            shape << QPointF(-half, half / 2) << QPointF(half, half / 2) << QPointF(0, -half / 2);
            break;
        case PE_IndicatorArrowDown:
            shape << QPointF(-half, -half / 2) << QPointF(half, -half / 2) << QPointF(0, half / 2);
            break;
        case PE_IndicatorArrowLeft:
            shape << QPointF(half / 2, -half) << QPointF(half / 2, half) << QPointF(-half / 2, 0);
            break;
        default:
            shape << QPointF(-half / 2, -half) << QPointF(-half / 2, half) << QPointF(half / 2, 0);
            break;
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(option->palette.color(
            option->state & State_Enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        painter->drawPolygon(shape.translated(centre));
        painter->restore();
    }
};

QStyle* newZoomedStyle()
{
    return new ZoomedStyle;
}

} // namespace designdetail

using namespace designdetail;

namespace design {

qreal zoomOf(const QWidget* widget)
{
    // A menu or pop-up is a window of its own; it goes with the window it belongs to.
    for (const QWidget* window = widget ? widget->window() : nullptr; window;
         window = window->parentWidget() ? window->parentWidget()->window() : nullptr) {
        const QVariant zoom = window->property(kZoom);
        if (zoom.isValid())
            return zoom.toReal();
    }
    return 1.0;
}

int scaled(const QWidget* widget, int designed)
{
    return times(designed, zoomOf(widget));
}

QPixmap picture(const QWidget* widget, const std::function<QPixmap(qreal scale)>& draw)
{
    const qreal ratio = widget->devicePixelRatioF();
    QPixmap drawn = draw(zoomOf(widget) * ratio);
    drawn.setDevicePixelRatio(ratio);
    return drawn;
}

} // namespace design

} // namespace pictova
