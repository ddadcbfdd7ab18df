#pragma once

#include <QHostAddress>
#include <QString>

namespace pictova::rooms {

// What the per-address limits count by: an IPv4 address as it is, an IPv6 address by its /64
// network, since one home or one machine is handed a whole /64 and could otherwise take a new
// address for every try.
QString addressKey(const QHostAddress& address);

} // namespace pictova::rooms
