#pragma once

#include "server/wordchoice.h"

#include <QHostAddress>
#include <QObject>
#include <memory>
#include <optional>
#include <utility>

namespace pictova {

class GameAnnouncement;
class GameServer;

// The game a copy hosts: its server, its announcement on the local network and the word lists it
// deals from. The window asks it to host and then joins the game over the loopback, as any other
// player joins, so the window's side knows nothing of the server.
class LocalHost : public QObject
{
    Q_OBJECT
public:
    explicit LocalHost(QObject* parent = nullptr);
    ~LocalHost() override;

    // Hosts a game on every IPv4 address at `port` ("0": any free one) in place of any game hosted
    // before; throws ESockException when it cannot listen there.
    void host(const QString& port);
    // Hosts a solo game: on the loopback only, at `port`, or at a free loopback port when that one
    // is taken (another copy on this machine). Nobody else joins, so any port serves.
    void hostSolo(const QString& port);
    bool isHosting() const { return m_server != nullptr; }
    // The port the hosted game listens on; 0 when none is hosted.
    quint16 port() const;
    // Where browsers join a hosted game (not a solo one); 0 when they cannot.
    quint16 webPort() const;
    static constexpr int kWebPortOffset = 8;
    GameServer* server() const { return m_server.get(); }

    // Announces the hosted game on the local network under `name`; false, with
    // announcementError(), when no interface could be used.
    bool announce(const QString& name);
    void stopAnnouncing();
    QString announcementError() const;
    GameAnnouncement* announcement() const { return m_announcement.get(); }
    // Tests send the announcements to a unicast address of their own instead of the group.
    void setAnnouncementDestination(const QHostAddress& address, quint16 port);

    // The hosted game deals from the word lists in `folder` (empty, or a folder with nothing to
    // deal: the built-in ones). Lists the server already deals from are left alone, so what an
    // earlier game dealt stays dealt. Nothing happens while no game is hosted.
    void useWordFolder(const QString& folder,
                       const QString& language = QString::fromLatin1(kDefaultWordLanguage));

    // The players in the hosted game besides the one in `ownSeat`, whom ending it puts out.
    int playersBesides(int ownSeat) const;

    // Ends the hosted game: every copy of this version is told that `closedBy` closed it before
    // the connections close.
    void close(const QString& closedBy);

private:
    void listenAt(const QHostAddress& address, const QString& port, bool solo);

    std::unique_ptr<GameAnnouncement> m_announcement;
    std::unique_ptr<GameServer> m_server;
    std::optional<WordLists> m_dealtWords; // what the server was given to deal from
    std::optional<std::pair<QHostAddress, quint16>> m_announcementDestination;
};

} // namespace pictova
