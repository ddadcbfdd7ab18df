#include "invite/invitelink.h"

#include <QNetworkInterface>
#include <QUrl>

namespace pictova {

namespace {
bool isPrivate(const QHostAddress& address)
{
    return address.isInSubnet(QHostAddress(QStringLiteral("10.0.0.0")), 8) ||
           address.isInSubnet(QHostAddress(QStringLiteral("172.16.0.0")), 12) ||
           address.isInSubnet(QHostAddress(QStringLiteral("192.168.0.0")), 16);
}
} // namespace

QHostAddress preferredLanAddress(const QList<QHostAddress>& candidates)
{
    QHostAddress fallback;
    for (const QHostAddress& address : candidates) {
        if (address.protocol() != QAbstractSocket::IPv4Protocol || address.isLoopback() ||
            address.isInSubnet(QHostAddress(QStringLiteral("169.254.0.0")), 16))
            continue;
        if (isPrivate(address))
            return address;
        if (fallback.isNull())
            fallback = address;
    }
    return fallback.isNull() ? QHostAddress(QHostAddress::LocalHost) : fallback;
}

QHostAddress lanAddress()
{
    QList<QHostAddress> candidates;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning) ||
            flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries())
            candidates << entry.ip();
    }
    return preferredLanAddress(candidates);
}

QString inviteLink(const QHostAddress& host, quint16 webPort, bool secure)
{
    QUrl url;
    url.setScheme(secure ? QStringLiteral("https") : QStringLiteral("http"));
    QHostAddress plain = host;
    plain.setScopeId({});
    url.setHost(plain.toString());
    url.setPort(webPort);
    url.setPath(QStringLiteral("/"));
    return url.toString();
}

} // namespace pictova
