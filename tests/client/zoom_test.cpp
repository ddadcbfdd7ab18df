// The game window at another zoom: everything grows alike and comes back exactly, the board's
// strokes go out in board coordinates whatever the zoom, and the choice is remembered.
#include "client/answerpanel.h"
#include "client/boardheader.h"
#include "client/boardview.h"
#include "client/gameviews.h"
#include "client/seatpanelview.h"
#include "client/uiscale.h"
#include "client/windowactions.h"
#include "client/windowsettings.h"
#include "tests/client/clientfixture.h"

#include "board/boardcanvas.h"
#include "board/colourbutton.h"
#include "board/snapshotviewer.h"
#include "chat/chatlog.h"
#include "client/gamechooser.h"
#include "shell/apppaths.h"
#include "shell/playtogetherdialogs.h"
#include "shell/zoomsetting.h"
#include "tests/support/waitfor.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

using namespace pictova;
using pictova::test::ClientFixture;

namespace {

class WindowZoomTest : public ClientFixture
{
protected:
    void SetUp() override
    {
        ClientFixture::SetUp();
        // Every step fits a screen this large (the offscreen one is small).
        m_chat->uiScale().setRoom([] { return QSize(4000, 3000); });
    }
    GameViews& v() { return m_chat->views(); }

    // Every named widget of the window, by name, with its place in the window.
    QMap<QString, QRect> places() const
    {
        QMap<QString, QRect> found;
        for (const QWidget* widget : m_chat->centralWidget()->findChildren<QWidget*>())
            if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")) &&
                widget->window() == m_chat.get())
                found.insert(widget->objectName(),
                             QRect(widget->mapTo(m_chat.get(), QPoint(0, 0)), widget->size()));
        return found;
    }

    void mouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        BoardCanvas* canvas = m_chat->canvas();
        QMouseEvent event(type, at, canvas->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(canvas, &event);
    }

    // A stroke through board points, each pressed `within` of a board pixel into the square the
    // board pixel covers on the screen at the board's scale.
    QStringList stroke(const QList<QPoint>& points, qreal within)
    {
        m_sent.clear();
        const qreal scale = m_chat->canvas()->zoom();
        const auto at = [&](QPoint p) { return (QPointF(p) + QPointF(within, within)) * scale; };
        mouse(QEvent::MouseButtonPress, at(points.first()), Qt::LeftButton, Qt::LeftButton);
        for (const QPoint& p : points.mid(1))
            mouse(QEvent::MouseMove, at(p), Qt::NoButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, at(points.last()), Qt::LeftButton, Qt::NoButton);
        return sentEntries();
    }

    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest); }
    void resizeInside(QSize inside)
    {
        m_chat->resize(inside + QSize(0, m_chat->menuBar()->height()));
        settle();
    }

    void trigger(const char* name)
    {
        m_chat->findChild<QAction*>(QLatin1String(name))->trigger();
        settle();
    }
};

TEST_F(WindowZoomTest, TheDrawersStrokesSendTheSameCoordinatesAtEverySize)
{
    logIn(2, "Me");
    receive({"CMD_existingplayers+1+Ann", "CMD_pickcatagory+2", "CMD_nextplayer+2+0+___ ",
             "CMD_givedraweranswer+FAN"});
    settle();
    ASSERT_EQ(m_chat->canvas()->size(), QSize(533, 369));
    const QList<QPoint> points = {{100, 40}, {101, 41}, {0, 368}, {532, 0}, {266, 184}};
    const QStringList at100 = stroke(points, 0);
    ASSERT_EQ(at100.size(), 2);
    EXPECT_EQ(at100.first(), "CMD_moveit+2+clBlack+3+100+40");
    EXPECT_EQ(at100.last(), "CMD_draw+2+clBlack+3++101,41+0,368+532,0+266,184+");

    for (const QSize inside : {QSize(1568, 1036), QSize(1280, 700), QSize(2352, 1554), QSize(700, 500)}) {
        resizeInside(inside);
        const qreal scale = m_chat->canvas()->zoom();
        EXPECT_EQ(m_chat->canvas()->size(), QSize(int(533 * scale + 1e-9), int(369 * scale + 1e-9)));
        // A slow frame may cut the stroke into two messages; the points stay the same.
        for (qreal within : {0.0, 0.5, 0.95})
            EXPECT_EQ(stroke(points, within).join(' ').replace("+ CMD_draw+2+clBlack+3++", "+").toStdString(),
                      at100.join(' ').toStdString())
                << inside.width() << " " << within;
    }
    // Text and controls twice as large, in a window twice its default size: the board grows as
    // much as they do, or a little more.
    trigger("Zoom200");
    EXPECT_EQ(m_chat->centralWidget()->size(), QSize(1568, 1036));
    const qreal scale = m_chat->canvas()->zoom();
    EXPECT_GE(scale, 2.0);
    EXPECT_LT(scale, 2.05);

    // What was drawn is on the board bitmap in board pixels, and shown at the board's scale.
    EXPECT_EQ(m_chat->canvas()->backup().size(), QSize(533, 369));
    EXPECT_EQ(m_chat->canvas()->backup().pixel(266, 184), qRgb(0, 0, 0));
    const QPoint shown = (QPointF(266.5, 184.5) * scale).toPoint();
    EXPECT_EQ(m_chat->canvas()->displayed().pixel(shown), qRgb(0, 0, 0));
}

TEST_F(WindowZoomTest, TextAndControlsFollowTheScaleAndComeBackExactly)
{
    settle();
    const QMap<QString, QRect> designed = places();
    const QSize window = m_chat->centralWidget()->size();
    const int titlePixels = v().header().hintLine()->font().pixelSize();
    ASSERT_EQ(window, QSize(784, 518));
    ASSERT_EQ(m_chat->canvas()->size(), QSize(533, 369));

    trigger("Zoom250");
    EXPECT_EQ(m_chat->centralWidget()->size(), QSize(1960, 1295));
    EXPECT_EQ(v().header().hintLine()->font().pixelSize(), qRound(titlePixels * 2.5));
    EXPECT_EQ(v().seatPanel().width(), qRound(247 * 2.5) - 2);
    // The pictures are drawn for the scale, not enlarged.
    const QToolButton* start = v().header().startButton();
    EXPECT_EQ(start->iconSize(), QSize(250, 38));
    EXPECT_TRUE(start->icon().availableSizes().contains(QSize(250, 38)));

    // The menus' text grows too, and the longest item still has room beside the column the
    // style keeps for check marks (0.79 of an item's height) and the margins either side.
    trigger("Zoom300");
    QMenu* view = nullptr;
    for (QAction* menu : m_chat->menuBar()->actions())
        if (menu->text() == QLatin1String("&View"))
            view = menu->menu();
    ASSERT_NE(view, nullptr);
    const QAction* longest = m_chat->findChild<QAction*>("PhraseLists1");
    EXPECT_EQ(view->font().pointSizeF(), m_chat->menuBar()->font().pointSizeF());
    EXPECT_GE(view->sizeHint().width(),
              view->fontMetrics().horizontalAdvance(longest->text()) +
                  view->actionGeometry(const_cast<QAction*>(longest)).height() * 79 / 100 + 20);

    for (const char* step : {"Zoom125", "Zoom300", "Zoom150", "Zoom100"})
        trigger(step);
    const QMap<QString, QRect> back = places();
    for (auto it = designed.cbegin(); it != designed.cend(); ++it)
        EXPECT_EQ(back.value(it.key()), it.value()) << qPrintable(it.key());
    EXPECT_EQ(back.size(), designed.size());
    EXPECT_GT(designed.size(), 60);
    EXPECT_EQ(m_chat->centralWidget()->size(), window);
    EXPECT_EQ(v().header().hintLine()->font().pixelSize(), titlePixels);
}

TEST_F(WindowZoomTest, TheChatKeepsItsOwnTextSizeAtEveryScale)
{
    logIn(2, "Me");
    receive("CMD_existingplayers+1+Ann");
    trigger("Zoom200");
    receive({"CMD_newplayerinfo+4+Dee", "CMD_nextplayer+4+0+___ "});
    EXPECT_EQ(v().seatPanel().rowOf(v().seatPanel().turnArrow()),
              v().seatPanel().rowOf(v().seatPanel().nameLabel(4)));
    EXPECT_EQ(v().seatPanel().turnArrow()->geometry().center().y(),
              v().seatPanel().nameLabel(4)->geometry().center().y());

    // The chat's own text size stays the chosen one; the scale only shows it larger.
    m_chat->settings().setChatTextSize(12);
    trigger("Zoom300");
    EXPECT_EQ(v().chatLog().textSize(), 12);
    EXPECT_DOUBLE_EQ(v().chatLog().font().pointSizeF(), 36.0);
    m_chat->settings().setChatTextSize(8);
    EXPECT_DOUBLE_EQ(v().chatLog().font().pointSizeF(), 24.0);
}

TEST_F(WindowZoomTest, TheFirstStartFitsTheScreen)
{
    // No key yet: the step for this screen (the test screen is small, so 100 %).
    const int screenHeight = m_chat->screen()->geometry().height();
    const int designed = 518 + m_chat->menuBar()->sizeHint().height();
    EXPECT_EQ(m_chat->uiScale().percent(), firstStartZoom(screenHeight, designed));
    EXPECT_LE(m_chat->height(), screenHeight);
}

} // namespace

TEST_F(WindowZoomTest, TheOtherWindowsOpenAtTheWindowsZoomAndFollowIt)
{
    const qreal text = QApplication::font().pointSizeF();
    SnapshotViewer snapshots;
    m_chat->presentWindow(m_spectators.get());
    const QSize spectatorsAtOneHundred = m_spectators->size();
    m_spectators->hide();
    trigger("Zoom200");

    // A dialog of the window and a notice: their text at twice the size.
    m_chat->gameChooser()->openHostDialog();
    auto* host = m_chat->findChild<HostDialog*>();
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->font().pointSizeF(), text * 2);
    receive("CMD_full+");
    auto* notice = m_chat->findChild<QMessageBox*>(QStringLiteral("messagebox"));
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->font().pointSizeF(), text * 2);

    // Windows of their own (the spy list, the snapshots) go with the game window too, their
    // pictures drawn for the zoom.
    m_chat->presentWindow(m_spectators.get());
    EXPECT_EQ(m_spectators->font().pointSizeF(), text * 2);
    EXPECT_GT(m_spectators->width(), spectatorsAtOneHundred.width() * 3 / 2);
    EXPECT_EQ(m_spectators->palette().window().texture().size(), QSize(128, 128));
    snapshots.show();
    EXPECT_EQ(snapshots.findChild<QToolButton*>(QStringLiteral("previousButton"))->icon().availableSizes(),
              QList<QSize>{QSize(32, 32)});
    EXPECT_EQ(snapshots.findChild<QWidget*>(QStringLiteral("listbox_snapshots"))->font().pointSizeF(),
              text * 2);

    // The colour palette pops up at the zoom.
    ColourButton* colour = m_chat->findChild<ColourButton*>();
    ASSERT_NE(colour, nullptr);
    colour->showPalette();
    EXPECT_EQ(colour->palettePopup()->findChild<QToolButton*>(QStringLiteral("preset0"))->iconSize(),
              QSize(32, 32));
    EXPECT_GE(colour->palettePopup()->findChild<QToolButton*>(QStringLiteral("preset0"))->width(), 32);
    colour->palettePopup()->hide();

    // A change reaches the open ones and the hidden ones alike, and 100 % is as built.
    trigger("Zoom300");
    EXPECT_EQ(host->font().pointSizeF(), text * 3);
    EXPECT_EQ(m_spectators->font().pointSizeF(), text * 3);
    trigger("Zoom100");
    EXPECT_EQ(host->font().pointSizeF(), text);
    EXPECT_EQ(notice->font().pointSizeF(), text);
    EXPECT_EQ(m_spectators->size(), spectatorsAtOneHundred);
    EXPECT_EQ(m_spectators->palette().window().texture().size(), QSize(64, 64));
    colour->showPalette();
    EXPECT_EQ(colour->palettePopup()->findChild<QToolButton*>(QStringLiteral("preset0"))->iconSize(),
              QSize(16, 16));
}

TEST_F(WindowZoomTest, ANewGameWindowAtOneHundredPercentGivesItsZoomToTheOtherWindows)
{
    trigger("Zoom300");
    // Another game window starts at 100 % (its settings say so): the start form goes with it,
    // not with the window before it.
    saveZoom(settingsFilePath(), 100);
    TearDown();
    SetUp();
    m_chat->presentWindow(m_startform.get());
    EXPECT_EQ(m_startform->font(), QApplication::font());
    EXPECT_FALSE(m_startform->property("_design_zoom").isValid());
}

// Only the steps at which the whole window fits its screen are offered, whatever was remembered,
// and they come back on a larger screen.
TEST_F(ClientFixture, TheZoomStepsOfferedAreThoseAtWhichTheWindowFitsItsScreen)
{
    const auto offered = [this] {
        QList<int> steps;
        for (int step : kZoomSteps)
            if (m_chat->findChild<QAction*>(QStringLiteral("Zoom%1").arg(step))->isVisible())
                steps << step;
        return steps;
    };
    const struct
    {
        QSize room;
        QList<int> steps;
    } screens[] = {
        {{1920, 1080}, {100, 125, 150, 200}},
        {{1600, 1000}, {100, 125, 150}},
        {{2400, 1700}, {100, 125, 150, 200, 250, 300}},
        {{640, 480}, {100}},
    };
    for (const auto& screen : screens) {
        m_chat->uiScale().setRoom([&] { return screen.room; });
        EXPECT_EQ(offered(), screen.steps) << screen.room.width() << "x" << screen.room.height();
    }

    // A remembered 300 % on a 1920 by 1080 screen: the window goes to 200 % and fits; the choice
    // stays remembered for a larger screen, and the keys step only through what is offered.
    const QSize room(1920, 1080);
    m_chat->uiScale().setRoom([] { return QSize(2400, 1700); });
    m_chat->uiScale().choose(300);
    m_chat->uiScale().setRoom([&] { return room; });
    EXPECT_EQ(m_chat->uiScale().percent(), 200);
    ASSERT_TRUE(test::waitFor([&] { return m_chat->centralWidget()->width() == 1568; }));
    QApplication::processEvents();
    EXPECT_LE(m_chat->frameGeometry().width(), room.width());
    EXPECT_LE(m_chat->frameGeometry().height(), room.height());
    EXPECT_EQ(loadZoom(settingsFilePath()), 300);
    m_chat->findChild<QAction*>("ZoomIn1")->trigger();
    EXPECT_EQ(m_chat->uiScale().percent(), 200);
    m_chat->findChild<QAction*>("ZoomOut1")->trigger();
    EXPECT_EQ(m_chat->uiScale().percent(), 150);
}

namespace {
// The named widgets that show, each with its place in the window.
QList<const QWidget*> shownParts(const QWidget* window)
{
    QList<const QWidget*> parts;
    for (const QWidget* widget : window->findChildren<QWidget*>())
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")) &&
            widget->window() == window && widget->isVisible())
            parts << widget;
    return parts;
}
} // namespace

// The window resizes freely and goes full screen: the board fills the room left at its aspect,
// and nothing is cut, squeezed below what it needs, or laid over another part.
TEST_F(WindowZoomTest, TheWindowResizesAndGoesFullScreenWithTheBoardFittingAtItsAspect)
{
    logIn(2, "Me");
    receive({"CMD_existingplayers+1+Ann", "CMD_pickcatagory+2", "CMD_nextplayer+2+0+___ ",
             "CMD_givedraweranswer+FAN"});
    const QRect windowRoom = m_chat->rect();
    const auto check = [&](const QString& at) {
        settle();
        const QRect room(QPoint(0, 0), m_chat->size());
        const BoardCanvas* canvas = m_chat->canvas();
        const qreal scale = canvas->zoom();
        EXPECT_EQ(canvas->size(), QSize(int(533 * scale + 1e-9), int(369 * scale + 1e-9))) << qPrintable(at);
        // As large as fits: one way or the other the board reaches the edge of its room.
        const QRect boardRoom = v().boardView().contentsRect();
        EXPECT_TRUE(boardRoom.contains(canvas->geometry())) << qPrintable(at);
        EXPECT_TRUE(canvas->width() >= boardRoom.width() - 1 || canvas->height() >= boardRoom.height() - 1)
            << qPrintable(at);
        for (const QWidget* part : shownParts(m_chat.get())) {
            const QRect place(part->mapTo(m_chat.get(), QPoint(0, 0)), part->size());
            EXPECT_TRUE(room.contains(place)) << qPrintable(at + " " + part->objectName());
            // What a part needs, unless it or the control it belongs to was given a size of its own.
            const QSize needed = part->minimumSizeHint();
            const QWidget* holder = part->parentWidget();
            if (!holder->layout() || !needed.isValid() || holder->minimumSize() == holder->maximumSize())
                continue;
            if (part->minimumWidth() == 0 && part->sizePolicy().horizontalPolicy() != QSizePolicy::Ignored) {
                EXPECT_GE(part->width(), needed.width()) << qPrintable(at + " " + part->objectName());
            }
            if (part->minimumHeight() == 0) {
                EXPECT_GE(part->height(), needed.height()) << qPrintable(at + " " + part->objectName());
            }
        }
        // Parts side by side in one layout never overlap (the board's own overlays aside).
        for (const QWidget* part : shownParts(m_chat.get()))
            for (const QWidget* other : shownParts(m_chat.get()))
                if (part < other && part->parentWidget() == other->parentWidget() &&
                    part->parentWidget() != &v().boardView() && part->parentWidget()->layout() &&
                    part->parentWidget()->layout()->indexOf(const_cast<QWidget*>(part)) >= 0 &&
                    part->parentWidget()->layout()->indexOf(const_cast<QWidget*>(other)) >= 0) {
                    EXPECT_FALSE(part->geometry().intersects(other->geometry()))
                        << qPrintable(at + " " + part->objectName() + " " + other->objectName());
                }
    };
    check(QStringLiteral("default"));
    EXPECT_EQ(m_chat->canvas()->size(), QSize(533, 369));
    for (const QSize size : {QSize(800, 600), QSize(1024, 1024), QSize(1280, 720), QSize(1920, 1080)}) {
        m_chat->resize(size);
        check(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()));
        EXPECT_EQ(m_chat->size(), size);
    }
    EXPECT_GT(m_chat->canvas()->width(), 533 * 2);

    // F11 and View > Full Screen go full screen and back; so does Esc, only while full screen.
    m_chat->resize(windowRoom.size());
    m_chat->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_chat.get()));
    QTest::keyClick(m_chat.get(), Qt::Key_F11);
    ASSERT_TRUE(test::waitFor([&] { return m_chat->isFullScreen(); }));
    EXPECT_TRUE(m_chat->findChild<QAction*>("FullScreen1")->isChecked());
    check(QStringLiteral("full screen"));
    QTest::keyClick(m_chat.get(), Qt::Key_Escape);
    ASSERT_TRUE(test::waitFor([&] { return !m_chat->isFullScreen(); }));
    trigger("FullScreen1");
    ASSERT_TRUE(test::waitFor([&] { return m_chat->isFullScreen(); }));
    QTest::keyClick(m_chat.get(), Qt::Key_F11);
    ASSERT_TRUE(test::waitFor([&] { return !m_chat->isFullScreen(); }));
    EXPECT_FALSE(m_chat->findChild<QAction*>("FullScreen1")->isChecked());
    // Esc in a window that is not full screen stays the fields' key.
    QTest::keyClick(m_chat.get(), Qt::Key_Escape);
    EXPECT_FALSE(m_chat->isFullScreen());
}
