#include "rooms/roomdirectory.h"

#include "messaging/peertext.h"
#include "rooms/roomcode.h"

namespace pictova::rooms {

namespace {
constexpr qint64 kMinuteMs = 60 * 1000;

// A listed room's name is shown to strangers: one line of plain text, no direction controls.
QString cleanName(const QString& name)
{
    QString clean;
    for (QChar c : name.trimmed())
        if (c.isPrint() && !peertext::isBidiControl(c))
            clean += c;
    return clean.left(RoomDirectory::kMaxNameLength);
}
} // namespace

AddressAllowance::AddressAllowance(int perWindow, qint64 windowMs, int maxAddresses)
    : m_perWindow(perWindow), m_windowMs(windowMs), m_maxAddresses(maxAddresses)
{
}

RateWindow* AddressAllowance::windowOf(const QString& key, qint64 nowMs)
{
    if (auto it = m_windows.find(key); it != m_windows.end())
        return &it->second;
    if (int(m_windows.size()) >= m_maxAddresses) {
        std::erase_if(m_windows, [nowMs](const auto& entry) { return entry.second.isEmptyAt(nowMs); });
        if (int(m_windows.size()) >= m_maxAddresses)
            return nullptr;
    }
    return &m_windows.emplace(key, RateWindow(m_perWindow, m_windowMs)).first->second;
}

bool AddressAllowance::mayTry(const QString& key, qint64 nowMs)
{
    RateWindow* window = windowOf(key, nowMs);
    if (!window)
        return false;
    // A copy answers without taking a place.
    RateWindow probe = *window;
    return probe.take(nowMs);
}

void AddressAllowance::take(const QString& key, qint64 nowMs)
{
    if (RateWindow* window = windowOf(key, nowMs))
        window->take(nowMs);
}

RoomDirectory::RoomDirectory(Limits limits)
    : m_limits(limits), m_creates(limits.createsPerMinute, kMinuteMs, limits.maxTrackedAddresses),
      m_lookups(limits.failedLookupsPerMinute, kMinuteMs, limits.maxTrackedAddresses)
{
}

QString RoomDirectory::unusedCode() const
{
    for (;;) {
        QString code = newCode();
        if (!m_rooms.contains(code))
            return code;
    }
}

RoomDirectory::Created RoomDirectory::create(const QString& addressKey, const QString& name, bool listed,
                                             qint64 nowMs)
{
    if (size() >= m_limits.maxRooms)
        return {{}, Refusal::ServerFull};
    if (!m_creates.mayTry(addressKey, nowMs))
        return {{}, Refusal::TooManyCreates};
    m_creates.take(addressKey, nowMs);
    RoomInfo room;
    room.code = unusedCode();
    room.name = cleanName(name);
    room.listed = listed;
    room.emptySinceMs = nowMs;
    m_rooms.emplace(room.code, room);
    return {room.code, Refusal::None};
}

RoomDirectory::Found RoomDirectory::find(const QString& addressKey, const QString& text, qint64 nowMs)
{
    if (!m_lookups.mayTry(addressKey, nowMs))
        return {{}, Refusal::TooManyTries};
    const std::optional<QString> code = parseCode(text);
    if (code && m_rooms.contains(*code))
        return {*code, Refusal::None};
    m_lookups.take(addressKey, nowMs);
    return {{}, code ? Refusal::Unknown : Refusal::Malformed};
}

void RoomDirectory::update(const QString& code, int players, bool running, qint64 nowMs)
{
    const auto it = m_rooms.find(code);
    if (it == m_rooms.end())
        return;
    RoomInfo& room = it->second;
    if (players == 0 && room.players > 0)
        room.emptySinceMs = nowMs;
    room.players = players;
    room.running = running;
}

QStringList RoomDirectory::expire(qint64 nowMs)
{
    QStringList ended;
    std::erase_if(m_rooms, [&](const auto& entry) {
        const RoomInfo& room = entry.second;
        if (room.players > 0 || nowMs - room.emptySinceMs < m_limits.emptyRoomMs)
            return false;
        ended << room.code;
        return true;
    });
    return ended;
}

QList<RoomInfo> RoomDirectory::listedRooms() const
{
    QList<RoomInfo> listed;
    for (const auto& [code, room] : m_rooms)
        if (room.listed)
            listed << room;
    return listed;
}

const RoomInfo* RoomDirectory::room(const QString& code) const
{
    const auto it = m_rooms.find(code);
    return it == m_rooms.end() ? nullptr : &it->second;
}

QString RoomDirectory::explain(Refusal refusal)
{
    switch (refusal) {
    case Refusal::None:
        return {};
    case Refusal::ServerFull:
        return QStringLiteral("This server holds as many rooms as it may. Try again later.");
    case Refusal::TooManyCreates:
        return QStringLiteral("You made several rooms a moment ago. Wait a minute before making another.");
    case Refusal::TooManyTries:
        return QStringLiteral(
            "Too many room codes were tried from your address. Wait a minute and check the code.");
    case Refusal::Unknown:
        return QStringLiteral("No room on this server has that code.");
    case Refusal::Malformed:
        return QStringLiteral("A room code is five letters and digits, such as K7QXD.");
    }
    return {};
}

} // namespace pictova::rooms
