#pragma once

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QSize>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QScreen;
class QWidget;

namespace pictova {

// Multiplies the text and controls of `root` and its children (not of other windows) by
// `scale`: fonts, icon sizes and the few fixed control sizes. What each widget was built with is
// its size at 100 %, remembered on it the first time. Layouts then place everything afresh.
// A widget marked "uiOwnScale" follows the scale its own way and is left alone; one marked
// "uiOwnSize" keeps its size but has its font scaled.
void scaleWidgets(QWidget* root, qreal scale);

// The window's UI scale, in percent: View > Zoom's steps and keys (the "Zoom" key of the
// settings file), and View > Full Screen. Text and controls follow the scale; the board fills
// whatever room the window gives it.
class UiScale : public QObject
{
    Q_OBJECT
public:
    // The window as built is its 100 %; its inside, under the menu bar, then measures `inside`.
    UiScale(QMainWindow* window, QMenu* viewMenu, QSize inside);

    int percent() const { return m_percent; }
    qreal scale() const { return m_percent / 100.0; }
    void setPercent(int percent);
    // From the menu or a key: also remembered in the settings file.
    void choose(int percent);
    // The room the window has on its screen, the screen's available area unless a test says.
    void setRoom(std::function<QSize()> room);
    // Once the window shows: its frame and screen are known.
    void windowShown();
    void toggleFullScreen();
    QAction* fullScreenAction() const { return m_fullScreen; }

signals:
    // After each change of scale or screen: pictures are drawn afresh for `scale`.
    void scaled(qreal scale);

private:
    void buildMenu(QMenu* viewMenu);
    void apply();
    // Shows only the steps at which the window at its default size fits its screen, and goes
    // down to the largest of them when it is larger.
    void offerSteps();
    int offeredStep(int direction) const;
    void followScreen(QScreen* screen);

    QMainWindow* m_window;
    QSize m_inside;
    QSize m_designed; // the inside and the menu bar at 100 %
    int m_percent = 100;
    QList<QAction*> m_items;
    QList<int> m_offered;
    std::function<QSize()> m_room;
    QMetaObject::Connection m_screenRoom;
    QAction* m_fullScreen = nullptr;
    QAction* m_leaveFullScreen = nullptr;
};

} // namespace pictova
