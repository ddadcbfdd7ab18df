// The game window at another zoom: everything grows alike and comes back exactly, the board's
// strokes go out in board coordinates whatever the zoom, and the choice is remembered.
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
        m_chat->setZoomRoom([] { return QSize(4000, 3000); });
    }
    GameView& v() { return m_chat->view(); }

    // Every widget of the window the window places itself (not a layout), by name, with its place.
    QMap<QString, QRect> places() const
    {
        QMap<QString, QRect> found;
        for (const QWidget* widget : m_chat->centralWidget()->findChildren<QWidget*>())
            if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")) &&
                widget->window() == m_chat.get() && !widget->parentWidget()->layout())
                found.insert(widget->objectName(), widget->geometry());
        return found;
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        BoardCanvas* canvas = m_chat->canvas();
        QMouseEvent event(type, QPointF(at), QPointF(canvas->mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(canvas, &event);
    }

    // A stroke through board points, each pressed `zoom` times as far into the board plus
    // `within` display pixels (anywhere inside the board pixel's square).
    QStringList stroke(const QList<QPoint>& points, int zoom, int within)
    {
        m_sent.clear();
        const auto at = [&](QPoint p) { return p * zoom + QPoint(within, within); };
        mouse(QEvent::MouseButtonPress, at(points.first()), Qt::LeftButton, Qt::LeftButton);
        for (const QPoint& p : points.mid(1))
            mouse(QEvent::MouseMove, at(p), Qt::NoButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, at(points.last()), Qt::LeftButton, Qt::NoButton);
        return sentEntries();
    }

    void trigger(const char* name) { m_chat->findChild<QAction*>(QLatin1String(name))->trigger(); }
};

TEST_F(WindowZoomTest, TheDrawersStrokesSendTheSameCoordinatesAtEveryZoom)
{
    logIn(2, "Me");
    receive({"CMD_existingplayers+1+Ann", "CMD_pickcatagory+2", "CMD_nextplayer+2+0+___ ",
             "CMD_givedraweranswer+FAN"});
    const QList<QPoint> points = {{100, 40}, {101, 41}, {0, 368}, {532, 0}, {266, 184}};
    const QStringList at100 = stroke(points, 1, 0);
    ASSERT_EQ(at100.size(), 2);
    EXPECT_EQ(at100.first(), "CMD_moveit+2+clBlack+3+100+40");
    EXPECT_EQ(at100.last(), "CMD_draw+2+clBlack+3++101,41+0,368+532,0+266,184+");

    trigger("Zoom200");
    ASSERT_EQ(m_chat->canvas()->size(), QSize(1066, 738));
    for (int within : {0, 1})
        EXPECT_EQ(stroke(points, 2, within), at100) << within;
    trigger("Zoom300");
    for (int within : {0, 1, 2})
        EXPECT_EQ(stroke(points, 3, within), at100) << within;

    // What was drawn is on the board bitmap in board pixels, and shown three times as large.
    EXPECT_EQ(m_chat->canvas()->backup().size(), QSize(533, 369));
    EXPECT_EQ(m_chat->canvas()->backup().pixel(266, 184), qRgb(0, 0, 0));
    EXPECT_EQ(m_chat->canvas()->displayed().pixel(266 * 3 + 1, 184 * 3 + 1), qRgb(0, 0, 0));
}

TEST_F(WindowZoomTest, EverythingGrowsAlikeAndComesBackExactly)
{
    const QMap<QString, QRect> designed = places();
    const QSize window = m_chat->centralWidget()->size();
    const int titlePixels = v().label_answer->font().pixelSize();
    ASSERT_EQ(window, QSize(784, 518));

    trigger("Zoom250");
    EXPECT_EQ(m_chat->centralWidget()->size(), QSize(1960, 1295));
    EXPECT_EQ(v().label_answer->font().pixelSize(), qRound(titlePixels * 2.5));
    const QMap<QString, QRect> zoomed = places();
    for (auto it = designed.cbegin(); it != designed.cend(); ++it) {
        const QRect& was = it.value();
        const QRect& now = zoomed.value(it.key());
        // Both corners are rounded: a size may come out a pixel either way.
        EXPECT_NEAR(now.x(), was.x() * 2.5, 2) << qPrintable(it.key());
        EXPECT_NEAR(now.width(), was.width() * 2.5, 3) << qPrintable(it.key());
        EXPECT_NEAR(now.height(), was.height() * 2.5, 3) << qPrintable(it.key());
    }
    // The pictures are drawn for the zoom, not enlarged.
    const QToolButton* start = m_chat->findChild<QToolButton*>("button_start");
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
    EXPECT_EQ(v().label_answer->font().pixelSize(), titlePixels);
}

TEST_F(WindowZoomTest, WhatMovesDuringTheGameMovesInDesignUnits)
{
    logIn(2, "Me");
    receive("CMD_existingplayers+1+Ann");
    trigger("Zoom200");
    receive({"CMD_newplayerinfo+4+Dee", "CMD_nextplayer+4+0+___ "});
    // The turn's arrow sits 2 units below its row's top: 4 pixels at 200 %.
    EXPECT_EQ(v().image_arrow->y(), v().label_playername[4]->y() + 4);
    trigger("Zoom100");
    EXPECT_EQ(v().image_arrow->y(), v().label_playername[4]->y() + 2);

    // The chat's own text size stays the chosen one; the zoom only shows it larger.
    m_chat->N14Click(12);
    trigger("Zoom300");
    EXPECT_EQ(v().mainchat->textSize(), 12);
    EXPECT_DOUBLE_EQ(v().mainchat->font().pointSizeF(), 36.0);
    m_chat->N14Click(8);
    EXPECT_DOUBLE_EQ(v().mainchat->font().pointSizeF(), 24.0);
}

TEST_F(WindowZoomTest, TheStepsAndKeysAreRememberedInTheSettingsFile)
{
    // A window that was never zoomed writes nothing.
    EXPECT_FALSE(QFile::exists(settingsFilePath()));
    EXPECT_FALSE(loadZoom(settingsFilePath()).has_value());

    trigger("ZoomIn1");
    EXPECT_EQ(m_chat->zoomPercent(), 125);
    EXPECT_EQ(loadZoom(settingsFilePath()), 125);
    EXPECT_TRUE(m_chat->findChild<QAction*>("Zoom125")->isChecked());
    EXPECT_FALSE(m_chat->findChild<QAction*>("Zoom100")->isChecked());
    for (int n = 0; n < 6; ++n)
        trigger("ZoomIn1");
    EXPECT_EQ(m_chat->zoomPercent(), 300);
    trigger("ZoomOut1");
    EXPECT_EQ(loadZoom(settingsFilePath()), 250);
    trigger("ZoomReset1");
    EXPECT_EQ(m_chat->zoomPercent(), 100);
    EXPECT_EQ(loadZoom(settingsFilePath()), 100);

    const auto keys = [this](const char* name) { return m_chat->findChild<QAction*>(name)->shortcuts(); };
    EXPECT_TRUE(keys("ZoomIn1").contains(QKeySequence(Qt::CTRL | Qt::Key_Plus)));
    EXPECT_TRUE(keys("ZoomIn1").contains(QKeySequence(Qt::CTRL | Qt::Key_Equal)));
    EXPECT_EQ(keys("ZoomOut1"), QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    EXPECT_EQ(keys("ZoomReset1"), QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_0)});

    // The keys themselves, typed into the window with the answer field holding the focus.
    m_chat->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_chat.get()));
    v().edit_answer->setFocus();
    QTest::keyClick(m_chat.get(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(m_chat->zoomPercent(), 125);
    QTest::keyClick(m_chat.get(), Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(m_chat->zoomPercent(), 150);
    QTest::keyClick(m_chat.get(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(m_chat->zoomPercent(), 125);
    QTest::keyClick(m_chat.get(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(m_chat->zoomPercent(), 100);
    EXPECT_TRUE(v().edit_answer->text().isEmpty());

    // The next window opens at the remembered zoom.
    saveZoom(settingsFilePath(), 150);
    Tchat next;
    next.setProperty("noParams", true);
    EXPECT_EQ(next.zoomPercent(), 150);
    EXPECT_EQ(next.centralWidget()->size(), QSize(1176, 777));
    EXPECT_EQ(next.canvas()->size(), QSize(799, 553));
}

TEST_F(WindowZoomTest, TheFirstStartFitsTheScreen)
{
    // No key yet: the step for this screen (the test screen is small, so 100 %).
    const int screenHeight = m_chat->screen()->geometry().height();
    const int designed = 518 + m_chat->menuBar()->sizeHint().height();
    EXPECT_EQ(m_chat->zoomPercent(), firstStartZoom(screenHeight, designed));
    EXPECT_LE(m_chat->height(), screenHeight);
}

} // namespace

TEST_F(WindowZoomTest, TheOtherWindowsOpenAtTheWindowsZoomAndFollowIt)
{
    const qreal text = QApplication::font().pointSizeF();
    SnapshotViewer snapshots;
    m_chat->presentWindow(m_spylist.get());
    const QSize spylistAtOneHundred = m_spylist->size();
    m_spylist->hide();
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
    m_chat->presentWindow(m_spylist.get());
    EXPECT_EQ(m_spylist->font().pointSizeF(), text * 2);
    EXPECT_GT(m_spylist->width(), spylistAtOneHundred.width() * 3 / 2);
    EXPECT_EQ(m_spylist->palette().window().texture().size(), QSize(128, 128));
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
    EXPECT_EQ(m_spylist->font().pointSizeF(), text * 3);
    trigger("Zoom100");
    EXPECT_EQ(host->font().pointSizeF(), text);
    EXPECT_EQ(notice->font().pointSizeF(), text);
    EXPECT_EQ(m_spylist->size(), spylistAtOneHundred);
    EXPECT_EQ(m_spylist->palette().window().texture().size(), QSize(64, 64));
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
        m_chat->setZoomRoom([&] { return screen.room; });
        EXPECT_EQ(offered(), screen.steps) << screen.room.width() << "x" << screen.room.height();
    }

    // A remembered 300 % on a 1920 by 1080 screen: the window goes to 200 % and fits; the choice
    // stays remembered for a larger screen, and the keys step only through what is offered.
    const QSize room(1920, 1080);
    m_chat->setZoomRoom([] { return QSize(2400, 1700); });
    m_chat->chooseZoom(300);
    m_chat->setZoomRoom([&] { return room; });
    EXPECT_EQ(m_chat->zoomPercent(), 200);
    ASSERT_TRUE(test::waitFor([&] { return m_chat->centralWidget()->width() == 1568; }));
    QApplication::processEvents();
    EXPECT_LE(m_chat->frameGeometry().width(), room.width());
    EXPECT_LE(m_chat->frameGeometry().height(), room.height());
    EXPECT_EQ(loadZoom(settingsFilePath()), 300);
    m_chat->findChild<QAction*>("ZoomIn1")->trigger();
    EXPECT_EQ(m_chat->zoomPercent(), 200);
    m_chat->findChild<QAction*>("ZoomOut1")->trigger();
    EXPECT_EQ(m_chat->zoomPercent(), 150);
}
