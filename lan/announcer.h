#pragma once

#include "lan/announcement.h"
#include "lan/laninterfaces.h"

#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

namespace pictova::lan {

// Tells the local network about a hosted game: sends the game's announcement (announcement.h) at
// once on start() and then every interval, by UDP multicast to kGroupAddress:kGroupPort with TTL 1,
// out of every interface lanInterfaces() picks (PICTOVA_LAN_INTERFACE restricts it to one).
//
// Use:
//     Announcer announcer;
//     announcer.setGameInfo(playerName, tcpPort, players, freeSeats, gameRunning);
//     announcer.start();
//     ... setGameInfo() again whenever a seat or the game's state changes ...
//     announcer.stop();   // or destroy it
//
// Tests aim it at a unicast loopback address with setDestination(); a unicast destination is sent
// to directly, without choosing interfaces.
class Announcer : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDefaultIntervalMs = 2000;

    explicit Announcer(QObject* parent = nullptr);

    // The game to announce. The name is made fit (fitHostName()), the numbers are clamped to what
    // the format carries (port 0 is not announced at all), the version is this program's. Takes
    // effect from the next datagram; call announceNow() to send it at once.
    void setGameInfo(const QString& hostName, quint16 port, int players, int freeSeats, bool running);
    // The port of the game's web client, announced beside the game's (0: none).
    void setWebPort(quint16 port) { m_announcement.webPort = port; }
    const Announcement& announcement() const { return m_announcement; }

    // Where datagrams go, and how often; set before start().
    void setDestination(const QHostAddress& address, quint16 port);
    void setInterval(int ms);

    // Opens the sending socket and starts the timer; false (with errorString()) when the socket
    // cannot be opened or the multicast destination has no interface to go out of.
    bool start();
    void stop();
    bool isActive() const { return m_timer.isActive(); }
    QString errorString() const { return m_error; }

    // Sends the current announcement now (once per interface); the number of datagrams sent.
    int announceNow();

signals:
    // After each round of sending, with the number of datagrams that went out.
    void announced(int datagrams);

private:
    Announcement m_announcement;
    QHostAddress m_destination = kGroupAddress;
    quint16 m_destinationPort = kGroupPort;
    QList<QNetworkInterface> m_interfaces;
    QUdpSocket m_socket;
    QTimer m_timer;
    QString m_error;
};

} // namespace pictova::lan
