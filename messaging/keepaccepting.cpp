#include "messaging/keepaccepting.h"

#include "messaging/errors.h"

#include <QDeadlineTimer>
#include <QTcpServer>
#include <QTimer>

#include <memory>

namespace pictova {

namespace {
constexpr int kRetryMs = 100;
constexpr qint64 kReportEveryMs = 60 * 1000;
} // namespace

void keepAccepting(QTcpServer* server)
{
    auto reportAgainAfter = std::make_shared<QDeadlineTimer>(QDeadlineTimer(0));
    QObject::connect(server, &QTcpServer::acceptError, server,
                     [server, reportAgainAfter](QAbstractSocket::SocketError error) {
                         if (reportAgainAfter->hasExpired()) {
                             reportError(QStringLiteral("cannot take a connection (%1): %2; trying again")
                                             .arg(int(error))
                                             .arg(server->errorString()));
                             reportAgainAfter->setRemainingTime(kReportEveryMs);
                         }
                         QTimer::singleShot(kRetryMs, server, [server] {
                             if (server->isListening())
                                 server->resumeAccepting();
                         });
                     });
}

} // namespace pictova
