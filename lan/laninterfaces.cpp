#include "lan/laninterfaces.h"

namespace pictova::lan {

namespace {

bool holdsAddress(const QNetworkInterface& networkInterface, const QHostAddress& address)
{
    for (const QNetworkAddressEntry& entry : networkInterface.addressEntries())
        if (entry.ip().isEqual(address, QHostAddress::TolerantConversion))
            return true;
    return false;
}

} // namespace

QList<QNetworkInterface> lanInterfaces(const QString& restriction, const QList<QNetworkInterface>& available)
{
    QList<QNetworkInterface> chosen;
    const QString wanted = restriction.trimmed();
    const QHostAddress wantedAddress(wanted);
    for (const QNetworkInterface& networkInterface : available) {
        const auto flags = networkInterface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp))
            continue;
        if (wanted.isEmpty()) {
            if (flags.testFlag(QNetworkInterface::IsRunning) &&
                flags.testFlag(QNetworkInterface::CanMulticast))
                chosen.append(networkInterface);
        } else if (networkInterface.name() == wanted ||
                   (!wantedAddress.isNull() && holdsAddress(networkInterface, wantedAddress))) {
            chosen.append(networkInterface);
            break;
        }
    }
    return chosen;
}

QList<QNetworkInterface> lanInterfaces()
{
    return lanInterfaces(qEnvironmentVariable(kInterfaceVariable), QNetworkInterface::allInterfaces());
}

} // namespace pictova::lan
