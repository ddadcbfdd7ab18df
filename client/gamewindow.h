#pragma once

#include "client/model/clientsession.h"
#include "hosting/localhost.h"

#include <QMainWindow>

namespace pictova {

class Album;
class AlbumRecorder;
class BoardCanvas;
class BoardController;
class GameChooser;
class GameMenus;
class GameStarter;
class GameViews;
class ReconnectBanner;
class SoundCues;
class SpectatorList;
class AboutBox;
class DownloadDialog;
class GameStartForm;
class HelpWindow;
class PhraseEditor;
class SnapshotViewer;
class TurnView;
class UiScale;
class WindowActions;
class WindowSettings;

// The other windows of the program, created once at start-up and only shown and hidden.
struct SecondaryWindows
{
    HelpWindow* help = nullptr;
    AboutBox* about = nullptr;
    SpectatorList* spectators = nullptr;
    GameStartForm* gamestartform = nullptr;
    SnapshotViewer* snapshots = nullptr;
    PhraseEditor* phrases = nullptr;
    DownloadDialog* download = nullptr;
};

// The game window, the composition root of a copy's game: it builds the views, the menus and
// the controllers, and wires them to the session's game model. Each view keeps its own widgets
// in step and forwards what the player does.
class GameWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit GameWindow(QWidget* parent = nullptr);
    ~GameWindow() override;

    void attachWindows(const SecondaryWindows& windows);
    const SecondaryWindows& windows() const { return m_windows; }
    // Shows a secondary window; the first time, centred over the game window.
    void presentWindow(QWidget* window);
    // What the player does with the menus, the seats, the category chooser and the answer field.
    WindowActions& actions() const { return *m_actions; }

    ClientSession& session() { return m_session; }
    LocalHost& localHost() { return m_localHost; }
    GameModel& model() { return m_session.model(); }
    GameViews& views() const { return *m_views; }
    BoardCanvas* canvas() const;
    BoardController& board() const { return *m_board; }
    GameMenus& menus() const { return *m_menus; }
    UiScale& uiScale() const { return *m_scale; }
    WindowSettings& settings() const { return *m_settings; }
    GameStarter& starter() const { return *m_starter; }
    SoundCues& sounds() const { return *m_sounds; }
    GameChooser* gameChooser() const { return m_gameChooser; }
    ReconnectBanner* reconnectBanner() const { return m_reconnectBanner; }
    Album& album() const { return *m_album; }
    AlbumRecorder& albumRecorder() const { return *m_albumRecorder; }

    bool closeRequested() const { return m_closeRequested; }

signals:
    void closing();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void wireBoard();
    void wireSession();
    // The window's own parts start afresh for another game in the same run.
    void clearForNewGame();

    ClientSession m_session;
    // The game this copy hosts, which its session joins as any player does.
    LocalHost m_localHost;
    SecondaryWindows m_windows;
    GameViews* m_views = nullptr;
    SoundCues* m_sounds = nullptr;
    BoardController* m_board = nullptr;
    TurnView* m_turnView = nullptr;
    GameMenus* m_menus = nullptr;
    UiScale* m_scale = nullptr;
    WindowSettings* m_settings = nullptr;
    GameStarter* m_starter = nullptr;
    GameChooser* m_gameChooser = nullptr;
    ReconnectBanner* m_reconnectBanner = nullptr;
    Album* m_album = nullptr;
    AlbumRecorder* m_albumRecorder = nullptr;
    WindowActions* m_actions = nullptr;
    bool m_shownOnce = false;
    bool m_closeRequested = false;
    bool m_leavingConfirmed = false;
};

} // namespace pictova
