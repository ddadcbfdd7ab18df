#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace pictova::lan {

// What a hosting copy tells the local network about its game, once every couple of seconds, in one
// UDP datagram. Listeners treat every datagram as untrusted bytes from anyone on the network.
//
// The datagram is UTF-8 text: a first line naming the format, then one key=value line per field,
// each line ended by "\n":
//
//     PICTOVA-LAN 1
//     name=Ann
//     port=7772
//     players=3
//     free=7
//     running=0
//     version=2.2.4
//
// - The first line is exactly "PICTOVA-LAN 1"; a later, incompatible layout changes the number.
// - The six keys above must each appear exactly once, in any order. Keys not listed are skipped, so
//   that a later sender may add a field without being ignored by this one.
// - name: the host's player name, 0..32 characters, no control characters.
// - version: the program version, 1..16 characters from [0-9A-Za-z.+_~-].
// - port (the game's TCP port) 1..65535, players 0..15, free (free seats) 0..15: plain decimal
//   digits, no sign, at most five of them. running: "0" or "1".
// - web (optional, after the six): the port of the game's web client, 1..65535, when it has one.
//   Readers that do not know it skip it as any field of a later sender.
// - The whole datagram is at most kMaxDatagramSize bytes; anything else is refused as a whole.
struct Announcement
{
    QString hostName;
    quint16 port = 0;
    int players = 0;
    int freeSeats = 0;
    bool running = false;
    QString version;
    quint16 webPort = 0; // 0: no web client

    bool operator==(const Announcement&) const = default;
};

inline constexpr qsizetype kMaxDatagramSize = 512;
inline constexpr qsizetype kMaxNameLength = 32;
inline constexpr qsizetype kMaxVersionLength = 16;
inline constexpr int kMaxSeatCount = 15;
inline constexpr char kAnnouncementTag[] = "PICTOVA-LAN 1";

// Whether every field is within the limits above: exactly what parseAnnouncement() accepts.
bool isValidAnnouncement(const Announcement& announcement);

// The datagram for a valid announcement; std::nullopt when a field is out of its limits.
std::optional<QByteArray> buildAnnouncement(const Announcement& announcement);

// The announcement in a datagram, or std::nullopt for anything that is not exactly the format.
std::optional<Announcement> parseAnnouncement(const QByteArray& datagram);

// A player name made fit to announce: control characters become spaces, and it is cut to
// kMaxNameLength characters (never inside a character).
QString fitHostName(const QString& name);

} // namespace pictova::lan
