#include "tests/support/protoclient.h"

#include "messaging/catalogue.h"
#include "messaging/wire.h"
#include "tests/support/waitfor.h"

namespace pictova::test {

ProtoClient::ProtoClient(QObject* parent) : QObject(parent)
{
    connect(&m_socket, &QTcpSocket::readyRead, this, [this] {
        const QByteArray bytes = m_socket.readAll();
        m_raw.append(bytes);
        QList<QByteArray> messages;
        m_framer.feed(bytes, messages);
        for (const QByteArray& message : messages)
            m_received << fromWire(message);
    });
    connect(&m_socket, &QTcpSocket::disconnected, this, [this] { m_closed = true; });
}

bool ProtoClient::connectTo(quint16 port, int timeoutMs)
{
    m_socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    return waitFor([this] { return m_socket.state() == QAbstractSocket::ConnectedState; }, timeoutMs);
}

void ProtoClient::send(const QByteArray& bytes)
{
    m_socket.write(bytes);
    m_socket.flush();
}

void ProtoClient::sendMessage(const QString& entry)
{
    send(frameEntry(entry));
}

void ProtoClient::close()
{
    m_socket.disconnectFromHost();
}
void ProtoClient::abort()
{
    m_socket.abort();
}

bool ProtoClient::isConnected() const
{
    return m_socket.state() == QAbstractSocket::ConnectedState;
}

void ProtoClient::clearReceived()
{
    m_received.clear();
    m_raw.clear();
}

QString ProtoClient::waitForMessage(const QString& prefix, int timeoutMs)
{
    QString found;
    waitFor(
        [&] {
            for (const QString& message : m_received)
                if (message.startsWith(prefix)) {
                    found = message;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

bool ProtoClient::waitForClose(int timeoutMs)
{
    return waitFor([this] { return m_closed || m_socket.state() == QAbstractSocket::UnconnectedState; },
                   timeoutMs);
}

QStringList ProtoClient::messagesNamed(const QString& name) const
{
    QStringList matching;
    for (const QString& message : m_received)
        if (message.section(QLatin1Char('+'), 0, 0) == name)
            matching << message;
    return matching;
}

bool ProtoClient::joinAs(quint16 port, const QString& name, const QString& version)
{
    if (!connectTo(port))
        return false;
    const QString seatMessage = waitForMessage(cmd::sendlogininfo + QLatin1Char('+'));
    if (seatMessage.isEmpty())
        return false;
    m_seat = seatMessage.section(QLatin1Char('+'), 1).toInt();
    send(toserver::logininfo(m_seat, version, name));
    return !waitForMessage(QStringLiteral("%1+%2+").arg(cmd::newplayerinfo).arg(m_seat)).isEmpty();
}

} // namespace pictova::test
