#pragma once

#include <QObject>
#include <memory>

namespace pictova {

class TServer;
namespace lan {
class Announcer;
}

namespace serverapp {

// `--announce`: tells the local network about this server's game as a hosting copy does, with the
// seats taken and whether a game runs as the server has them.
class ServerAnnouncement : public QObject
{
    Q_OBJECT
public:
    ServerAnnouncement(TServer& server, const QString& name, QObject* parent = nullptr);
    ~ServerAnnouncement() override;

    // Returns false, with errorString(), when no interface could be used.
    bool start(quint16 port);
    QString errorString() const;
    // Tests send the announcements somewhere of their own.
    lan::Announcer& announcer() { return *m_announcer; }
    // Seats or the game changed: the next announcement says so.
    void update();

private:
    const TServer& m_server;
    QString m_name;
    quint16 m_port = 0;
    std::unique_ptr<lan::Announcer> m_announcer;
};

} // namespace serverapp
} // namespace pictova
