#pragma once

#include "server/transport.h"

#include <QPointer>
#include <deque>

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

    QPointer<QWebSocket> m_socket;
    QString m_peerAddress;
    // Messages not yet given to the socket, oldest first: while the socket already holds enough
    // to write, the rest waits here, where a backlog can still be dropped whole.
    std::deque<QString> m_unsent;
    qsizetype m_unsentBytes = 0;
    bool m_closed = false;
};

} // namespace pictova
