#pragma once

#include "resources/wordlists.h"
#include "server/connections.h"
#include "server/linelimits.h"

#include <QHostAddress>
#include <QString>
#include <QStringList>
#include <optional>

namespace pictova::serverapp {

inline constexpr quint16 kDefaultPort = 7772;
inline constexpr quint16 kDefaultWebPort = 7780;
inline constexpr int kDefaultMaxRooms = 1000;
inline constexpr int kDefaultMaxTotalPerAddress = 30;

// What the command line asks of pictova-server.
struct ServerOptions
{
    enum class Action { Serve, Help, Version, Fail };
    Action action = Action::Serve;
    quint16 port = kDefaultPort; // 0: any free port (the log tells which)
    QString name;                // the game's name in the log
    bool announce = false;
    QString wordsFolder; // own word lists; empty: the built-in ones
    QString wordsLanguage = QString::fromLatin1(kDefaultWordLanguage); // the built-in words' language
    LineLimit chatLimit = LineLimits::kDefaultChat;                    // chat and action lines per connection
    LineLimit guessLimit = LineLimits::kDefaultGuess;                  // guesses per connection
    int maxPerAddress = ServerConnections::kDefaultMaxPerAddress;      // 0: no cap; in every room
    int maxRooms = kDefaultMaxRooms;                                   // rooms besides the default one
    int maxTotalPerAddress = kDefaultMaxTotalPerAddress;               // across every room; 0: no cap
    // The threads the rooms run on: the machine's cores unless given; 0: the rooms share the one
    // thread of the listeners and the default game.
    std::optional<int> roomThreads;
    std::optional<QHostAddress> metricsAddress; // set: Prometheus metrics on their own listener
    quint16 metricsPort = 0;
    // The web client's port: kDefaultWebPort unless given (0: off), any free port when the game's
    // port is any free port and no web port is given.
    std::optional<quint16> webPort;
    QString tlsCert; // both set: https and wss on the web port
    QString tlsKey;
    QString error; // one line, for Action::Fail
};

// Parses the arguments after the program name.
ServerOptions parseOptions(const QStringList& arguments);

// The text --help prints.
QString helpText();

} // namespace pictova::serverapp
