#include "lan/announcer.h"

#include "messaging/version.h"

#include <QVariant>
#include <algorithm>

namespace pictova::lan {

Announcer::Announcer(QObject* parent) : QObject(parent)
{
    m_announcement.version = QString::fromLatin1(kVersion);
    m_timer.setInterval(kDefaultIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &Announcer::announceNow);
}

void Announcer::setGameInfo(const QString& hostName, quint16 port, int players, int freeSeats, bool running)
{
    m_announcement.hostName = fitHostName(hostName);
    m_announcement.port = port;
    m_announcement.players = std::clamp(players, 0, kMaxSeatCount);
    m_announcement.freeSeats = std::clamp(freeSeats, 0, kMaxSeatCount);
    m_announcement.running = running;
}

void Announcer::setDestination(const QHostAddress& address, quint16 port)
{
    m_destination = address;
    m_destinationPort = port;
}

void Announcer::setInterval(int ms)
{
    m_timer.setInterval(ms);
}

bool Announcer::start()
{
    stop();
    m_error.clear();
    m_interfaces.clear();
    if (m_destination.isMulticast()) {
        m_interfaces = lanInterfaces();
        if (m_interfaces.isEmpty()) {
            m_error =
                qEnvironmentVariableIsEmpty(kInterfaceVariable)
                    ? tr("No network interface can multicast.")
                    : tr("No network interface matches %1=%2.")
                          .arg(QLatin1String(kInterfaceVariable), qEnvironmentVariable(kInterfaceVariable));
            return false;
        }
    }
    if (!m_socket.bind(QHostAddress::AnyIPv4, 0)) {
        m_error = m_socket.errorString();
        return false;
    }
    // The TTL keeps the datagrams on the local network; the loopback lets a second copy on this
    // machine find the game.
    m_socket.setSocketOption(QAbstractSocket::MulticastTtlOption, QVariant(kMulticastTtl));
    m_socket.setSocketOption(QAbstractSocket::MulticastLoopbackOption, QVariant(1));
    m_timer.start();
    announceNow();
    return true;
}

void Announcer::stop()
{
    m_timer.stop();
    m_socket.close();
}

int Announcer::announceNow()
{
    if (m_socket.state() != QAbstractSocket::BoundState)
        return 0;
    const std::optional<QByteArray> datagram = buildAnnouncement(m_announcement);
    if (!datagram)
        return 0; // no port given yet
    int sent = 0;
    if (m_interfaces.isEmpty()) {
        sent += m_socket.writeDatagram(*datagram, m_destination, m_destinationPort) == datagram->size();
    } else {
        for (const QNetworkInterface& networkInterface : std::as_const(m_interfaces)) {
            m_socket.setMulticastInterface(networkInterface);
            // The interface chosen last stays set if this one fails, so skip rather than send there.
            if (m_socket.multicastInterface().index() != networkInterface.index())
                continue;
            sent += m_socket.writeDatagram(*datagram, m_destination, m_destinationPort) == datagram->size();
        }
    }
    emit announced(sent);
    return sent;
}

} // namespace pictova::lan
