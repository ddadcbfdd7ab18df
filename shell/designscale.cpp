#include "shell/designscale.h"
#include "shell/designscale_p.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleOption>
#include <QToolButton>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace pictova {

namespace designdetail {

const char* const kZoom = "_design_zoom";
const char* const kWindowZoomed = "_design_windowzoomed";

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

// Used by the game window until it moves to layouts: its widgets are placed by hand, so a zoom
// multiplies their places, sizes and layout margins as well as their fonts.
namespace {

// What a widget was designed as, kept as properties of the widget.
const char* const kGeometry = "_design_geometry";
const char* const kMinimum = "_design_minimum";
const char* const kMaximum = "_design_maximum";
const char* const kFont = "_design_font";
const char* const kIconSize = "_design_iconsize";
const char* const kOwnSize = "_design_ownsize";
const char* const kOwnFont = "_design_ownfont";
const char* const kMargins = "_design_margins"; // left, top, right, bottom as a rectangle's corners
const char* const kSpacing = "_design_spacing";

// Both corners rounded, so neighbours designed edge to edge stay edge to edge.
QRect timesRect(const QRect& designed, qreal zoom)
{
    const int left = times(designed.x(), zoom);
    const int top = times(designed.y(), zoom);
    return QRect(left, top, times(designed.x() + designed.width(), zoom) - left,
                 times(designed.y() + designed.height(), zoom) - top);
}

QSize timesLimit(const QSize& designed, qreal zoom)
{
    const auto one = [zoom](int length) {
        return length >= QWIDGETSIZE_MAX ? QWIDGETSIZE_MAX : times(length, zoom);
    };
    return QSize(one(designed.width()), one(designed.height()));
}

// A child of a widget with a layout is placed by that layout, not by us.
bool placedByLayout(const QWidget* widget)
{
    const QWidget* parent = widget->parentWidget();
    return parent && parent->layout();
}

// Qt's own parts of a composite widget (a scroll area's viewport and bars) place themselves.
bool insideQtPart(const QWidget* widget, const QWidget* root)
{
    for (const QWidget* w = widget; w && w != root; w = w->parentWidget())
        if (w->objectName().startsWith(QLatin1String("qt_")))
            return true;
    return false;
}

void placeAt(QWidget* widget, qreal zoom)
{
    const QRect designed = widget->property(kGeometry).toRect();
    if (widget->property(kOwnSize).toBool())
        widget->move(timesRect(designed, zoom).topLeft());
    else
        widget->setGeometry(timesRect(designed, zoom));
}

void recordWidget(QWidget* widget, bool keepFont)
{
    if (!widget->property(kGeometry).isValid())
        widget->setProperty(kGeometry, widget->geometry());
    widget->setProperty(kMinimum, widget->minimumSize());
    widget->setProperty(kMaximum, widget->maximumSize());
    if ((keepFont || widget->testAttribute(Qt::WA_SetFont)) && !widget->property(kOwnFont).toBool())
        widget->setProperty(kFont, widget->font());
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        widget->setProperty(kIconSize, button->iconSize());
}

void recordLayout(QLayout* layout)
{
    const QMargins margins = layout->contentsMargins();
    layout->setProperty(
        kMargins, QRect(QPoint(margins.left(), margins.top()), QPoint(margins.right(), margins.bottom())));
    layout->setProperty(kSpacing, layout->spacing());
}

void scaleWidget(QWidget* widget, qreal zoom)
{
    const QVariant font = widget->property(kFont);
    if (font.isValid())
        widget->setFont(timesFont(font.value<QFont>(), zoom));
    const QVariant iconSize = widget->property(kIconSize);
    if (iconSize.isValid())
        static_cast<QAbstractButton*>(widget)->setIconSize(timesLimit(iconSize.toSize(), zoom));
    const QSize minimum = timesLimit(widget->property(kMinimum).toSize(), zoom);
    const QSize maximum = timesLimit(widget->property(kMaximum).toSize(), zoom);
    if (!widget->property(kOwnSize).toBool()) {
        // Widened limits first, so the new ones never cross the old.
        widget->setMinimumSize(0, 0);
        widget->setMaximumSize(maximum);
        widget->setMinimumSize(minimum);
    }
    if (!placedByLayout(widget))
        placeAt(widget, zoom);
}

void scaleLayout(QLayout* layout, qreal zoom)
{
    const QRect margins = layout->property(kMargins).toRect();
    layout->setContentsMargins(times(margins.left(), zoom), times(margins.top(), zoom),
                               times(margins.right(), zoom), times(margins.bottom(), zoom));
    const int spacing = layout->property(kSpacing).toInt();
    if (spacing >= 0)
        layout->setSpacing(times(spacing, zoom));
}

} // namespace

namespace design {

QRect geometry(const QWidget* widget)
{
    const QVariant designed = widget->property(kGeometry);
    return designed.isValid() ? designed.toRect() : widget->geometry();
}

void move(QWidget* widget, QPoint designed)
{
    QRect place = geometry(widget);
    place.moveTo(designed);
    widget->setProperty(kGeometry, place);
    placeAt(widget, zoomOf(widget));
}

void setFixedWidth(QWidget* widget, int designed)
{
    QRect place = geometry(widget);
    place.setWidth(designed);
    widget->setProperty(kGeometry, place);
    const QSize minimum =
        widget->property(kMinimum).isValid() ? widget->property(kMinimum).toSize() : widget->minimumSize();
    const QSize maximum =
        widget->property(kMaximum).isValid() ? widget->property(kMaximum).toSize() : widget->maximumSize();
    widget->setProperty(kMinimum, QSize(designed, minimum.height()));
    widget->setProperty(kMaximum, QSize(designed, maximum.height()));
    widget->setFixedWidth(times(designed, zoomOf(widget)));
}

void setOwnSize(QWidget* widget)
{
    widget->setProperty(kOwnSize, true);
}

void setOwnFont(QWidget* widget)
{
    widget->setProperty(kOwnFont, true);
}

} // namespace design

// The window's pictures were drawn at ratio 1: a denser screen draws them afresh even at 100 %.
WindowZoom::WindowZoom(QMainWindow* window) : QObject(window), m_window(window)
{
    window->setProperty(kWindowZoomed, true);
    if (QWidget* central = window->centralWidget())
        record(central);
    if (window->menuWidget())
        record(window->menuWidget());
    // The window's menus open as windows of their own; their text grows with the rest.
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        menu->setProperty(kFont, menu->font());
        m_menus << menu;
    }
}

void WindowZoom::record(QWidget* root)
{
    QList<QWidget*> widgets{root};
    widgets += root->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        // Menus, dialogs and pop-ups are windows of their own.
        if (widget->window() != m_window || insideQtPart(widget, root))
            continue;
        // The root's font is made explicit so all it passes down grows with it.
        recordWidget(widget, widget == root);
        m_widgets << widget;
        if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
            m_styled << area->verticalScrollBar() << area->horizontalScrollBar();
        if (auto* button = qobject_cast<QToolButton*>(widget); button && button->arrowType() != Qt::NoArrow)
            m_styled << button;
        if (QLayout* layout = widget->layout()) {
            QList<QLayout*> layouts{layout};
            layouts += layout->findChildren<QLayout*>();
            for (QLayout* each : layouts) {
                recordLayout(each);
                m_layouts << each;
            }
        }
    }
}

void WindowZoom::apply(qreal zoom)
{
    const qreal ratio = m_window->devicePixelRatioF();
    if (!(zoom > 0.0) || (zoom == m_zoom && ratio == m_devicePixelRatio))
        return;
    const bool resize = zoom != m_zoom;
    m_zoom = zoom;
    m_devicePixelRatio = ratio;
    m_window->setProperty(kZoom, zoom);
    if (resize) {
        for (QWidget* widget : std::as_const(m_widgets))
            if (widget)
                scaleWidget(widget, m_zoom);
        for (QLayout* layout : std::as_const(m_layouts))
            if (layout)
                scaleLayout(layout, m_zoom);
        if (!m_zoomedStyle) {
            m_zoomedStyle = newZoomedStyle();
            // Owned here, so it outlives the window's widgets (made before this).
            m_zoomedStyle->setParent(this);
        }
        for (QMenu* menu : std::as_const(m_menus))
            if (menu) {
                menu->setFont(timesFont(menu->property(kFont).value<QFont>(), m_zoom));
                if (menu->style() != m_zoomedStyle)
                    menu->setStyle(m_zoomedStyle);
            }
        for (QWidget* widget : std::as_const(m_styled))
            if (widget) {
                if (widget->style() != m_zoomedStyle)
                    widget->setStyle(m_zoomedStyle);
                widget->updateGeometry();
            }
    }
    emit zoomed(zoom, ratio);
}

} // namespace pictova
