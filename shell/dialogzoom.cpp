#include "shell/dialogzoom.h"

#include "shell/designscale_p.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLayout>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QToolTip>
#include <QVariant>
#include <QWidget>

namespace pictova {

using namespace designdetail;

namespace {

const char* const kFollows = "_design_follows";   // a pop-up marked to follow
const char* const kRatio = "_design_ratio";       // the pixel density the window's pictures are drawn for
const char* const kRecorded = "_design_recorded"; // a widget or layout whose design is kept
// The window's size as the program set it; invalid when the window's layout sizes it.
const char* const kExplicitSize = "_design_explicitsize";
const char* const kSectionSize = "_design_sectionsize"; // a list header's default column width

bool followed(const QWidget* window)
{
    if (!window->isWindow() || window->property(kWindowZoomed).toBool() || qobject_cast<const QMenu*>(window))
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

// A combo box, spin box or list places and sizes its own parts (its line edit, its header).
bool insideComposite(const QWidget* widget, const QWidget* window)
{
    for (const QWidget* w = widget->parentWidget(); w && w != window; w = w->parentWidget())
        if (qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
            qobject_cast<const QAbstractItemView*>(w))
            return true;
    return false;
}

// Keeps the design of what was added to the window since it was last zoomed; true if anything was.
bool recordNew(QWidget* window)
{
    bool added = false;
    QList<QWidget*> widgets{window};
    widgets += window->findChildren<QWidget*>();
    for (QWidget* widget : std::as_const(widgets)) {
        if (widget->window() != window || insideQtPart(widget, window) || insideComposite(widget, window))
            continue;
        if (!widget->property(kRecorded).toBool()) {
            widget->setProperty(kRecorded, true);
            // The window's font is made explicit so all it passes down grows with it.
            recordWidget(widget, widget == window || styledBySheet(widget));
            added = true;
        }
        if (QLayout* layout = widget->layout()) {
            QList<QLayout*> layouts{layout};
            layouts += layout->findChildren<QLayout*>();
            for (QLayout* each : std::as_const(layouts))
                if (!each->property(kRecorded).toBool()) {
                    each->setProperty(kRecorded, true);
                    recordLayout(each);
                    added = true;
                }
        }
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
    // Polished: before its first layout, so it is laid out and sized once, at its zoom. Shown:
    // the zoom may have changed while it was hidden, or children were added.
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
    const QVariant current = window->property(kZoom);
    // Never zoomed and at 100 %: left exactly as it was built.
    if (!current.isValid() && target == 1.0)
        return;
    if (!current.isValid())
        window->setProperty(kExplicitSize, window->testAttribute(Qt::WA_Resized) ? window->size() : QSize());
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
    // Pictures and what a window sets itself for the zoom come before the window is sized. A
    // window whose zoom stays keeps the size it has (the user's).
    emit windowZoomed(window);
    if (resized)
        sizeWindow(window, target);
}

void DialogZoom::scaleWindow(QWidget* window, qreal zoom)
{
    QList<QWidget*> widgets{window};
    widgets += window->findChildren<QWidget*>();
    for (QWidget* widget : std::as_const(widgets)) {
        if (!widget->property(kRecorded).toBool() || widget->window() != window)
            continue;
        // The window itself stays where it is.
        scaleWidget(widget, zoom, widget != window);
        if (QLayout* layout = widget->layout()) {
            QList<QLayout*> layouts{layout};
            layouts += layout->findChildren<QLayout*>();
            for (QLayout* each : std::as_const(layouts))
                if (each->property(kRecorded).toBool())
                    scaleLayout(each, zoom);
        }
        // Scroll bars and arrows take their sizes from the style: one that follows the zoom.
        QList<QWidget*> styled;
        if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
            styled << area->verticalScrollBar() << area->horizontalScrollBar();
        if (auto* button = qobject_cast<QToolButton*>(widget); button && button->arrowType() != Qt::NoArrow)
            styled << button;
        // Check boxes and radio buttons: their marks.
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
    // A list's columns are as wide as the style's default: one for the zoomed text.
    for (QHeaderView* header : window->findChildren<QHeaderView*>()) {
        if (header->window() != window)
            continue;
        if (!header->property(kSectionSize).isValid())
            header->setProperty(kSectionSize, header->defaultSectionSize());
        header->setDefaultSectionSize(times(header->property(kSectionSize).toInt(), zoom));
    }
}

void DialogZoom::sizeWindow(QWidget* window, qreal zoom)
{
    const QSize explicitSize = window->property(kExplicitSize).toSize();
    if (explicitSize.isValid()) {
        window->resize(timesLimit(explicitSize, zoom));
    } else if (window->layout()) {
        window->layout()->activate();
        window->adjustSize();
        window->setAttribute(Qt::WA_Resized, false);
    }
}

} // namespace pictova
