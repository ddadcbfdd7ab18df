#include "serverapp/eventlog.h"

#include "messaging/peertext.h"
#include "server/serverevents.h"

namespace pictova::serverapp {

QString quoted(const QString& text)
{
    // The escaped text holds no quote of its own, so one written now cannot be taken for one.
    return QLatin1Char('"') +
           peertext::escapedForLog(text).replace(QLatin1Char('"'), QStringLiteral("\\\"")) + QLatin1Char('"');
}

EventLog::EventLog(ServerEvents& events, Writer write, QObject* parent)
    : QObject(parent), m_write(std::move(write))
{
    connect(&events, &ServerEvents::connected, this, [this](int seat, const QString& address) {
        m_write(QStringLiteral("connection from %1 on seat %2").arg(address).arg(seat));
    });
    connect(&events, &ServerEvents::refusedFull, this, [this](const QString& address) {
        m_write(QStringLiteral("connection from %1 refused: all seats taken").arg(address));
    });
    connect(&events, &ServerEvents::refusedBusyAddress, this, [this](const QString& address, int max) {
        m_write(QStringLiteral("connection from %1 refused: %2 connections from that address already")
                    .arg(address)
                    .arg(max));
    });
    connect(&events, &ServerEvents::loggedIn, this,
            [this](int seat, const QString& name, const QString& address) {
                m_write(QStringLiteral("login seat %1 %2 from %3").arg(seat).arg(quoted(name), address));
            });
    connect(&events, &ServerEvents::departed, this,
            [this](int seat, const QString& name, const QString& address, Departure reason) {
                const QString who =
                    name.isEmpty() ? QStringLiteral("(no log-in) from ") + address : quoted(name);
                m_write(QStringLiteral("left seat %1 %2: %3").arg(seat).arg(who, departureText(reason)));
            });
    connect(&events, &ServerEvents::cutOff, this, [this](int, const QString& address, const QString& limit) {
        m_write(QStringLiteral("connection from %1 cut off: %2").arg(address, limit));
    });
    connect(&events, &ServerEvents::gameStarted, this, [this](int seat, bool team, int playto, int seconds) {
        m_write(QStringLiteral("game started by seat %1 (%2, play to %3, %4 s)")
                    .arg(seat)
                    .arg(team ? QStringLiteral("team") : QStringLiteral("no teams"))
                    .arg(playto)
                    .arg(seconds));
    });
    connect(&events, &ServerEvents::gameWon, this,
            [this](const QString& winner) { m_write(QStringLiteral("winner %1").arg(quoted(winner))); });
}

EventLog::EventLog(ServerEvents& events, const QString& room, Writer write, QObject* parent)
    : EventLog(
          events,
          [write = std::move(write), prefix = QStringLiteral("room %1: ").arg(room)](const QString& line) {
              write(prefix + line);
          },
          parent)
{
}

void EventLog::listening(quint16 port, const QString& name)
{
    QString line = QStringLiteral("listening on port %1").arg(port);
    if (!name.isEmpty())
        line += QStringLiteral(" as ") + quoted(name);
    m_write(line);
}

void EventLog::stopping(const QString& why)
{
    m_write(QStringLiteral("stopping (%1): closing every connection").arg(why));
}

void EventLog::stopped()
{
    m_write(QStringLiteral("stopped"));
}

} // namespace pictova::serverapp
