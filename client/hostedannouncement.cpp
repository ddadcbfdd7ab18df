#include "client/hostedannouncement.h"

#include "client/model/gamemodel.h"
#include "lan/announcer.h"

namespace pictova {

HostedAnnouncement::HostedAnnouncement(const GameModel& model, QObject* parent)
    : QObject(parent), m_model(model), m_announcer(std::make_unique<lan::Announcer>())
{
    connect(&model, &GameModel::seatChanged, this, &HostedAnnouncement::update);
    connect(&model, &GameModel::spectatorsChanged, this, &HostedAnnouncement::update);
    connect(&model, &GameModel::phaseChanged, this, &HostedAnnouncement::update);
}

HostedAnnouncement::~HostedAnnouncement() = default;

bool HostedAnnouncement::start(const QString& name, quint16 port)
{
    m_name = name;
    m_port = port;
    update();
    return m_announcer->start();
}

void HostedAnnouncement::stop()
{
    m_announcer->stop();
}

bool HostedAnnouncement::isActive() const
{
    return m_announcer->isActive();
}

QString HostedAnnouncement::errorString() const
{
    return m_announcer->errorString();
}

void HostedAnnouncement::update()
{
    int players = static_cast<int>(m_model.spectators().size());
    for (int seat = 1; seat <= kPlayerSeats; ++seat)
        players += m_model.seat(seat).taken ? 1 : 0;
    const bool running = m_model.phase() != GamePhase::NoGame && m_model.phase() != GamePhase::Won;
    m_announcer->setGameInfo(m_name, m_port, players, kHighestSeat - players, running);
}

} // namespace pictova
