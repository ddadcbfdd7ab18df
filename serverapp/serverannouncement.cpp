#include "serverapp/serverannouncement.h"

#include "lan/announcer.h"
#include "server/tserver.h"

namespace pictova::serverapp {

ServerAnnouncement::ServerAnnouncement(TServer& server, const QString& name, QObject* parent)
    : QObject(parent), m_server(server), m_name(name), m_announcer(std::make_unique<lan::Announcer>())
{
    const ServerEvents* events = server.events();
    // Queued: the server's tables have settled by the time the announcement reads them.
    connect(events, &ServerEvents::loggedIn, this, &ServerAnnouncement::update, Qt::QueuedConnection);
    connect(events, &ServerEvents::departed, this, &ServerAnnouncement::update, Qt::QueuedConnection);
    connect(events, &ServerEvents::gameStarted, this, &ServerAnnouncement::update, Qt::QueuedConnection);
    connect(events, &ServerEvents::gameWon, this, &ServerAnnouncement::update, Qt::QueuedConnection);
}

ServerAnnouncement::~ServerAnnouncement() = default;

bool ServerAnnouncement::start(quint16 port)
{
    m_port = port;
    update();
    return m_announcer->start();
}

QString ServerAnnouncement::errorString() const
{
    return m_announcer->errorString();
}

void ServerAnnouncement::update()
{
    const int players = static_cast<int>(m_server.players().occupiedSeats().size());
    m_announcer->setGameInfo(m_name, m_port, players, PlayerTable::kSeats - players,
                             m_server.game().gamerunning);
    m_announcer->setWebPort(m_server.webPort());
}

} // namespace pictova::serverapp
