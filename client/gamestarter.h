#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace pictova {

class ChatLog;
class ClientSession;
class Tdownload;
class Tgamestartform;

// How this copy gets into a game and starts one: the command line, hosting or joining, and the
// Start button with its form.
class GameStarter : public QObject
{
    Q_OBJECT
public:
    GameStarter(ClientSession& session, ChatLog& log, QWidget* window);

    void setStartForm(Tgamestartform* form);
    void setDownloadWindow(Tdownload* download) { m_download = download; }

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
    ChatLog& m_log;
    QWidget* m_window;
    Tgamestartform* m_form = nullptr;
    Tdownload* m_download = nullptr;
};

} // namespace pictova
