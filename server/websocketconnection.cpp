#include "server/websocketconnection.h"

#include "messaging/wire.h"

#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>
#include <QWebSocket>

#include <sys/socket.h>

namespace pictova {

namespace {
// How much the socket is given to write on its own at a time, as on the game port.
constexpr qint64 kHandOverBytes = 64 * 1024;
// A closing socket gets this long for its closing handshake.
constexpr int kCloseCapMs = 10000;

// One unmasked, final text frame (the server never masks).
QByteArray textFrame(const QByteArray& wireText)
{
    // Text on the wire that is UTF-8 already goes as it is; 8-bit text becomes UTF-8.
    const QByteArray payload = isValidUtf8(wireText) ? wireText : fromWire(wireText).toUtf8();
    const qsizetype size = payload.size();
    QByteArray frame;
    frame.reserve(size + 10);
    frame.append(char(0x81));
    if (size < 126) {
        frame.append(char(size));
    } else if (size < 65536) {
        frame.append(char(126));
        frame.append(char((size >> 8) & 0xFF));
        frame.append(char(size & 0xFF));
    } else {
        frame.append(char(127));
        for (int shift = 56; shift >= 0; shift -= 8)
            frame.append(char((quint64(size) >> shift) & 0xFF));
    }
    frame.append(payload);
    return frame;
}
} // namespace

WebSocketConnection::WebSocketConnection(QWebSocket* socket, QObject* parent)
    : ServerTransport(parent), m_socket(socket), m_peerAddress(socket->peerAddress().toString())
{
    socket->setParent(this);
    m_tcp = socket->findChild<QTcpSocket*>();
    m_plain = m_tcp && !qobject_cast<QSslSocket*>(m_tcp);
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
        const QByteArray text = messages.mid(start, end - start);
        start = end + 1;
        if (!m_tcp) {
            m_socket->sendTextMessage(fromWire(text));
            continue;
        }
        QByteArray frame = textFrame(text);
        if (m_unsent.empty() && m_tcp->bytesToWrite() < kHandOverBytes) {
            write(frame);
            continue;
        }
        m_unsentBytes += frame.size();
        m_unsent.push_back(std::move(frame));
    }
    if (!m_tcp)
        m_socket->flush();
}

void WebSocketConnection::write(const QByteArray& frame)
{
    // Written now, not at the next turn of the event loop: a relayed stroke leaves at once, in
    // one system call, as on the game port. Only with nothing queued before it.
    qsizetype written = 0;
    if (m_plain && m_tcp->bytesToWrite() == 0 && m_tcp->socketDescriptor() >= 0) {
        const ssize_t sent = ::send(static_cast<int>(m_tcp->socketDescriptor()), frame.constData(),
                                    static_cast<size_t>(frame.size()), MSG_DONTWAIT | MSG_NOSIGNAL);
        written = sent > 0 ? sent : 0;
    }
    if (written < frame.size()) {
        m_tcp->write(frame.constData() + written, frame.size() - written);
        if (!m_plain)
            m_tcp->flush();
    }
}

void WebSocketConnection::handOver()
{
    if (!m_tcp)
        return;
    while (!m_unsent.empty() && m_tcp->bytesToWrite() < kHandOverBytes) {
        m_unsentBytes -= m_unsent.front().size();
        write(m_unsent.front());
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
        while (m_tcp && !m_unsent.empty()) {
            m_tcp->write(m_unsent.front());
            m_unsent.pop_front();
        }
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
    return m_unsentBytes + (m_tcp ? m_tcp->bytesToWrite() : m_socket ? m_socket->bytesToWrite() : 0);
}

} // namespace pictova
