#pragma once

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QSslConfiguration>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

namespace pictova::test {

// A tiny HTTP server on a loopback port that answers every request in one scripted way.
class HttpStub : public QObject
{
    Q_OBJECT
public:
    enum Mode {
        Serve,      // 200 with the body
        NotFound,   // 404 with a short error page
        CloseEarly, // 200 announcing more bytes than it sends, then hangs up
        Silent,     // reads the request and never answers
        Hops,       // "/hop/N" is sent on to "/hop/N-1" (302), "/hop/0" is served as by Serve
    };

    explicit HttpStub(Mode mode, QByteArray body = {}, QObject* parent = nullptr);
    // The same over TLS with the given certificate and key: an https server.
    HttpStub(Mode mode, QByteArray body, const QSslConfiguration& tls, QObject* parent = nullptr);

    quint16 port() const { return m_server->serverPort(); }
    QString url(const QString& path = QStringLiteral("/lobby/zvmsetup.exe")) const;

    QByteArray request() const { return m_request; }
    int connections() const { return m_connections; }
    // TLS handshakes a client began (an https stub only).
    int handshakes() const { return m_handshakes; }
    bool clientConnected() const { return m_client && m_client->state() == QAbstractSocket::ConnectedState; }
    // Header lines of the reply, the status line included.
    int replyHeaderLines() const;

private:
    void listen();
    void accept();
    void answer();

    Mode m_mode;
    QByteArray m_body;
    std::unique_ptr<QTcpServer> m_server;
    bool m_tls = false;
    QPointer<QTcpSocket> m_client;
    QByteArray m_request;
    int m_connections = 0;
    int m_handshakes = 0;
};

} // namespace pictova::test
