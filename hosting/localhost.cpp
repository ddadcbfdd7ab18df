#include "hosting/localhost.h"

#include "hosting/gameannouncement.h"
#include "lan/announcer.h"
#include "messaging/errors.h"
#include "server/gameserver.h"
#include "server/wordfolder.h"

namespace pictova {

LocalHost::LocalHost(QObject* parent) : QObject(parent) {}

LocalHost::~LocalHost() = default;

void LocalHost::host(const QString& port)
{
    listenAt(QHostAddress(QHostAddress::AnyIPv4), port, false);
    // Browsers join on the game's port + 8; a game whose web port is taken plays on without them.
    try {
        m_server->listenWeb(quint16(m_server->listeningPort() + kWebPortOffset));
    } catch (const ESockException&) {
    }
}

void LocalHost::hostSolo(const QString& port)
{
    const QHostAddress loopback(QHostAddress::LocalHost);
    try {
        listenAt(loopback, port, true);
    } catch (const ESockException&) {
        listenAt(loopback, QStringLiteral("0"), true);
    }
}

void LocalHost::listenAt(const QHostAddress& address, const QString& port, bool solo)
{
    auto server = std::make_unique<GameServer>();
    // A solo game's server deals as for one player.
    if (solo)
        server->setSoloGameSource([] { return true; });
    server->setListenAddress(address);
    server->setPortName(port);
    server->startListening();
    m_announcement.reset();
    m_server = std::move(server);
    m_dealtWords.reset();
}

quint16 LocalHost::webPort() const
{
    return m_server ? m_server->webPort() : 0;
}

quint16 LocalHost::port() const
{
    return m_server ? m_server->listeningPort() : 0;
}

bool LocalHost::announce(const QString& name)
{
    if (!m_server)
        return false;
    m_announcement = std::make_unique<GameAnnouncement>(*m_server, name);
    if (m_announcementDestination)
        m_announcement->announcer().setDestination(m_announcementDestination->first,
                                                   m_announcementDestination->second);
    return m_announcement->start();
}

void LocalHost::setAnnouncementDestination(const QHostAddress& address, quint16 port)
{
    m_announcementDestination = std::make_pair(address, port);
}

void LocalHost::stopAnnouncing()
{
    if (m_announcement)
        m_announcement->stop();
}

QString LocalHost::announcementError() const
{
    return m_announcement ? m_announcement->errorString() : QString();
}

void LocalHost::useWordFolder(const QString& folder, const QString& language)
{
    if (!m_server)
        return;
    WordFolder words = WordFolder::read(folder, language);
    if (!words.usable())
        words = WordFolder::read(QString(), language);
    if (m_dealtWords == words.lists)
        return;
    m_server->setWordLists(words.lists);
    m_dealtWords = words.lists;
}

int LocalHost::playersBesides(int ownSeat) const
{
    if (!m_server)
        return 0;
    const PlayerTable& players = m_server->players();
    const bool ownIn = players.occupied(ownSeat) && players.at(ownSeat).loggedIn;
    return announcedSeats(players).players - (ownIn ? 1 : 0);
}

void LocalHost::close(const QString& closedBy)
{
    m_announcement.reset();
    if (m_server)
        m_server->closeAllConnections(closedBy);
    m_server.reset();
    m_dealtWords.reset();
}

} // namespace pictova
