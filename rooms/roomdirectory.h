#pragma once

#include "messaging/ratewindow.h"

#include <QList>
#include <QString>
#include <map>
#include <optional>

namespace pictova::rooms {

// What the directory knows of a room; the room's own game lives with its thread.
struct RoomInfo
{
    QString code;
    QString name;        // shown in the list of a listed room
    bool listed = false; // private rooms are joined by code only
    int players = 0;
    bool running = false;
    qint64 emptySinceMs = 0; // when the last player left (or the room was made), while empty
};

// Per-address allowances over a sliding window, for as many addresses as `maxAddresses`: past
// that, addresses whose window has emptied are forgotten, and a newcomer is refused while every
// one still counts, so a flood from many addresses cannot grow the server's memory.
class AddressAllowance
{
public:
    AddressAllowance(int perWindow, qint64 windowMs, int maxAddresses);
    // Whether `key` may make one more attempt now; nothing is taken.
    bool mayTry(const QString& key, qint64 nowMs);
    // Counts one attempt of `key` at `nowMs`.
    void take(const QString& key, qint64 nowMs);
    int trackedAddresses() const { return int(m_windows.size()); }

private:
    RateWindow* windowOf(const QString& key, qint64 nowMs);

    int m_perWindow;
    qint64 m_windowMs;
    int m_maxAddresses;
    std::map<QString, RateWindow> m_windows;
};

// The rooms of one server besides its default room: codes, names, who is in them, and the caps
// on making and finding them.
class RoomDirectory
{
public:
    struct Limits
    {
        int maxRooms = 1000;
        int createsPerMinute = 3;
        // Codes an address may get wrong in any minute: guessing 10,000 codes takes hours.
        int failedLookupsPerMinute = 60;
        qint64 emptyRoomMs = 5 * 60 * 1000;
        int maxTrackedAddresses = 65536;
    };
    static constexpr int kMaxNameLength = 32;

    explicit RoomDirectory(Limits limits);
    RoomDirectory() : RoomDirectory(Limits{}) {}

    enum class Refusal { None, ServerFull, TooManyCreates, TooManyTries, Unknown, Malformed };

    // A new room for the player at `addressKey`: its code, or why not.
    struct Created
    {
        QString code;
        Refusal refusal = Refusal::None;
    };
    Created create(const QString& addressKey, const QString& name, bool listed, qint64 nowMs);

    // The room `text` names, for the player at `addressKey`; only wrong codes count against the
    // address's allowance, and past it even a right one is refused until the window moves on.
    struct Found
    {
        QString code;
        Refusal refusal = Refusal::None;
    };
    Found find(const QString& addressKey, const QString& text, qint64 nowMs);

    // The room's thread reports who is in it.
    void update(const QString& code, int players, bool running, qint64 nowMs);
    // Ends the rooms that have been empty for Limits::emptyRoomMs; returns their codes.
    QStringList expire(qint64 nowMs);

    QList<RoomInfo> listedRooms() const;
    const RoomInfo* room(const QString& code) const;
    int size() const { return int(m_rooms.size()); }
    const Limits& limits() const { return m_limits; }

    // The text a refused client reads.
    static QString explain(Refusal refusal);

private:
    QString unusedCode() const;

    Limits m_limits;
    std::map<QString, RoomInfo> m_rooms;
    AddressAllowance m_creates;
    AddressAllowance m_lookups;
};

} // namespace pictova::rooms
