#include "tests/shell/httpstub.h"

#include <QSslServer>

namespace pictova::test {

HttpStub::HttpStub(Mode mode, QByteArray body, QObject* parent)
    : QObject(parent), m_mode(mode), m_body(std::move(body)), m_server(std::make_unique<QTcpServer>())
{
    listen();
}

HttpStub::HttpStub(Mode mode, QByteArray body, const QSslConfiguration& tls, QObject* parent)
    : QObject(parent), m_mode(mode), m_body(std::move(body)), m_tls(true)
{
    auto server = std::make_unique<QSslServer>();
    server->setSslConfiguration(tls);
    connect(server.get(), &QSslServer::startedEncryptionHandshake, this, [this] { ++m_handshakes; });
    m_server = std::move(server);
    listen();
}

void HttpStub::listen()
{
    m_server->listen(QHostAddress::LocalHost, 0);
    // A TLS connection is only handed over once its handshake has succeeded.
    connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, &HttpStub::accept);
    connect(m_server.get(), &QTcpServer::newConnection, this, &HttpStub::accept);
}

void HttpStub::accept()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        ++m_connections;
        m_client = socket;
        m_request.clear();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            m_request += socket->readAll();
            if (m_request.contains("\r\n\r\n") && socket == m_client)
                answer();
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

QString HttpStub::url(const QString& path) const
{
    return QStringLiteral("%1://127.0.0.1:%2%3").arg(m_tls ? "https" : "http").arg(port()).arg(path);
}

int HttpStub::replyHeaderLines() const
{
    return 3;
}

void HttpStub::answer()
{
    QByteArray reply;
    const QByteArray path = m_request.left(m_request.indexOf("\r\n")).split(' ').value(1);
    const int hopsLeft = path.startsWith("/hop/") ? path.mid(5).toInt() : 0;
    switch (m_mode) {
    case Hops:
        if (hopsLeft > 0) {
            reply = "HTTP/1.0 302 Found\r\nLocation: /hop/" + QByteArray::number(hopsLeft - 1) +
                    "\r\nContent-Length: 0\r\n\r\n";
            break;
        }
        [[fallthrough]];
    case Serve:
        reply = "HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                QByteArray::number(m_body.size()) + "\r\n\r\n" + m_body;
        break;
    case NotFound:
        reply = "HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\nContent-Length: 9\r\n\r\nnot found";
        break;
    case CloseEarly:
        reply = "HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                QByteArray::number(m_body.size() * 10) + "\r\n\r\n" + m_body;
        break;
    case Silent:
        return;
    }
    m_client->write(reply);
    m_client->disconnectFromHost();
}

} // namespace pictova::test
