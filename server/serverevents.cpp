#include "server/serverevents.h"

namespace pictova {

QString departureText(Departure reason)
{
    switch (reason) {
    case Departure::Disconnected:
        return QStringLiteral("disconnected");
    case Departure::Removed:
        return QStringLiteral("removed");
    case Departure::TimedOut:
        return QStringLiteral("timed out");
    case Departure::CutOff:
        return QStringLiteral("cut off");
    case Departure::Shutdown:
        return QStringLiteral("server stopping");
    }
    return {};
}

} // namespace pictova
