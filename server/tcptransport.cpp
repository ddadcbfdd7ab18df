#include "server/tcptransport.h"

#include "messaging/errors.h"
#include "messaging/tsock.h"
#include "messaging/wire.h"

namespace pictova {

TcpTransport::TcpTransport(TSock* sock, QObject* parent) : ServerTransport(parent), m_sock(sock)
{
    m_sock->setParent(this);
    connect(m_sock, &TSock::onRead, this, &TcpTransport::readArrived);
    // The peer closed: close from this end as well, which reports the close.
    connect(m_sock, &TSock::onDisconnect, this, [this] { m_sock->close(); });
    connect(m_sock, &TSock::onInfo, this, [this](TSock*, SocketInfo kind, const QString& message) {
        info(static_cast<int>(kind), message);
    });
}

TcpTransport::~TcpTransport()
{
    // Going down is no departure: nobody is left to tell.
    m_sock->disconnect(this);
}

void TcpTransport::readArrived()
{
    QList<QByteArray> messages;
    const bool withinCap = m_framer.feed(m_sock->receive(), messages);
    if (!messages.isEmpty()) {
        QList<ReceivedMessage> batch;
        batch.reserve(messages.size());
        for (const QByteArray& message : messages)
            batch.append({fromWire(message), message.size()});
        emit received(batch);
    }
    if (!withinCap && !m_closed)
        emit broken(QStringLiteral("message longer than the limit"));
}

void TcpTransport::info(int kind, const QString& message)
{
    if (m_closed)
        return;
    if (static_cast<SocketInfo>(kind) == SocketInfo::Error) {
        // A connection that failed (a reset, a peer gone silent) is as gone as a closed one.
        m_sock->close();
        return;
    }
    if (message == QLatin1String("Socket Closed"))
        finish();
}

void TcpTransport::finish()
{
    if (m_closed)
        return;
    m_closed = true;
    m_sock->disconnect(this);
    deleteLater();
    emit closed();
}

void TcpTransport::send(const QByteArray& messages)
{
    if (m_closed)
        return;
    try {
        m_sock->send(messages);
    } catch (const ESockException&) {
        // The connection is already going; its close is on its way.
    }
}

void TcpTransport::dropUnsent()
{
    m_sock->dropUnsent();
}

void TcpTransport::close()
{
    if (m_closed)
        return;
    // The socket reports "Socket Closed" from inside its close, which finishes this transport.
    m_sock->close();
    finish();
}

QString TcpTransport::peerAddress() const
{
    return m_sock->peerAddress();
}

qsizetype TcpTransport::bytesQueued() const
{
    return m_sock->outgoingSize();
}

} // namespace pictova
