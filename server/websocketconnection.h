#pragma once

#include "server/transport.h"
#include "web/websocketframes.h"

#include <QPointer>
#include <deque>
#include <optional>

class QTcpSocket;

namespace pictova {

// A browser's connection: a WebSocket at the web port's "/ws". The framing is the WebSocket's
// own, one message of the game's text protocol in each text message, UTF-8, without the 0xFF
// terminator, in both directions; the server sends each message as one text frame. A binary
// frame, or a message over WebListener::kMaxMessageBytes, cuts the connection off.
//
// The frames are read and written here, on the socket itself: a connection holds no more than
// the socket, the frame or message not yet complete, and what waits to be sent.
class WebSocketConnection : public ServerTransport
{
    Q_OBJECT
public:
    // Takes `socket` as its own: a connection whose WebSocket opening has been answered, with
    // whatever the browser sent after it still to be read.
    explicit WebSocketConnection(QTcpSocket* socket, QObject* parent = nullptr);
    ~WebSocketConnection() override;

    void send(const QByteArray& messages) override;
    void dropUnsent() override;
    void close() override;
    QString peerAddress() const override;
    qsizetype bytesQueued() const override;

private:
    using Event = web::WebSocketFrameReader::Event;

    void readArrived();
    void handle(const Event& event);
    bool connected() const;
    bool roomToWrite() const;
    void handOver();
    void sendClose(quint16 code);
    void endWhenSent();
    void finish();
    void gone();

    QPointer<QTcpSocket> m_socket;
    bool m_plain = false; // not TLS: bytes may go to the system socket at once
    QString m_peerAddress;
    web::WebSocketFrameReader m_reader;
    // Frames not yet given to the socket, oldest first: while the socket already holds enough
    // to write, the rest waits here, where a backlog can still be dropped whole.
    std::deque<QByteArray> m_unsent;
    qsizetype m_unsentBytes = 0;
    // The last ping's answer while the socket has no room: a peer that pings without reading
    // is owed one answer, not a pile of them.
    std::optional<QByteArray> m_pong;
    // What the close frame says when the server closes: normal, or the rule the peer broke.
    quint16 m_closeCode = web::WebSocketFrameReader::kNormal;
    bool m_closed = false;    // the server has been told: nothing more reaches it
    bool m_closeSent = false; // the close frame is written: nothing more goes out
    bool m_ending = false;    // the socket's sending side is shut
};

} // namespace pictova
