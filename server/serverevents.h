#pragma once

#include <QObject>
#include <QString>

namespace pictova {

// Why a seat's connection went away.
enum class Departure {
    Disconnected, // the peer closed it, or it failed
    Removed,      // the game master removed the player
    TimedOut,     // no log-in arrived in time
    CutOff,       // it broke a limit (see ServerEvents::cutOff)
    Shutdown,     // the server is stopping
};

// "disconnected", "removed", "timed out", "cut off" or "server stopping", for logs.
QString departureText(Departure reason);

// What happens on the server that someone running it wants to see: the server itself prints
// nothing, a headless server's log connects to these.
class ServerEvents : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // A connection was given a seat; it has not logged in yet.
    void connected(int seat, const QString& address);
    // A log-in was accepted, under the name the others see.
    void loggedIn(int seat, const QString& name, const QString& address);
    // The seat's connection closed; `name` is empty when it never logged in.
    void departed(int seat, const QString& name, const QString& address, pictova::Departure reason);
    // A connection was refused because all seats are taken.
    void refusedFull(const QString& address);
    // A connection was refused because its address already holds `max` connections.
    void refusedBusyAddress(const QString& address, int max);
    // A connection broke a limit and is being closed; its departure follows.
    void cutOff(int seat, const QString& address, const QString& limit);
    void gameStarted(int seat, bool team, int playto, int seconds);
    // The winner's name, "Black Team" or "Maroon Team"; empty when the winning seat is free.
    void gameWon(const QString& winner);
};

} // namespace pictova
