#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

namespace pictova {

class PlayerTable;
class GameServer;
class WebListener;
namespace lan {
class Announcer;
}

// What an announcement tells of a game's seats.
struct AnnouncedSeats
{
    // Everyone whose log-in the server accepted, watchers included: all of them are in the game.
    int players = 0;
    // The seats a newcomer could still take. A connection still logging in holds its seat already.
    int freeSeats = 0;

    bool operator==(const AnnouncedSeats&) const = default;
};
AnnouncedSeats announcedSeats(const PlayerTable& players);

// Tells the local network about a server's game (lan/announcer.h): its name, its port, the seats
// as announcedSeats() counts them and whether a game runs, all read from the server itself. A
// hosting copy and `pictova-server --announce` announce alike. The server's web port tells its
// join screen the same, whether or not the game is announced.
class GameAnnouncement : public QObject
{
    Q_OBJECT
public:
    GameAnnouncement(GameServer& server, const QString& name, QObject* parent = nullptr);
    ~GameAnnouncement() override;

    // Starts announcing the port the server listens on; false, with errorString(), when no
    // interface could be used.
    bool start();
    void stop();
    bool isActive() const;
    QString errorString() const;
    // Tests send the announcements somewhere of their own.
    lan::Announcer& announcer() { return *m_announcer; }
    // The web port whose join screen shows this game, where it is not the server's own (a server
    // of rooms, whose front listens for all of them).
    void serveGameInfoOn(WebListener* web);
    // Seats or the game changed: the next announcement says so.
    void update();

private:
    const GameServer& m_server;
    QString m_name;
    std::unique_ptr<lan::Announcer> m_announcer;
    QPointer<WebListener> m_web;
};

} // namespace pictova
