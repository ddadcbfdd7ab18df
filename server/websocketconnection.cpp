#include "server/websocketconnection.h"

#include "messaging/wire.h"
#include "web/weblistener.h"

#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>

#include <sys/socket.h>
#include <utility>

namespace pictova {

namespace {
using Reader = web::WebSocketFrameReader;

// How much the socket is given to write on its own at a time, as on the game port.
constexpr qint64 kHandOverBytes = 64 * 1024;
// A closing socket gets this long for its closing handshake.
constexpr int kCloseCapMs = 10000;

// The text frames of wire bytes: one frame a message, without its terminator. Text that is
// UTF-8 already goes as it is; 8-bit text becomes UTF-8.
QByteArray textFrames(const QByteArray& messages)
{
    // A relayed message goes to every seat as the same bytes: framed once, not once a seat.
    // Only small ones are remembered, so a big one is never held twice.
    constexpr qsizetype kRemembered = 4096;
    thread_local QByteArray lastMessages;
    thread_local QByteArray lastFrames;
    if (!messages.isNull() && messages.constData() == lastMessages.constData() &&
        messages.size() == lastMessages.size())
        return lastFrames;
    QByteArray frames;
    qsizetype start = 0;
    for (qsizetype end = messages.indexOf(kTerminator); end >= 0;
         end = messages.indexOf(kTerminator, start)) {
        const QByteArrayView text = QByteArrayView(messages).sliced(start, end - start);
        start = end + 1;
        frames += text.isValidUtf8()
                      ? web::serverFrame(web::opcode::kText, text)
                      : web::serverFrame(web::opcode::kText, fromWire(text.toByteArray()).toUtf8());
    }
    if (messages.size() <= kRemembered) {
        // Held, the bytes can neither change nor give their place to others while they are the key.
        lastMessages = messages;
        lastFrames = frames;
    }
    return frames;
}

QString brokenRule(Reader::Error error)
{
    switch (error) {
    case Reader::Error::Binary:
        return QStringLiteral("binary frame");
    case Reader::Error::TooLong:
        return QStringLiteral("message longer than the limit");
    default:
        return {};
    }
}
} // namespace

WebSocketConnection::WebSocketConnection(QTcpSocket* socket, QObject* parent)
    : ServerTransport(parent), m_socket(socket), m_plain(!qobject_cast<QSslSocket*>(socket)),
      m_peerAddress(socket->peerAddress().toString()), m_reader(WebListener::kMaxMessageBytes)
{
    socket->setParent(this);
    connect(socket, &QTcpSocket::readyRead, this, &WebSocketConnection::readArrived);
    connect(socket, &QTcpSocket::bytesWritten, this, &WebSocketConnection::handOver);
    connect(socket, &QTcpSocket::disconnected, this, &WebSocketConnection::gone);
    connect(socket, &QTcpSocket::errorOccurred, this, &WebSocketConnection::gone);
    // What came with the opening is read once the server has taken this connection.
    if (socket->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &WebSocketConnection::readArrived, Qt::QueuedConnection);
}

WebSocketConnection::~WebSocketConnection()
{
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
    }
}

void WebSocketConnection::readArrived()
{
    while (m_socket && m_socket->bytesAvailable() > 0) {
        // Taken whole, the socket's buffer leaves with the bytes: nothing is kept between reads
        // but the frame not yet complete.
        const QByteArray bytes = m_socket->readAll();
        if (bytes.isEmpty())
            return;
        // Once closing, what the peer still sends is read and dropped.
        if (m_reader.stopped())
            continue;
        QList<Event> events;
        m_reader.feed(bytes, events);
        QList<ReceivedMessage> batch;
        for (const Event& event : events) {
            if (event.kind == Reader::Kind::Text) {
                batch.append({QString::fromUtf8(event.payload), event.payload.size()});
                continue;
            }
            if (!batch.isEmpty() && !m_closed)
                emit received(std::exchange(batch, {}));
            handle(event);
        }
        if (!batch.isEmpty() && !m_closed)
            emit received(batch);
    }
}

void WebSocketConnection::handle(const Event& event)
{
    switch (event.kind) {
    case Reader::Kind::Text:
    case Reader::Kind::Pong:
        return;
    case Reader::Kind::Ping:
        if (m_closeSent || !connected())
            return;
        if (m_unsent.empty() && roomToWrite())
            writeNow(m_socket, web::serverFrame(web::opcode::kPong, event.payload));
        else
            m_pong = event.payload;
        return;
    case Reader::Kind::Close:
        // The peer is leaving: what waits for it no longer matters. Its code is given back.
        dropUnsent();
        sendClose(event.code);
        finish();
        return;
    case Reader::Kind::Error: {
        m_closeCode = event.code;
        // The server tells the peer why and closes; the close frame then names the rule.
        if (const QString rule = brokenRule(event.error); !rule.isEmpty() && !m_closed)
            emit broken(rule);
        sendClose(m_closeCode);
        finish();
        return;
    }
    }
}

bool WebSocketConnection::connected() const
{
    return m_socket && m_socket->state() == QAbstractSocket::ConnectedState;
}

bool WebSocketConnection::roomToWrite() const
{
    return m_socket && m_socket->bytesToWrite() < kHandOverBytes;
}

void WebSocketConnection::send(const QByteArray& messages)
{
    if (m_closed || m_closeSent || !m_socket)
        return;
    QByteArray frames = textFrames(messages);
    if (frames.isEmpty())
        return;
    if (m_unsent.empty() && roomToWrite()) {
        // A relayed stroke leaves at once, in one system call, as on the game port.
        writeNow(m_socket, frames);
        return;
    }
    m_unsentBytes += frames.size();
    m_unsent.push_back(std::move(frames));
}

void WebSocketConnection::handOver()
{
    if (!m_socket)
        return;
    if (m_pong && roomToWrite()) {
        writeNow(m_socket, web::serverFrame(web::opcode::kPong, *m_pong));
        m_pong.reset();
    }
    while (!m_unsent.empty() && roomToWrite()) {
        m_unsentBytes -= m_unsent.front().size();
        writeNow(m_socket, m_unsent.front());
        m_unsent.pop_front();
    }
    endWhenSent();
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
    // In order: what is queued leaves before the close frame.
    while (connected() && !m_unsent.empty()) {
        m_socket->write(m_unsent.front());
        m_unsent.pop_front();
    }
    m_unsentBytes = 0;
    sendClose(m_closeCode);
    finish();
}

void WebSocketConnection::sendClose(quint16 code)
{
    // A socket already gone (its last bytes read as it went) has nobody to say goodbye to.
    if (m_closeSent || !connected())
        return;
    m_closeSent = true;
    m_pong.reset();
    writeNow(m_socket, web::serverFrame(web::opcode::kClose, web::closePayload(code)));
    // The socket outlives the server's interest while it says goodbye, never for ever.
    QTimer::singleShot(kCloseCapMs, this, [this] {
        if (m_socket)
            m_socket->abort();
        deleteLater();
    });
    endWhenSent();
}

void WebSocketConnection::endWhenSent()
{
    if (!m_closeSent || m_ending || !m_socket)
        return;
    if (!m_plain) {
        // TLS ends with its own closing record, once the close frame has left.
        m_ending = true;
        m_socket->disconnectFromHost();
        return;
    }
    if (m_socket->bytesToWrite() > 0)
        return;
    // Only the sending side: the peer's last bytes are still read (and dropped), so closing
    // never throws away a close frame on its way to the peer, and the peer's own close ends it.
    m_ending = true;
    ::shutdown(static_cast<int>(m_socket->socketDescriptor()), SHUT_WR);
}

void WebSocketConnection::finish()
{
    if (m_closed)
        return;
    m_closed = true;
    emit closed();
}

void WebSocketConnection::gone()
{
    // What the peer sent before it went still counts.
    if (!m_closed)
        readArrived();
    if (m_socket)
        m_socket->disconnect(this);
    dropUnsent();
    finish();
    deleteLater();
}

QString WebSocketConnection::peerAddress() const
{
    return m_peerAddress;
}

qsizetype WebSocketConnection::bytesQueued() const
{
    return m_unsentBytes + (m_socket ? m_socket->bytesToWrite() : 0);
}

} // namespace pictova
