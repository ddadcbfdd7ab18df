#pragma once

#include <functional>

#include "lan/gamebrowser.h"

#include <QDialog>
#include <QList>
#include <QString>

class QCheckBox;
class QPushButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTreeWidget;
class QVBoxLayout;

namespace pictova {

class InvitePanel;

// Asks how to host a game: the player's name, the port and whether to announce the game on the
// local network.
class HostDialog : public QDialog
{
    Q_OBJECT
public:
    explicit HostDialog(QWidget* parent = nullptr);

    void setChoices(const QString& name, quint16 port, bool announce);
    // Shows where browsers join the game hosted on the chosen port: `linkFor(port)`, empty when
    // that port takes none.
    void showBrowserInvitation(std::function<QString(quint16 gamePort)> linkFor);
    QString playerName() const;
    quint16 port() const;
    bool announce() const;

private:
    void updateButton();

    QLineEdit* m_name;
    QSpinBox* m_port;
    QCheckBox* m_announce;
    QPushButton* m_host = nullptr;
    QVBoxLayout* m_layout = nullptr;
    InvitePanel* m_invitation = nullptr;
};

// Asks which game to join: a game found on the local network, or an address typed or picked from
// the recent ones.
class JoinDialog : public QDialog
{
    Q_OBJECT
public:
    explicit JoinDialog(QWidget* parent = nullptr);
    QSize sizeHint() const override;

    void setChoices(const QString& name, const QStringList& recentAddresses);
    // The games found on the network; the list keeps the selection where it can.
    void showGames(const QList<lan::FoundGame>& games);
    QString playerName() const;
    // The address to join as typed ("host" or "host:port").
    QString address() const;
    // A line under the list of games found, e.g. why none can be found; empty hides it.
    void setListNote(const QString& note);

    // A server's listed rooms, shown under the games on the network.
    struct Room
    {
        QString code;
        QString name;
        int players = 0;
        bool running = false;
    };
    void showRooms(const QList<Room>& rooms);
    // A line under the server's rooms (why there is no list); empty hides it.
    void setRoomsNote(const QString& note);
    // The room code or link typed or picked; empty joins the server's own game.
    QString roomText() const;
    // Whether the player asked for a new room rather than a game to join, its name and whether
    // it is listed.
    bool createRoom() const { return m_create; }
    QString newRoomName() const;
    bool newRoomListed() const;

signals:
    // The player chose a game: the dialog has closed with the name and address filled in.
    void joinRequested();
    // The player asked for the rooms of the server at address().
    void roomsRequested();

private:
    void updateButton();
    void pickListed();
    void pickRoom();
    // The host a room link names, when it names one.
    bool linkNamesHost() const;

    QLineEdit* m_name;
    QTreeWidget* m_games;
    QLabel* m_listNote = nullptr;
    QComboBox* m_address;
    QPushButton* m_join = nullptr;
    QLineEdit* m_room = nullptr;
    QTreeWidget* m_rooms = nullptr;
    QLabel* m_roomsNote = nullptr;
    QPushButton* m_listRooms = nullptr;
    QLineEdit* m_newRoomName = nullptr;
    QCheckBox* m_newRoomListed = nullptr;
    QPushButton* m_createRoom = nullptr;
    bool m_create = false;
};

} // namespace pictova
