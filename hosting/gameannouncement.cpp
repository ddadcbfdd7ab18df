#include "hosting/gameannouncement.h"

#include "lan/announcer.h"
#include "server/gameserver.h"
#include "web/webfiles.h"
#include "web/weblistener.h"

namespace pictova {

AnnouncedSeats announcedSeats(const PlayerTable& players)
{
    AnnouncedSeats seats;
    const QList<int> held = players.occupiedSeats();
    for (int seat : held)
        seats.players += players.at(seat).loggedIn ? 1 : 0;
    seats.freeSeats = PlayerTable::kSeats - static_cast<int>(held.size());
    return seats;
}

GameAnnouncement::GameAnnouncement(GameServer& server, const QString& name, QObject* parent)
    : QObject(parent), m_server(server), m_name(name), m_announcer(std::make_unique<lan::Announcer>())
{
    const ServerEvents* events = server.events();
    // Queued: the server's tables have settled by the time the announcement reads them.
    connect(events, &ServerEvents::connected, this, &GameAnnouncement::update, Qt::QueuedConnection);
    connect(events, &ServerEvents::loggedIn, this, &GameAnnouncement::update, Qt::QueuedConnection);
    connect(events, &ServerEvents::departed, this, &GameAnnouncement::update, Qt::QueuedConnection);
    connect(events, &ServerEvents::gameStarted, this, &GameAnnouncement::update, Qt::QueuedConnection);
    connect(events, &ServerEvents::gameWon, this, &GameAnnouncement::update, Qt::QueuedConnection);
    serveGameInfoOn(server.webListener());
}

void GameAnnouncement::serveGameInfoOn(WebListener* web)
{
    if (m_web)
        m_web->setGameInfo(nullptr);
    m_web = web;
    if (m_web)
        m_web->setGameInfo([this] {
            web::GameInfo info{m_name, {}, 0, m_server.game().gamerunning};
            const PlayerTable& players = m_server.players();
            for (int seat : players.occupiedSeats()) {
                const tplayer& player = players.at(seat);
                if (!player.loggedIn)
                    continue;
                if (player.watching || !PlayerTable::isBoardSeat(seat))
                    ++info.watchers;
                else
                    info.players << player.name;
            }
            return info;
        });
}

GameAnnouncement::~GameAnnouncement()
{
    if (m_web)
        m_web->setGameInfo(nullptr);
}

bool GameAnnouncement::start()
{
    update();
    return m_announcer->start();
}

void GameAnnouncement::stop()
{
    m_announcer->stop();
}

bool GameAnnouncement::isActive() const
{
    return m_announcer->isActive();
}

QString GameAnnouncement::errorString() const
{
    return m_announcer->errorString();
}

void GameAnnouncement::update()
{
    const AnnouncedSeats seats = announcedSeats(m_server.players());
    m_announcer->setGameInfo(m_name, m_server.listeningPort(), seats.players, seats.freeSeats,
                             m_server.game().gamerunning);
    m_announcer->setWebPort(m_server.webPort());
}

} // namespace pictova
