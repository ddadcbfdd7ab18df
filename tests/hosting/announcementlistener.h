#pragma once

#include "lan/announcement.h"
#include "tests/support/waitfor.h"

#include <QNetworkDatagram>
#include <QUdpSocket>
#include <optional>

namespace pictova::test {

// Hears the announcements a test sends to a loopback port of its own.
class AnnouncementListener
{
public:
    bool open() { return m_socket.bind(QHostAddress::LocalHost, 0); }
    quint16 port() const { return m_socket.localPort(); }

    // Waits for an announcement of these figures; last() is the last one heard.
    bool hear(int players, int freeSeats)
    {
        return waitFor([&] {
            while (m_socket.hasPendingDatagrams()) {
                m_last = lan::parseAnnouncement(m_socket.receiveDatagram().data());
                if (m_last && m_last->players == players && m_last->freeSeats == freeSeats)
                    return true;
            }
            return false;
        });
    }
    const std::optional<lan::Announcement>& last() const { return m_last; }

private:
    QUdpSocket m_socket;
    std::optional<lan::Announcement> m_last;
};

} // namespace pictova::test
