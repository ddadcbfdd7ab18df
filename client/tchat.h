#pragma once

#include "client/gameview.h"
#include "client/model/clientsession.h"
#include "hosting/localhost.h"

#include <QMainWindow>
#include <memory>

class QActionGroup;
class QLabel;
class QMenu;
class QScreen;

namespace pictova {

class Album;
class AlbumDialog;
class AlbumRecorder;
class BoardCanvas;
class GameChooser;
class ReconnectBanner;
class SeatPanelView;
class ChatInput;
class PhraseButtons;
class AboutBox;
class DownloadDialog;
class HelpWindow;
class TurnView;
class WindowZoom;
class PhraseEditor;
class SnapshotViewer;

// The other windows of the program, created once at start-up and only shown and hidden.
struct SecondaryWindows
{
    HelpWindow* help = nullptr;
    AboutBox* about = nullptr;
    Tspylist* spylist = nullptr;
    GameStartForm* gamestartform = nullptr;
    SnapshotViewer* snapshots = nullptr;
    PhraseEditor* phrases = nullptr;
    DownloadDialog* download = nullptr;
};

// The game window: it builds the widgets, lets them show the session's game model, and forwards
// what the player does to the session.
class Tchat : public QMainWindow
{
    Q_OBJECT
public:
    explicit Tchat(QWidget* parent = nullptr);
    ~Tchat() override;

    void attachWindows(const SecondaryWindows& windows);

    // Applies the command line (without the program name). Runs once, when the window is first shown.
    void processparams(const QStringList& params);
    void hostpress();
    void joinpress();

    // The port of the game, "7772" unless PICTOVA_PORT says otherwise (tests run copies side by side).
    static QString gamePort();

    ClientSession& session() { return m_session; }
    // The game this copy hosts, which its session joins as any player does.
    LocalHost& localHost() { return m_localHost; }
    GameModel& model() { return m_session.model(); }
    GameView& view() { return m_view; }
    SeatPanelView& seatPanel() { return *m_seatPanel; }
    SoundCues& sounds() { return *m_sounds; }
    BoardCanvas* canvas() const { return m_canvas; }
    ChatInput* chatInput() const { return m_mychat; }
    PhraseButtons* phraseButtons() const { return m_phrases; }
    int snapshotCounter() const { return m_snapshotcounter; }
    GameChooser* gameChooser() const { return m_chooser; }
    ReconnectBanner* reconnectBanner() const { return m_reconnectBanner; }
    Album& album() { return *m_album; }
    AlbumRecorder& albumRecorder() { return *m_albumRecorder; }
    // View > Album; the window is made the first time it is asked for.
    AlbumDialog* albumDialog();

    // The player's actions the window forwards.
    void edit_answerKeyPress();
    void button_cat1Click(int category);
    void label_playername1ContextPopup(int seat);

    void loadinifile();
    void saveinifile();
    void button_snapshotClick();
    void button_startClick();
    void startgame();
    void N14Click(int size);
    void PlaySounds1Click();
    void TextColor1Click();
    void ActionColor1Click();
    void PhraseLists1Click();
    void SnapShots1Click();
    void Album1Click();

    bool closeRequested() const { return m_closeRequested; }

    // The window's zoom in percent (one of kZoomSteps). Choosing one from the menu remembers it.
    int zoomPercent() const { return m_zoomPercent; }
    void setZoomPercent(int percent);
    void chooseZoom(int percent);
    // The room the window has on its screen, the screen's available area unless a test says.
    void setZoomRoom(std::function<QSize()> room);

    // Shows a secondary window; the first time, centred over the game window.
    void presentWindow(QWidget* window);

signals:
    void closing();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void buildMenus();
    void buildScorePanel(QWidget* panel);
    void buildTopPanel(QWidget* panel);
    void buildDrawingPanel(QWidget* panel);
    void buildBottomPanel(QWidget* panel);
    void buildChatColumn(QWidget* column);
    void buildZoomMenu(QMenu* view);
    // The pictures of the window, drawn for its zoom and screen.
    void drawPictures();
    void zoomed(qreal zoom, qreal devicePixelRatio);
    // Shows only the zoom steps at which the window fits its screen, and goes down to the
    // largest of them when it is larger.
    void offerZoomSteps();
    // The step after (> 0) or before (< 0) the current one, among those offered.
    int offeredZoomStep(int direction) const;
    void followScreenRoom(QScreen* screen);
    void wireSession();
    // The window's own parts start afresh for another game in the same run.
    void clearForNewGame();
    // The board's lines and panels as between games.
    void showNoTurn();
    void closeWindow();
    // File > Start Game while a game runs: the game master says first whether every score goes.
    void confirmRestart();
    void openStartForm();
    // Asks a hosting copy's player whether to end the game for the `others` in it.
    void confirmLeaving(int others);
    void showMessage(const QString& text, std::function<void()> then);
    // Runs a user action; an error it raises goes to the error box.
    void guarded(const std::function<void()>& action);

    LocalHost m_localHost;
    ClientSession m_session;
    GameView m_view;
    SeatPanelView* m_seatPanel = nullptr;
    int m_snapshotcounter = 0;

    SoundCues* m_sounds = nullptr;
    BoardCanvas* m_canvas = nullptr;
    ChatInput* m_mychat = nullptr;
    PhraseButtons* m_phrases = nullptr;
    SecondaryWindows m_windows;
    GameChooser* m_chooser = nullptr;
    ReconnectBanner* m_reconnectBanner = nullptr;
    QWidget* m_drawingPanel = nullptr;
    Album* m_album = nullptr;
    AlbumRecorder* m_albumRecorder = nullptr;
    AlbumDialog* m_albumDialog = nullptr;
    QLabel* m_pickPicture = nullptr;
    TurnView* m_turnView = nullptr;
    WindowZoom* m_zoom = nullptr;
    int m_zoomPercent = 100;
    QList<QAction*> m_zoomItems;
    QSize m_designedSize; // the window's inside at 100 %, its menu bar included
    std::function<QSize()> m_zoomRoom;
    QList<int> m_offeredZoomSteps;
    QMetaObject::Connection m_screenRoom;

    QAction* m_PlaySounds1 = nullptr;
    QAction* m_ScrollChatOff1 = nullptr;
    QList<QAction*> m_textSizeItems;

    bool m_shownOnce = false;
    bool m_closeRequested = false;
    bool m_leavingConfirmed = false;
};

} // namespace pictova
