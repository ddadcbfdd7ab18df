#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <functional>
#include <map>

class QTcpServer;
class QTcpSocket;

namespace pictova::serverapp {

// The operators' metrics on a port of their own (--metrics ADDRESS:PORT): HTTP GET /metrics only,
// answered with the Prometheus text `body` gives, then the connection closes. Anything else is
// refused; a request head is at most kMaxHead bytes and must come within kTimeoutMs, and at most
// kMaxConnections are open at once, so a scraper gone wrong costs the game nothing.
class MetricsListener : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxHead = 4096;
    static constexpr int kTimeoutMs = 5000;
    static constexpr int kMaxConnections = 16;

    MetricsListener(std::function<QByteArray()> body, QObject* parent = nullptr);
    bool listen(const QHostAddress& address, quint16 port);
    quint16 port() const;

private:
    void accepted();
    void readFrom(QTcpSocket* socket);
    void answer(QTcpSocket* socket, int status, const QByteArray& body);

    std::function<QByteArray()> m_body;
    QTcpServer* m_server = nullptr;
    int m_open = 0;
};

} // namespace pictova::serverapp
