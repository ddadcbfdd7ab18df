#include "shell/dialogzoom.h"

#include "shell/designscale_p.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QLayout>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QToolTip>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace pictova {

using namespace designdetail;

namespace {

const char* const kFollows = "_design_follows";   // a pop-up marked to follow
const char* const kOwnScale = "_design_ownscale"; // a game window that scales itself
const char* const kRatio = "_design_ratio";       // the pixel density the window's pictures are drawn for
// What a widget is at 100 %, kept on it once its window is first scaled.
const char* const kRecorded = "_design_recorded";
const char* const kFont = "_design_font";
const char* const kIconSize = "_design_iconsize";

bool followed(const QWidget* window)
{
    if (!window->isWindow() || window->property(kOwnScale).toBool() || qobject_cast<const QMenu*>(window))
        return false;
    if (window->property(kFollows).toBool())
        return true;
    const Qt::WindowType type = window->windowType();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Tool;
}

// A style sheet fixes the font of the widgets it styles when they are polished: they no longer
// take their parent's.
bool styledBySheet(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget())
        if (!w->styleSheet().isEmpty())
            return true;
    return false;
}

// Keeps the fonts and icon sizes of what was added to the window since it was last scaled; true
// if anything was. A font set on a widget of its own (a heading) is kept; the others follow the
// window's.
bool recordNew(QWidget* window)
{
    bool added = false;
    QList<QWidget*> widgets{window};
    widgets += window->findChildren<QWidget*>();
    for (QWidget* widget : std::as_const(widgets)) {
        if (widget->window() != window || widget->property(kRecorded).toBool())
            continue;
        widget->setProperty(kRecorded, true);
        added = true;
        if (widget == window || widget->testAttribute(Qt::WA_SetFont) || styledBySheet(widget))
            widget->setProperty(kFont, widget->font());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            widget->setProperty(kIconSize, button->iconSize());
    }
    return added;
}

} // namespace

DialogZoom* DialogZoom::instance()
{
    static QPointer<DialogZoom> one;
    if (!one)
        one = new DialogZoom;
    return one;
}

DialogZoom::DialogZoom() : QObject(qApp)
{
    qApp->installEventFilter(this);
}

void DialogZoom::ownScale(QWidget* window, qreal zoom)
{
    window->setProperty(kOwnScale, true);
    window->setProperty(kZoom, zoom);
}

void DialogZoom::followZoom(QWidget* popup)
{
    popup->setProperty(kFollows, true);
    instance();
}

void DialogZoom::whenZoomed(QWidget* window, std::function<void()> redraw)
{
    connect(instance(), &DialogZoom::windowZoomed, window,
            [window, redraw = std::move(redraw)](QWidget* zoomed) {
                if (zoomed == window)
                    redraw();
            });
}

bool DialogZoom::eventFilter(QObject* watched, QEvent* event)
{
    // Polished: before its first layout, so it is laid out and sized once, at its scale. Shown:
    // the scale may have changed while it was hidden, or children were added.
    if ((event->type() == QEvent::Polish || event->type() == QEvent::Show) && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow())
            follow(widget);
    }
    return false;
}

qreal DialogZoom::ownerZoom(const QWidget* window) const
{
    // Through the windows this one belongs to, up to a game window that is zoomed itself.
    for (const QWidget* w = window->parentWidget(); w; w = w->parentWidget()) {
        const QWidget* owner = w->window();
        if (!followed(owner)) {
            const QVariant zoom = owner->property(kZoom);
            if (zoom.isValid())
                return zoom.toReal();
        }
        w = owner;
    }
    return m_zoom;
}

void DialogZoom::setZoom(qreal zoom)
{
    if (!(zoom > 0.0))
        return;
    m_zoom = zoom;
    // Tool tips are one window for the whole game.
    if (zoom != 1.0 && !m_tipFont)
        m_tipFont = QToolTip::font();
    if (m_tipFont)
        QToolTip::setFont(timesFont(*m_tipFont, zoom));
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() || window->property(kZoom).isValid())
            follow(window);
}

void DialogZoom::follow(QWidget* window)
{
    if (!window || !followed(window))
        return;
    const qreal target = ownerZoom(window);
    // Measured as it will show (to be placed): a window its layout sizes takes that size now.
    if (window->layout() && !window->isVisible() && !window->testAttribute(Qt::WA_Resized)) {
        window->layout()->activate();
        window->adjustSize();
    }
    const QVariant current = window->property(kZoom);
    // Never scaled and at 100 %: left exactly as it was built.
    if (!current.isValid() && target == 1.0)
        return;
    const bool added = recordNew(window);
    const bool resized = !current.isValid() || current.toReal() != target;
    const qreal ratio = window->devicePixelRatioF();
    const bool redraw = resized || window->property(kRatio).toReal() != ratio;
    if (!resized && !added && !redraw)
        return;
    window->setProperty(kZoom, target);
    window->setProperty(kRatio, ratio);
    if (resized || added)
        scaleWindow(window, target);
    // Pictures and what a window sets itself for the scale come before the window is sized.
    emit windowZoomed(window);
    // A window at a new scale takes the size its layout asks for; one whose scale stays keeps the
    // size it has (the user's).
    if (resized && window->layout()) {
        window->layout()->activate();
        window->adjustSize();
    }
    // A message box fixes its own size to its text when the text is set.
    if (auto* box = qobject_cast<QMessageBox*>(window); resized && box && box->isVisible())
        box->setText(box->text());
}

void DialogZoom::scaleWindow(QWidget* window, qreal zoom)
{
    // The window last: when its font changes, what it fits to its text sees its parts' new fonts.
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    std::reverse(widgets.begin(), widgets.end());
    widgets << window;
    for (QWidget* widget : std::as_const(widgets)) {
        if (!widget->property(kRecorded).toBool() || widget->window() != window)
            continue;
        if (const QVariant font = widget->property(kFont); font.isValid())
            widget->setFont(timesFont(font.value<QFont>(), zoom));
        if (const QVariant iconSize = widget->property(kIconSize); iconSize.isValid())
            static_cast<QAbstractButton*>(widget)->setIconSize(iconSize.toSize() * zoom);
        // Scroll bars, arrows and the marks of check boxes take their sizes from the style: one
        // that follows the scale.
        QList<QWidget*> styled;
        if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
            styled << area->verticalScrollBar() << area->horizontalScrollBar();
        if (auto* button = qobject_cast<QToolButton*>(widget); button && button->arrowType() != Qt::NoArrow)
            styled << button;
        if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget))
            styled << widget;
        for (QWidget* each : std::as_const(styled)) {
            if (zoom == 1.0 && !m_zoomedStyle)
                continue;
            if (!m_zoomedStyle) {
                m_zoomedStyle = newZoomedStyle();
                m_zoomedStyle->setParent(this);
            }
            if (each->style() != m_zoomedStyle)
                each->setStyle(m_zoomedStyle);
            each->updateGeometry();
        }
    }
}

} // namespace pictova
