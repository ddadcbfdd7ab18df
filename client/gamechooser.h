#pragma once

#include "client/model/clientsession.h"
#include "client/model/roomlister.h"
#include "shell/playtogetherdialogs.h"

#include <QFrame>
#include <QPointer>
#include <functional>

class QLabel;
class QPushButton;

namespace pictova {

class LocalHost;
namespace lan {
class GameBrowser;
}

// A notice over the board with a way forward and a way back.
class BoardNotice : public QFrame
{
    Q_OBJECT
public:
    explicit BoardNotice(QWidget* board);

    void showNotice(const QString& text, bool offerRetry);
    QString text() const;
    QPushButton* retryButton() const { return m_retry; }
    QPushButton* backButton() const { return m_back; }

signals:
    void retryRequested();
    void backRequested();

private:
    QLabel* m_text;
    QPushButton* m_retry;
    QPushButton* m_back;
};

// Starting and joining games from the window: the Host and Join dialogs, the buttons on an empty
// board, switching from one game to the next in the same run, and what the player reads when a
// join fails or a game joined this way ends.
class GameChooser : public QObject
{
    Q_OBJECT
public:
    // `board` is the panel the notices and the start buttons sit on; `prepareForNewGame` runs
    // after the current game is left, for the window's own parts (board, lists). A game hosted
    // from here is `localHost`'s, which the session joins over the loopback.
    GameChooser(ClientSession& session, LocalHost& localHost, QWidget* board,
                std::function<void()> prepareForNewGame, QObject* parent = nullptr);

    void openHostDialog();
    void openJoinDialog();

    // Leaves any current game and hosts one / joins one, as the dialogs do when accepted.
    void hostGame(const QString& name, quint16 port, bool announce);
    void joinGame(const QString& name, const QString& address, const RoomAsk& room = {});
    // Joins the room a link names (pictova://host:port/CODE) under the name last used.
    void joinRoomLink(const QString& link);

    BoardNotice* notice() const { return m_notice; }
    QWidget* startButtons() const { return m_startButtons; }
    HostDialog* hostDialog() const { return m_hostDialog.data(); }
    JoinDialog* joinDialog() const { return m_joinDialog.data(); }

private:
    enum class Attempt { None, Host, Join };

    void leaveCurrentGame();
    void showProblem(const QString& text, bool offerRetry);
    void retry();
    void back();
    void showStartButtons();
    void listFoundGames();
    void joinFromDialog();
    void listRooms();

    ClientSession& m_session;
    LocalHost& m_host;
    QWidget* m_board;
    std::function<void()> m_prepareForNewGame;
    lan::GameBrowser* m_browser;
    BoardNotice* m_notice;
    QWidget* m_startButtons;
    QPointer<HostDialog> m_hostDialog;
    QPointer<JoinDialog> m_joinDialog;

    Attempt m_lastAttempt = Attempt::None;
    QString m_lastName;
    QString m_lastAddress;
    RoomAsk m_lastRoom;
    RoomLister* m_roomLister = nullptr;
    quint16 m_lastPort = 0;
    bool m_lastAnnounce = true;
};

} // namespace pictova
