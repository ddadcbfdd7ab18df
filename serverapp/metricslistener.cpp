#include "serverapp/metricslistener.h"

#include "messaging/keepaccepting.h"
#include "web/httprequest.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace pictova::serverapp {

MetricsListener::MetricsListener(std::function<QByteArray()> body, QObject* parent)
    : QObject(parent), m_body(std::move(body)), m_server(new QTcpServer(this))
{
    keepAccepting(m_server);
    connect(m_server, &QTcpServer::newConnection, this, &MetricsListener::accepted);
}

bool MetricsListener::listen(const QHostAddress& address, quint16 port)
{
    return m_server->listen(address, port);
}

quint16 MetricsListener::port() const
{
    return m_server->serverPort();
}

void MetricsListener::accepted()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        if (m_open >= kMaxConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++m_open;
        socket->setReadBufferSize(kMaxHead);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this] { --m_open; });
        QTimer::singleShot(kTimeoutMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
    }
}

void MetricsListener::readFrom(QTcpSocket* socket)
{
    const QByteArray head = socket->peek(kMaxHead);
    const qsizetype length = web::headLength(head);
    if (length == 0) {
        if (head.size() >= kMaxHead)
            answer(socket, 431, "Request header too large\n");
        return;
    }
    const std::optional<web::HttpRequest> request = web::parseHead(QByteArrayView(head).first(length));
    if (!request)
        answer(socket, 400, "Bad request\n");
    else if (request->method != "GET")
        answer(socket, 405, "Method not allowed\n");
    else if (request->target != "/metrics")
        answer(socket, 404, "Not found\n");
    else
        answer(socket, 200, m_body());
}

void MetricsListener::answer(QTcpSocket* socket, int status, const QByteArray& body)
{
    socket->disconnect(this);
    const QByteArray type =
        status == 200 ? "text/plain; version=0.0.4; charset=utf-8" : "text/plain; charset=utf-8";
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Error") + "\r\n";
    reply += "Content-Type: " + type + "\r\nContent-Length: " + QByteArray::number(body.size()) +
             "\r\nConnection: close\r\n\r\n" + body;
    socket->write(reply);
    socket->disconnectFromHost();
    connect(socket, &QObject::destroyed, this, [this] { --m_open; });
}

} // namespace pictova::serverapp
