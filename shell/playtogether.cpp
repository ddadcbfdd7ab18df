#include "shell/playtogether.h"

#include "shell/inifile.h"
#include "shell/settings.h"

namespace pictova {

namespace {
const QString kSection = QString::fromLatin1(kSettingsSection);
const QString kNameKey = QStringLiteral("PlayerName");
const QString kPortKey = QStringLiteral("HostPort");
const QString kAnnounceKey = QStringLiteral("AnnounceGames");
const QString kRecentKey = QStringLiteral("RecentAddresses");
// Addresses never hold a blank, so one separates them.
const QChar kSeparator = QLatin1Char(' ');
constexpr int kLongestName = 32;
constexpr int kLongestAddress = 255;

bool validPort(qint64 port)
{
    return port >= 1 && port <= 65535;
}
} // namespace

void PlayTogetherSettings::rememberAddress(const QString& address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty() || trimmed.contains(kSeparator) || trimmed.size() > kLongestAddress)
        return;
    recentAddresses.removeAll(trimmed);
    recentAddresses.prepend(trimmed);
    while (recentAddresses.size() > kRecentAddresses)
        recentAddresses.removeLast();
}

PlayTogetherSettings loadPlayTogether(const QString& path)
{
    const IniFile ini(path);
    PlayTogetherSettings loaded;
    loaded.playerName = ini.readString(kSection, kNameKey, QString()).left(kLongestName);
    const qint32 port = ini.readInteger(kSection, kPortKey, PlayTogetherSettings::kDefaultPort);
    loaded.hostPort = validPort(port) ? static_cast<quint16>(port) : PlayTogetherSettings::kDefaultPort;
    loaded.announce = ini.readString(kSection, kAnnounceKey, QString()) != QLatin1String("false");
    const QStringList recent =
        ini.readString(kSection, kRecentKey, QString()).split(kSeparator, Qt::SkipEmptyParts);
    // Oldest first, so that the newest ends up in front.
    for (auto address = recent.crbegin(); address != recent.crend(); ++address)
        loaded.rememberAddress(*address);
    return loaded;
}

void savePlayTogether(const QString& path, const PlayTogetherSettings& settings)
{
    IniFile ini(path);
    ini.writeString(kSection, kNameKey, settings.playerName.left(kLongestName));
    ini.writeString(kSection, kPortKey, QString::number(settings.hostPort));
    ini.writeString(kSection, kAnnounceKey,
                    settings.announce ? QStringLiteral("true") : QStringLiteral("false"));
    ini.writeString(kSection, kRecentKey,
                    settings.recentAddresses.mid(0, PlayTogetherSettings::kRecentAddresses).join(kSeparator));
    ini.save();
}

std::optional<GameAddress> parseGameAddress(const QString& text, quint16 defaultPort)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > kLongestAddress || trimmed.contains(kSeparator))
        return std::nullopt;
    GameAddress address;
    address.port = defaultPort;
    QString portText;
    if (trimmed.startsWith(QLatin1Char('['))) {
        const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
        if (close < 0)
            return std::nullopt;
        address.host = trimmed.mid(1, close - 1);
        const QString rest = trimmed.mid(close + 1);
        if (!rest.isEmpty()) {
            if (!rest.startsWith(QLatin1Char(':')))
                return std::nullopt;
            portText = rest.mid(1);
        }
    } else if (trimmed.count(QLatin1Char(':')) == 1) {
        address.host = trimmed.section(QLatin1Char(':'), 0, 0);
        portText = trimmed.section(QLatin1Char(':'), 1);
    } else {
        // A bare IPv6 address has several colons and no port.
        address.host = trimmed;
    }
    if (address.host.isEmpty())
        return std::nullopt;
    if (!portText.isNull()) {
        bool ok = false;
        const uint port = portText.toUInt(&ok);
        if (!ok || !validPort(port))
            return std::nullopt;
        address.port = static_cast<quint16>(port);
    }
    return address;
}

} // namespace pictova
