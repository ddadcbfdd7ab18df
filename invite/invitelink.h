#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>

namespace pictova {

// The address players on the same network reach this machine at: the first IPv4 address of an
// interface that is up, not the loopback, preferring the private ranges home routers hand out.
// The loopback when there is none (a machine without a network still invites itself).
QHostAddress lanAddress();

// Picks that address from a given list of candidates (the interfaces' addresses in order).
QHostAddress preferredLanAddress(const QList<QHostAddress>& candidates);

// The web client's address on `host` at `webPort`: "http://192.168.1.20:7780/" (IPv6 in
// brackets); `secure` gives "https://".
QString inviteLink(const QHostAddress& host, quint16 webPort, bool secure = false);

} // namespace pictova
