#pragma once

#include "messaging/framing.h"
#include "server/transport.h"

namespace pictova {

class TSock;

// A connection of the game port: the socket component, its bytes cut into messages at the
// terminator byte, each message's text read as the wire's text.
class TcpTransport : public ServerTransport
{
    Q_OBJECT
public:
    // Takes `sock` (an accepted connection) as its own.
    explicit TcpTransport(TSock* sock, QObject* parent = nullptr);
    ~TcpTransport() override;

    void send(const QByteArray& messages) override;
    void dropUnsent() override;
    void close() override;
    QString peerAddress() const override;
    qsizetype bytesQueued() const override;

private:
    void readArrived();
    void info(int kind, const QString& message);
    void finish();

    TSock* m_sock;
    MessageFramer m_framer;
    bool m_closed = false;
};

} // namespace pictova
