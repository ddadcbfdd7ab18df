#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace pictova {

// What the Host and Join dialogs remember between runs, in the settings file's own section under
// keys of their own (readers that do not know them pass them by).
struct PlayTogetherSettings
{
    static constexpr int kRecentAddresses = 10;
    static constexpr quint16 kDefaultPort = 7772;

    QString playerName;
    quint16 hostPort = kDefaultPort;
    bool announce = true;
    // Newest first, at most kRecentAddresses, no repeats.
    QStringList recentAddresses;

    // Puts `address` first, dropping an older copy and whatever falls past the limit.
    void rememberAddress(const QString& address);
};

// Never throws: anything missing or unreadable reads as the default.
PlayTogetherSettings loadPlayTogether(const QString& path);
// Throws PictovaError("Unable to write to <path>") as the other settings do.
void savePlayTogether(const QString& path, const PlayTogetherSettings& settings);

// An address typed by the player: a host name or IP address with an optional ":port".
struct GameAddress
{
    QString host;
    quint16 port = PlayTogetherSettings::kDefaultPort;
};
// Empty host, a bad port or a stray colon give nothing. "[::1]:7772" style brackets are accepted.
std::optional<GameAddress> parseGameAddress(const QString& text, quint16 defaultPort);

} // namespace pictova
