#pragma once

#include <QRandomGenerator>
#include <QString>
#include <optional>

namespace pictova::rooms {

// Five characters from an alphabet without the look-alikes 0/O and 1/I/L: read aloud across a
// room or typed from a screen, a code is hard to get wrong. 31^5 codes, about 28.6 million.
inline constexpr int kCodeLength = 5;
inline constexpr char kAlphabet[] = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";

// A fresh code from `random` (the system's cryptographic source unless a test gives its own).
QString newCode(QRandomGenerator* random = QRandomGenerator::system());

// The code in `text` (blanks around it and letter case ignored); nothing when it is not one.
std::optional<QString> parseCode(const QString& text);

// Where a link leads: "pictova://host:port/CODE", a web client's "http(s)://host:port/r/CODE", or
// a bare code (which keeps the host and port the player already chose). The port is 0 when the
// link names none.
struct RoomLink
{
    QString host;
    quint16 port = 0;
    QString code;
    bool web = false; // a web client's link: its port is the web port
};
std::optional<RoomLink> parseLink(const QString& text);

// The desktop game's link to a room.
QString desktopLink(const QString& host, quint16 port, const QString& code);
// The web client's link to a room on the server's web port: "http://host:webPort/r/CODE".
QString webLink(const QString& host, quint16 webPort, const QString& code);

} // namespace pictova::rooms
