#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace pictova {

class ChatLog;
class ClientSession;
class LocalHost;
class DownloadDialog;
class GameStartForm;

// How this copy gets into a game and starts one: the command line, hosting or joining, and the
// Start button with its form.
class GameStarter : public QObject
{
    Q_OBJECT
public:
    GameStarter(ClientSession& session, LocalHost& localHost, ChatLog& log, QWidget* window);

    void setStartForm(GameStartForm* form);
    void setDownloadWindow(DownloadDialog* download) { m_download = download; }

    // The port of the game, "7772" unless PICTOVA_PORT says otherwise (tests run copies side by side).
    static QString gamePort();
    // Applies the command line (without the program name).
    void applyCommandLine(const QStringList& params);
    void hostGame();
    void joinGame();
    // The Start button and File > Start Game.
    void onStartClicked();
    // The start form's Start: the choices are remembered and the game asked for.
    void startGame();

signals:
    // A secondary window to show over the game window.
    void presentRequested(QWidget* window);

private:
    void openStartForm();

    ClientSession& m_session;
    LocalHost& m_localHost;
    ChatLog& m_log;
    QWidget* m_window;
    GameStartForm* m_form = nullptr;
    DownloadDialog* m_download = nullptr;
};

} // namespace pictova
