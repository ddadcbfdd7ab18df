#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace pictova {

class AlbumDialog;
class InviteDialog;
class GameWindow;

// What the player asks of the game window through its menus, the seat menu, the category
// chooser and the answer field, forwarded to the session, the settings and the other windows.
class WindowActions : public QObject
{
    Q_OBJECT
public:
    explicit WindowActions(GameWindow& window);

    // Runs a user action; an error it raises goes to the error box.
    static void guarded(const std::function<void()>& action);

    void enterGuess();
    void chooseCategory(int category);
    // Enables the seat menu's items for `seat` before it pops up.
    void prepareSeatMenu(int seat);
    // Shows a secondary window; the first time, centred over the game window.
    void presentWindow(QWidget* window);
    // View > Album; the window is made the first time it is asked for.
    AlbumDialog* albumDialog();

private:
    // File > Invite Players…: the link and QR code browsers join this copy's hosted game by.
    void showInvitation();
    void wireMenus();
    void wireViews();

    GameWindow& m_window;
    AlbumDialog* m_albumDialog = nullptr;
    InviteDialog* m_invite = nullptr;
    int m_voteSeat = 0; // the seat the seat menu was opened on, for a vote
};

} // namespace pictova
