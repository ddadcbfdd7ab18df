#pragma once

#include "server/transport.h"

#include <QPointer>
#include <deque>

class QTcpSocket;
class QWebSocket;

namespace pictova {

// A browser's connection: a WebSocket at the web port's "/ws". The framing is the WebSocket's
// own, one message of the game's text protocol in each text message, UTF-8, without the 0xFF
// terminator, in both directions; the server sends each message as one text frame. A binary
// frame, or a message over WebListener::kMaxMessageBytes, cuts the connection off.
class WebSocketConnection : public ServerTransport
{
    Q_OBJECT
public:
    // Takes `socket` as its own.
    explicit WebSocketConnection(QWebSocket* socket, QObject* parent = nullptr);
    ~WebSocketConnection() override;

    void send(const QByteArray& messages) override;
    void dropUnsent() override;
    void close() override;
    QString peerAddress() const override;
    qsizetype bytesQueued() const override;

private:
    void handOver();
    void finish();
    void write(const QByteArray& frame);

    QPointer<QWebSocket> m_socket;
    // The connection under the WebSocket: the server's frames are written to it directly, as
    // the game port writes its messages (QWebSocket reads, and answers pings and closes).
    QPointer<QTcpSocket> m_tcp;
    bool m_plain = false; // not TLS: bytes may go to the system socket at once
    QString m_peerAddress;
    // Frames not yet given to the socket, oldest first: while the socket already holds enough
    // to write, the rest waits here, where a backlog can still be dropped whole.
    std::deque<QByteArray> m_unsent;
    qsizetype m_unsentBytes = 0;
    bool m_closed = false;
};

} // namespace pictova
