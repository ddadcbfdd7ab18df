#include "client/uiscale.h"

#include "messaging/errors.h"
#include "shell/apppaths.h"
#include "shell/dialogzoom.h"
#include "shell/zoomsetting.h"
#include "translations/livetexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace pictova {

namespace {
QFont scaledFont(QFont font, qreal scale)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * scale)));
    else
        font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

// The widget's value at 100 %, remembered on it the first time.
template <typename T> T designed(QWidget* widget, const char* name, const T& now)
{
    const QVariant kept = widget->property(name);
    if (kept.isValid())
        return kept.value<T>();
    widget->setProperty(name, QVariant::fromValue(now));
    return now;
}

int scaledLength(int length, qreal scale)
{
    return qRound(length * scale);
}
} // namespace

void scaleWidgets(QWidget* root, qreal scale)
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : std::as_const(widgets)) {
        if (widget->window() != root->window() || widget->property("uiOwnScale").toBool())
            continue;
        if (widget == root || widget->testAttribute(Qt::WA_SetFont))
            widget->setFont(scaledFont(
                designed(widget, "uiFont", widget == root ? QApplication::font() : widget->font()), scale));
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            const QSize icon = designed(button, "uiIconSize", button->iconSize());
            button->setIconSize(icon * scale);
        }
        if (widget->property("uiOwnSize").toBool())
            continue;
        // Only sizes fixed by hand; everything else comes from the layouts and the fonts.
        const QSize minimum = designed(widget, "uiMinimumSize", widget->minimumSize());
        const QSize maximum = designed(widget, "uiMaximumSize", widget->maximumSize());
        if (minimum.width() == maximum.width() && minimum.width() > 0)
            widget->setFixedWidth(scaledLength(minimum.width(), scale));
        if (minimum.height() == maximum.height() && minimum.height() > 0)
            widget->setFixedHeight(scaledLength(minimum.height(), scale));
    }
}

UiScale::UiScale(QMainWindow* window, QMenu* viewMenu, QSize inside)
    : QObject(window), m_window(window), m_inside(inside),
      m_designed(inside + QSize(0, window->menuBar()->sizeHint().height()))
{
    m_room = [this] {
        const QScreen* shown = m_window->screen();
        return shown ? shown->availableGeometry().size() : QSize();
    };
    buildMenu(viewMenu);
}

void UiScale::buildMenu(QMenu* view)
{
    QMenu* zoom = view->addMenu(QString());
    auto* texts = new LiveTexts(zoom);
    texts->add([zoom] { zoom->setTitle(tr("Zoom")); });
    zoom->setObjectName(QStringLiteral("Zoom1"));
    auto* steps = new QActionGroup(zoom);
    for (int step : kZoomSteps) {
        QAction* action = zoom->addAction(QStringLiteral("%1 %").arg(step));
        action->setObjectName(QStringLiteral("Zoom%1").arg(step));
        action->setCheckable(true);
        action->setData(step);
        steps->addAction(action);
        connect(action, &QAction::triggered, this, [this, step] { choose(step); });
        m_items << action;
    }
    zoom->addSeparator();
    const auto key = [this, texts](QMenu* menu, const QString& name, const char* text,
                                   QList<QKeySequence> keys) {
        QAction* action = menu->addAction(QString());
        texts->add([action, text] { action->setText(tr(text)); });
        action->setObjectName(name);
        action->setShortcuts(keys);
        // The keys work wherever the focus is in the window, the answer and chat fields included.
        action->setShortcutContext(Qt::WindowShortcut);
        m_window->addAction(action);
        return action;
    };
    // Ctrl and the + key, shifted or not (on many keyboards + shares its key with =).
    connect(key(zoom, QStringLiteral("ZoomIn1"), QT_TR_NOOP("Zoom In"),
                {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}),
            &QAction::triggered, this, [this] { choose(offeredStep(+1)); });
    connect(key(zoom, QStringLiteral("ZoomOut1"), QT_TR_NOOP("Zoom Out"),
                {QKeySequence(Qt::CTRL | Qt::Key_Minus)}),
            &QAction::triggered, this, [this] { choose(offeredStep(-1)); });
    connect(key(zoom, QStringLiteral("ZoomReset1"), QT_TR_NOOP("Actual Size"),
                {QKeySequence(Qt::CTRL | Qt::Key_0)}),
            &QAction::triggered, this, [this] { choose(kZoomSteps.front()); });

    m_fullScreen =
        key(view, QStringLiteral("FullScreen1"), QT_TR_NOOP("Full Screen"), {QKeySequence(Qt::Key_F11)});
    m_fullScreen->setCheckable(true);
    connect(m_fullScreen, &QAction::triggered, this, &UiScale::toggleFullScreen);
    // Esc leaves full screen only: elsewhere it stays the dialogs' and fields' key.
    m_leaveFullScreen = new QAction(this);
    m_leaveFullScreen->setObjectName(QStringLiteral("LeaveFullScreen"));
    m_leaveFullScreen->setShortcut(QKeySequence(Qt::Key_Escape));
    m_leaveFullScreen->setShortcutContext(Qt::WindowShortcut);
    m_leaveFullScreen->setEnabled(false);
    m_window->addAction(m_leaveFullScreen);
    connect(m_leaveFullScreen, &QAction::triggered, this, &UiScale::toggleFullScreen);
}

void UiScale::toggleFullScreen()
{
    const bool full = !m_window->isFullScreen();
    m_window->setWindowState(full ? (m_window->windowState() | Qt::WindowFullScreen)
                                  : (m_window->windowState() & ~Qt::WindowFullScreen));
    m_fullScreen->setChecked(full);
    m_leaveFullScreen->setEnabled(full);
}

void UiScale::setPercent(int percent)
{
    const int chosen = nearestZoomStep(percent);
    const bool changed = chosen != m_percent;
    m_percent = chosen;
    for (QAction* item : std::as_const(m_items))
        item->setChecked(item->data().toInt() == m_percent);
    apply();
    // The layouts first learn what the text and controls need now, or a smaller scale would be
    // held to the room the larger one needed.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    m_window->layout()->activate();
    // The window opens, and goes back, at its default size for the scale; a full-screen or
    // maximised window keeps the room it has.
    if (changed || !m_window->isVisible())
        if (!(m_window->windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized)))
            m_window->resize(m_inside * scale() + QSize(0, m_window->menuBar()->sizeHint().height()));
}

void UiScale::apply()
{
    scaleWidgets(m_window, scale());
    // Menus are windows of their own: they take the scaled text from the window's menu bar.
    const QFont menuFont = m_window->menuBar()->font();
    for (QMenu* menu : m_window->findChildren<QMenu*>())
        menu->setFont(menuFont);
    // The game's other windows (dialogs, notices, the snapshots) take their zoom from this
    // window, which scales itself and is none of theirs to scale.
    DialogZoom::ownScale(m_window, scale());
    DialogZoom::instance()->setZoom(scale());
    emit scaled(scale());
}

void UiScale::choose(int percent)
{
    setPercent(percent);
    try {
        saveZoom(settingsFilePath(), m_percent);
    } catch (const PictovaError& error) {
        reportError(error.text());
    }
}

void UiScale::setRoom(std::function<QSize()> room)
{
    m_room = std::move(room);
    offerSteps();
}

void UiScale::windowShown()
{
    if (QWindow* window = m_window->windowHandle()) {
        connect(window, &QWindow::screenChanged, this, [this](QScreen* screen) {
            apply();
            followScreen(screen);
            offerSteps();
        });
        followScreen(window->screen());
    }
    apply();
    offerSteps();
}

void UiScale::followScreen(QScreen* screen)
{
    disconnect(m_screenRoom);
    if (screen)
        m_screenRoom = connect(screen, &QScreen::availableGeometryChanged, this, [this] { offerSteps(); });
}

void UiScale::offerSteps()
{
    // Text and controls larger than the screen would put the chat input, the scores and the
    // buttons out of reach, so only the steps at which the window fits are offered.
    const QSize room = m_room ? m_room() : QSize();
    if (room.isEmpty() || !m_window->isVisible())
        return;
    m_offered =
        zoomStepsThatFit(room, m_designed, m_window->frameGeometry().size() - m_window->geometry().size());
    for (QAction* item : std::as_const(m_items))
        item->setVisible(m_offered.contains(item->data().toInt()));
    // The remembered step stays remembered for a larger screen.
    if (m_percent > m_offered.last())
        setPercent(m_offered.last());
}

int UiScale::offeredStep(int direction) const
{
    const int next = nextZoomStep(m_percent, direction);
    return m_offered.isEmpty() ? next : std::min(next, m_offered.last());
}

} // namespace pictova
