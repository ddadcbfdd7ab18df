#pragma once

#include <QHostAddress>
#include <QList>
#include <QNetworkInterface>
#include <QString>

namespace pictova::lan {

// Where games are announced and looked for: one multicast group and port, datagrams that do not
// leave the local network (TTL 1).
inline const QHostAddress kGroupAddress{QStringLiteral("239.255.77.73")};
inline constexpr quint16 kGroupPort = 7773;
inline constexpr int kMulticastTtl = 1;

// The environment variable that restricts announcing and listening to one interface.
inline constexpr char kInterfaceVariable[] = "PICTOVA_LAN_INTERFACE";

// The interfaces to use among `available`. An empty `restriction` means every interface that is up,
// running and can multicast. Otherwise `restriction` is an interface name ("lo", "eth0") or one of an
// interface's addresses, and only that interface is used when it is up, whatever its multicast flag
// says (the loopback interface announces no multicast capability but carries it fine with a route).
// A restriction that matches nothing gives no interface at all: never a fallback to all of them.
QList<QNetworkInterface> lanInterfaces(const QString& restriction, const QList<QNetworkInterface>& available);

// lanInterfaces() for the machine's interfaces and the restriction in the environment.
QList<QNetworkInterface> lanInterfaces();

} // namespace pictova::lan
