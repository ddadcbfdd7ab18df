#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QSslKey>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

class QTcpServer;
class QTcpSocket;
class QWebSocket;
class QWebSocketServer;

namespace pictova::web {
struct GameInfo;
struct HttpRequest;
} // namespace pictova::web

namespace pictova {

// The certificate chain and key the web port serves https and wss with; empty: plain http.
struct WebTls
{
    QList<QSslCertificate> chain;
    QSslKey key;

    bool isSet() const { return !chain.isEmpty() && !key.isNull(); }
    // Reads PEM files; the reason, in one line, when they will not do.
    static std::optional<WebTls> load(const QString& certFile, const QString& keyFile, QString* error);
};

// The web port: serves the embedded web client over HTTP/1.1 (GET and HEAD only) and hands
// the browser's WebSocket connections at "/ws" on as players' connections. Every peer's bytes
// are untrusted: a request head is at most web::kMaxHeadBytes and must be complete within
// kHeadTimeoutMs of the connection's last answer (or its start); one address holds at most
// kMaxPerAddress connections that are not yet WebSockets.
class WebListener : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxPerAddress = 32;
    static constexpr qint64 kHeadTimeoutMs = 10000;
    // A browser's own message to the server is one message of the game's text protocol; the
    // same cap as on the game port.
    static constexpr qsizetype kMaxMessageBytes = 64 * 1024;

    using Clock = std::function<qint64()>;

    explicit WebListener(QObject* parent = nullptr);
    ~WebListener() override;

    // Throws ESockException("Listen - Error Binding Socket") when the port is taken.
    void listen(const QHostAddress& address, quint16 port, const WebTls& tls = {});
    void stop();
    quint16 port() const;
    bool secure() const { return m_tls.isSet(); }

    // The clock of the head deadline (milliseconds, never going back); with manual set, only
    // checkDeadlines() closes late connections (tests).
    void setClock(Clock clock) { m_clock = std::move(clock); }
    void setManual(bool manual);
    void checkDeadlines();
    // Connections still speaking HTTP.
    int httpConnections() const { return static_cast<int>(m_connections.size()); }
    // What "/game.json" tells of the game, read at each request; without it that path is 404.
    void setGameInfo(std::function<web::GameInfo()> source) { m_gameInfo = std::move(source); }

signals:
    // A WebSocket from the page's own origin has opened; the receiver takes it.
    void webSocketConnected(QWebSocket* socket);

private:
    struct Connection;
    void accepted();
    void readFrom(QTcpSocket* socket);
    // Answers one complete request; returns whether the connection stays for another.
    bool answer(QTcpSocket* socket, const web::HttpRequest& request);
    void respond(QTcpSocket* socket, int status, const QByteArray& contentType, const QByteArray& body,
                 bool withBody, bool keepAlive, const QByteArray& cacheControl = "no-cache");
    void closeConnection(QTcpSocket* socket);
    void upgrade(QTcpSocket* socket);
    qint64 now() const { return m_clock(); }

    QTcpServer* m_server = nullptr;
    std::unique_ptr<QWebSocketServer> m_webSockets;
    WebTls m_tls;
    Clock m_clock;
    std::function<web::GameInfo()> m_gameInfo;
    QTimer m_deadlines;
    bool m_manual = false;
    std::map<QTcpSocket*, std::unique_ptr<Connection>> m_connections;
};

// The links a player types or scans to reach a web port listening on `listen`: each address of
// this machine's interfaces that are up (not the loopback unless there is nothing else), or the
// one address listened on.
QStringList webLinks(const QHostAddress& listen, quint16 port, bool secure);

} // namespace pictova
