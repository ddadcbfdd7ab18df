#include "server/websocketconnection.h"

#include "messaging/wire.h"

#include <QTimer>
#include <QWebSocket>

namespace pictova {

namespace {
// How much the socket is given to write on its own at a time, as on the game port.
constexpr qint64 kHandOverBytes = 64 * 1024;
// A closing socket gets this long for its closing handshake.
constexpr int kCloseCapMs = 10000;
} // namespace

WebSocketConnection::WebSocketConnection(QWebSocket* socket, QObject* parent)
    : ServerTransport(parent), m_socket(socket), m_peerAddress(socket->peerAddress().toString())
{
    socket->setParent(this);
    connect(socket, &QWebSocket::textMessageReceived, this, [this](const QString& message) {
        emit received({{message, message.toUtf8().size()}});
    });
    // The game's protocol is text; bytes of any other kind are no message of it.
    connect(socket, &QWebSocket::binaryFrameReceived, this, [this] {
        if (!m_closed)
            emit broken(QStringLiteral("binary frame"));
    });
    connect(socket, &QWebSocket::aboutToClose, this, [this] {
        // The socket closes itself on a message past its size limit.
        if (!m_closed && m_socket->closeCode() == QWebSocketProtocol::CloseCodeTooMuchData)
            emit broken(QStringLiteral("message longer than the limit"));
    });
    connect(socket, &QWebSocket::disconnected, this, &WebSocketConnection::finish);
    connect(socket, &QWebSocket::bytesWritten, this, &WebSocketConnection::handOver);
}

WebSocketConnection::~WebSocketConnection()
{
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
    }
}

void WebSocketConnection::send(const QByteArray& messages)
{
    if (m_closed || !m_socket)
        return;
    qsizetype start = 0;
    for (qsizetype end = messages.indexOf(kTerminator); end >= 0;
         end = messages.indexOf(kTerminator, start)) {
        QString text = fromWire(messages.mid(start, end - start));
        start = end + 1;
        if (m_unsent.empty() && m_socket->bytesToWrite() < kHandOverBytes) {
            m_socket->sendTextMessage(text);
            continue;
        }
        m_unsentBytes += text.size();
        m_unsent.push_back(std::move(text));
    }
    // Written now, not at the next turn of the event loop: a relayed stroke leaves at once, as
    // on the game port.
    m_socket->flush();
}

void WebSocketConnection::handOver()
{
    if (!m_socket)
        return;
    while (!m_unsent.empty() && m_socket->bytesToWrite() < kHandOverBytes) {
        m_unsentBytes -= m_unsent.front().size();
        m_socket->sendTextMessage(m_unsent.front());
        m_unsent.pop_front();
    }
}

void WebSocketConnection::dropUnsent()
{
    m_unsent.clear();
    m_unsentBytes = 0;
}

void WebSocketConnection::close()
{
    if (m_closed)
        return;
    if (m_socket) {
        QWebSocket* socket = m_socket;
        socket->disconnect(this);
        for (const QString& text : m_unsent)
            socket->sendTextMessage(text);
        m_unsent.clear();
        m_unsentBytes = 0;
        // The socket outlives this connection while it says goodbye, never for ever.
        socket->setParent(nullptr);
        m_socket = nullptr;
        connect(socket, &QWebSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(kCloseCapMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        socket->close();
        socket->flush();
    }
    finish();
}

void WebSocketConnection::finish()
{
    if (m_closed)
        return;
    m_closed = true;
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->deleteLater();
        m_socket->setParent(nullptr);
        m_socket = nullptr;
    }
    deleteLater();
    emit closed();
}

QString WebSocketConnection::peerAddress() const
{
    return m_peerAddress;
}

qsizetype WebSocketConnection::bytesQueued() const
{
    // Characters stand for bytes: close enough for a cap of megabytes.
    return m_unsentBytes * 2 + (m_socket ? m_socket->bytesToWrite() : 0);
}

} // namespace pictova
