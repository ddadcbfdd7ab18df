#pragma once

#include "client/clientlink.h"
#include "client/clientstate.h"
#include "client/gameview.h"
#include "client/guessing.h"
#include "client/rounds.h"
#include "client/seats.h"
#include "client/watchers.h"
#include "messaging/dispatcher.h"
#include "messaging/drain.h"
#include "messaging/framing.h"
#include "messaging/receivequeue.h"
#include "messaging/tsock.h"

#include <QMainWindow>
#include <memory>

class QActionGroup;

namespace pictova {

class BoardCanvas;
class ChatInput;
class PhraseButtons;
class TServer;
class Tabout;
class Tdownload;
class Thelp;
class Tphrases;
class Tsnapshot;

// The other windows of the program, created once at start-up and only shown and hidden.
struct SecondaryWindows
{
    TServer* server = nullptr;
    Thelp* help = nullptr;
    Tabout* about = nullptr;
    Tspylist* spylist = nullptr;
    Tgamestartform* gamestartform = nullptr;
    Tsnapshot* snapshots = nullptr;
    Tphrases* phrases = nullptr;
    Tdownload* download = nullptr;
};

// The game window: it holds the widgets, wires them to the handlers and talks to the server.
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

    const ClientState& state() const { return m_state; }
    ClientState& state() { return m_state; }
    GameView& view() { return m_view; }
    SoundCues& sounds() { return *m_sounds; }
    BoardCanvas* canvas() const { return m_canvas; }
    ChatInput* chatInput() const { return m_mychat; }
    PhraseButtons* phraseButtons() const { return m_phrases; }
    SeatsHandler& seats() { return m_seats; }
    RoundsHandler& rounds() { return m_rounds; }
    GuessingHandler& guessing() { return m_guessing; }
    WatchersHandler& watchers() { return m_watchers; }
    TSock& sock() { return m_sock; }

    // The receive side: queue an entry as if it had arrived, and drain one entry.
    void queueEntry(const QString& entry);
    bool processsocktimer();
    void setManualDrain(bool manual) { m_Timer1->setManual(manual); }
    qsizetype pendingEntries() const { return m_receivedlist.size(); }

    // Tests capture what the window sends instead of writing to a socket.
    void setSendOverride(std::function<void(const QByteArray&)> send) { m_sendOverride = std::move(send); }

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

    bool closeRequested() const { return m_closeRequested; }

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
    void buildCommandTable();
    void sendToServer(const QByteArray& bytes);
    void sockRead();
    void closeWindow();
    void showMessage(const QString& text, std::function<void()> then);
    // Runs a user action; an error it raises goes to the error box.
    void guarded(const std::function<void()>& action);

    ClientState m_state;
    GameView m_view;
    ClientContext m_ctx;
    SeatsHandler m_seats;
    RoundsHandler m_rounds;
    GuessingHandler m_guessing;
    WatchersHandler m_watchers;

    TSock m_sock;
    TSock m_Sock11;
    MessageFramer m_framer;
    ReceiveQueue m_receivedlist;
    DrainTimer* m_Timer1 = nullptr;
    CommandTable m_commands;
    std::function<void(const QByteArray&)> m_sendOverride;

    SoundCues* m_sounds = nullptr;
    BoardCanvas* m_canvas = nullptr;
    ChatInput* m_mychat = nullptr;
    PhraseButtons* m_phrases = nullptr;
    SecondaryWindows m_windows;

    QAction* m_PlaySounds1 = nullptr;
    QAction* m_ScrollChatOff1 = nullptr;
    QList<QAction*> m_textSizeItems;

    bool m_shownOnce = false;
    bool m_closeRequested = false;
};

} // namespace pictova
