#pragma once

#include <QObject>
#include <memory>

namespace pictova {

class GameModel;
namespace lan {
class Announcer;
}

// Announces the game this copy hosts on the local network while asked to, with the players, the
// free seats and whether a game runs as the model has them.
class HostedAnnouncement : public QObject
{
    Q_OBJECT
public:
    explicit HostedAnnouncement(const GameModel& model, QObject* parent = nullptr);
    ~HostedAnnouncement() override;

    // Starts announcing the game `name` on TCP `port`; returns false, with errorString(), when no
    // interface could be used.
    bool start(const QString& name, quint16 port);
    void stop();
    bool isActive() const;
    QString errorString() const;

private:
    void update();

    const GameModel& m_model;
    std::unique_ptr<lan::Announcer> m_announcer;
    QString m_name;
    quint16 m_port = 0;
};

} // namespace pictova
