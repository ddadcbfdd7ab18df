#include "web/weblistener.h"

#include "messaging/errors.h"
#include "messaging/keepaccepting.h"
#include "messaging/tsock.h"
#include "web/httprequest.h"
#include "web/webfiles.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QNetworkInterface>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>

#include <sys/socket.h>

namespace pictova {

namespace {
// What a connection may have read and not yet answered: a head and a little more. Past it the
// system holds the peer's bytes, and TCP makes the peer wait.
constexpr qint64 kHttpReadBuffer = 2 * web::kMaxHeadBytes;
// A WebSocket's read buffer: its connection takes whatever arrives as it arrives, so this only
// bounds one read. One TLS record fits.
constexpr qint64 kWebSocketReadBuffer = 16 * 1024;
// A closing connection gets this long to hand its last bytes over.
constexpr int kCloseCapMs = 10000;

// Accepted sockets are the listener's own: QSslSocket when the port serves https, so the TLS
// handshake counts against the same deadline and the same per-address cap as any request.
class SocketServer : public QTcpServer
{
public:
    SocketServer(bool secure, QObject* parent) : QTcpServer(parent), m_secure(secure) {}

protected:
    void incomingConnection(qintptr handle) override
    {
        QTcpSocket* socket = m_secure ? new QSslSocket(this) : new QTcpSocket(this);
        if (!socket->setSocketDescriptor(handle)) {
            delete socket;
            return;
        }
        addPendingConnection(socket);
    }

private:
    bool m_secure;
};

// The page runs only its own scripts and talks only to its own server.
constexpr char kSecurityHeaders[] = "Content-Security-Policy: default-src 'self'\r\n"
                                    "X-Content-Type-Options: nosniff\r\n"
                                    "Referrer-Policy: no-referrer\r\n";

// What proves to the browser that this server read its WebSocket opening.
QByteArray acceptValue(const QByteArray& key)
{
    return QCryptographicHash::hash(key + "258EAFA5-E914-47DA-95CA-C5AB0DC85B11", QCryptographicHash::Sha1)
        .toBase64();
}

QByteArray statusText(int status)
{
    switch (status) {
    case 101:
        return "Switching Protocols";
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 426:
        return "Upgrade Required";
    case 431:
        return "Request Header Fields Too Large";
    default:
        return "Error";
    }
}
} // namespace

std::optional<WebTls> WebTls::load(const QString& certFile, const QString& keyFile, QString* error)
{
    WebTls tls;
    QFile cert(certFile);
    if (!cert.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read the certificate \"%1\"").arg(certFile);
        return std::nullopt;
    }
    tls.chain = QSslCertificate::fromData(cert.readAll(), QSsl::Pem);
    if (tls.chain.isEmpty()) {
        *error = QStringLiteral("no PEM certificate in \"%1\"").arg(certFile);
        return std::nullopt;
    }
    QFile key(keyFile);
    if (!key.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read the key \"%1\"").arg(keyFile);
        return std::nullopt;
    }
    const QByteArray keyBytes = key.readAll();
    for (const QSsl::KeyAlgorithm algorithm : {QSsl::Rsa, QSsl::Ec, QSsl::Dsa}) {
        tls.key = QSslKey(keyBytes, algorithm, QSsl::Pem);
        if (!tls.key.isNull())
            break;
    }
    if (tls.key.isNull()) {
        *error = QStringLiteral("no unencrypted PEM key in \"%1\"").arg(keyFile);
        return std::nullopt;
    }
    if (!QSslSocket::supportsSsl()) {
        *error = QStringLiteral("this system has no TLS library");
        return std::nullopt;
    }
    return tls;
}

struct WebListener::Connection
{
    QString address;
    qint64 waitingSince = 0; // on the listener's clock: since its start or its last answer
};

WebListener::WebListener(QObject* parent) : QObject(parent)
{
    m_clock = [] {
        static QElapsedTimer clock = [] {
            QElapsedTimer started;
            started.start();
            return started;
        }();
        return clock.elapsed();
    };
    m_deadlines.setInterval(1000);
    connect(&m_deadlines, &QTimer::timeout, this, &WebListener::checkDeadlines);
}

WebListener::~WebListener()
{
    for (auto& [socket, connection] : m_connections) {
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
}

void WebListener::listen(const QHostAddress& address, quint16 port, const WebTls& tls)
{
    m_tls = tls;
    auto server = std::make_unique<SocketServer>(tls.isSet(), this);
    if (!server->listen(address, port))
        throw ESockException(QStringLiteral("Listen - Error Binding Socket"));
    m_server = server.release();
    keepAccepting(m_server);
    connect(m_server, &QTcpServer::newConnection, this, &WebListener::accepted);
}

void WebListener::stop()
{
    if (m_server) {
        m_server->close();
        m_server->deleteLater();
        m_server = nullptr;
    }
}

quint16 WebListener::port() const
{
    return m_server ? m_server->serverPort() : 0;
}

void WebListener::setManual(bool manual)
{
    m_manual = manual;
    if (manual)
        m_deadlines.stop();
    else if (!m_connections.empty())
        m_deadlines.start();
}

void WebListener::accepted()
{
    while (m_server && m_server->hasPendingConnections()) {
        QTcpSocket* socket = m_server->nextPendingConnection();
        const QString address = socket->peerAddress().toString();
        int held = 0;
        for (const auto& [other, connection] : m_connections)
            held += connection->address == address ? 1 : 0;
        if (held >= kMaxPerAddress) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        socket->setParent(this);
        socket->setReadBufferSize(kHttpReadBuffer);
        m_connections.emplace(socket, std::make_unique<Connection>(Connection{address, now()}));
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        // Queued: flushing an answer reports its bytes written from inside the answer.
        connect(
            socket, &QTcpSocket::bytesWritten, socket, [this, socket] { readFrom(socket); },
            Qt::QueuedConnection);
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] { closeConnection(socket); });
        connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] { closeConnection(socket); });
        if (auto* secure = qobject_cast<QSslSocket*>(socket)) {
            secure->setLocalCertificateChain(m_tls.chain);
            secure->setPrivateKey(m_tls.key);
            secure->setProtocol(QSsl::TlsV1_2OrLater);
            secure->setPeerVerifyMode(QSslSocket::VerifyNone);
            secure->startServerEncryption();
        }
        if (!m_manual && !m_deadlines.isActive())
            m_deadlines.start();
    }
}

void WebListener::checkDeadlines()
{
    const qint64 time = now();
    QList<QTcpSocket*> late;
    for (const auto& [socket, connection] : m_connections)
        if (time - connection->waitingSince >= kHeadTimeoutMs)
            late << socket;
    for (QTcpSocket* socket : late)
        closeConnection(socket);
    if (m_connections.empty())
        m_deadlines.stop();
}

void WebListener::readFrom(QTcpSocket* socket)
{
    auto it = m_connections.find(socket);
    if (it == m_connections.end())
        return;
    // One answer at a time: the next request is read once the last answer has left, so a peer
    // that asks without reading holds one answer here, not a pile of them.
    while (socket->bytesToWrite() == 0 && socket->bytesAvailable() > 0) {
        const QByteArray head = socket->peek(std::min<qint64>(socket->bytesAvailable(), web::kMaxHeadBytes));
        const qsizetype length = web::headLength(head);
        if (length == 0) {
            if (head.size() >= web::kMaxHeadBytes) {
                respond(socket, 431, "text/plain; charset=utf-8", "Request header too large\n", true, false);
                closeConnection(socket);
            }
            return;
        }
        const std::optional<web::HttpRequest> request = web::parseHead(QByteArrayView(head).first(length));
        if (!request) {
            respond(socket, 400, "text/plain; charset=utf-8", "Bad request\n", true, false);
            closeConnection(socket);
            return;
        }
        const QByteArrayView path =
            QByteArrayView(request->target)
                .first(request->target.contains('?') ? request->target.indexOf('?') : request->target.size());
        if (path == "/ws" && request->headerHasToken("upgrade", "websocket")) {
            // Any page may open a WebSocket to any server: only the game's own page may play.
            if (request->method != "GET" ||
                !web::sameOrigin(request->header("origin"), request->header("host"), secure())) {
                respond(socket, 403, "text/plain; charset=utf-8", "Forbidden\n", true, false);
                closeConnection(socket);
                return;
            }
            upgrade(socket, *request, length);
            return;
        }
        socket->skip(length);
        if (!answer(socket, *request)) {
            closeConnection(socket);
            return;
        }
        it->second->waitingSince = now();
    }
}

bool WebListener::answer(QTcpSocket* socket, const web::HttpRequest& request)
{
    const bool get = request.method == "GET";
    if (!get && request.method != "HEAD") {
        respond(socket, 405, "text/plain; charset=utf-8", "Method not allowed\n", true, false);
        return false;
    }
    // A body is never read: a request that comes with one cannot be told from the next.
    const QByteArray length = request.header("content-length");
    if ((!length.isEmpty() && length != "0") || request.hasHeader("transfer-encoding")) {
        respond(socket, 400, "text/plain; charset=utf-8", "Bad request\n", get, false);
        return false;
    }
    const bool keepAlive = request.keepAlive();
    const std::optional<QString> name = web::fileNameOf(request.target);
    if (name == QLatin1String("game.json") && m_gameInfo) {
        // Seats change from one moment to the next: never kept.
        respond(socket, 200, "application/json", web::gameInfoJson(m_gameInfo()), get, keepAlive, "no-store");
        return keepAlive;
    }
    const web::WebFiles::File* file = name ? web::WebFiles::embedded().find(*name) : nullptr;
    if (!file) {
        respond(socket, 404, "text/plain; charset=utf-8", "Not found\n", get, keepAlive);
        return keepAlive;
    }
    respond(socket, 200, file->contentType, file->body, get, keepAlive);
    return keepAlive;
}

void WebListener::respond(QTcpSocket* socket, int status, const QByteArray& contentType,
                          const QByteArray& body, bool withBody, bool keepAlive,
                          const QByteArray& cacheControl)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + statusText(status) + "\r\n";
    head += "Content-Type: " + contentType + "\r\n";
    head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    head += kSecurityHeaders;
    head += "Cache-Control: " + cacheControl + "\r\n";
    if (status == 405)
        head += "Allow: GET, HEAD\r\n";
    if (status == 426)
        head += "Sec-WebSocket-Version: 13\r\n";
    head += keepAlive ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
    socket->write(withBody ? head + body : head);
    socket->flush();
}

void WebListener::closeConnection(QTcpSocket* socket)
{
    if (m_connections.erase(socket) == 0)
        return;
    socket->disconnect(this);
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
        return;
    }
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kCloseCapMs, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
}

void WebListener::upgrade(QTcpSocket* socket, const web::HttpRequest& request, qsizetype headLength)
{
    const QByteArray key = request.header("sec-websocket-key");
    const auto nonce = QByteArray::fromBase64Encoding(key, QByteArray::AbortOnBase64DecodingErrors);
    if (request.minorVersion < 1 || !request.headerHasToken("connection", "upgrade") || !nonce ||
        nonce.decoded.size() != 16) {
        respond(socket, 400, "text/plain; charset=utf-8", "Bad request\n", true, false);
        closeConnection(socket);
        return;
    }
    if (request.header("sec-websocket-version") != "13") {
        respond(socket, 426, "text/plain; charset=utf-8", "Upgrade required\n", true, false);
        closeConnection(socket);
        return;
    }
    socket->skip(headLength);
    m_connections.erase(socket);
    socket->disconnect(this);
    socket->setParent(nullptr);
    socket->setReadBufferSize(kWebSocketReadBuffer);
    enableQuickKeepAlive(socket);
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    // No extension and no subprotocol is agreed: the game's messages go as plain text frames.
    QByteArray head = "HTTP/1.1 101 Switching Protocols\r\n"
                      "Upgrade: websocket\r\n"
                      "Connection: Upgrade\r\n"
                      "Sec-WebSocket-Accept: " +
                      acceptValue(key) + "\r\n";
    head += kSecurityHeaders;
    head += "\r\n";
    writeNow(socket, head);
    emit webSocketConnected(socket);
}

void writeNow(QTcpSocket* socket, QByteArrayView bytes)
{
    qsizetype written = 0;
    const bool plain = !qobject_cast<QSslSocket*>(socket);
    if (plain && socket->bytesToWrite() == 0 && socket->socketDescriptor() >= 0) {
        const ssize_t sent = ::send(static_cast<int>(socket->socketDescriptor()), bytes.data(),
                                    static_cast<size_t>(bytes.size()), MSG_DONTWAIT | MSG_NOSIGNAL);
        written = sent > 0 ? sent : 0;
    }
    if (written < bytes.size()) {
        socket->write(bytes.data() + written, bytes.size() - written);
        if (!plain)
            socket->flush();
    }
}

QStringList webLinks(const QHostAddress& listen, quint16 port, bool secure)
{
    QList<QHostAddress> addresses;
    if (listen == QHostAddress::AnyIPv4 || listen == QHostAddress::Any) {
        for (const QHostAddress& address : QNetworkInterface::allAddresses())
            if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
                addresses << address;
        if (addresses.isEmpty())
            addresses << QHostAddress(QHostAddress::LocalHost);
    } else {
        addresses << listen;
    }
    QStringList links;
    for (const QHostAddress& address : addresses) {
        const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                                 ? QStringLiteral("[%1]").arg(address.toString())
                                 : address.toString();
        links << QStringLiteral("%1://%2:%3/")
                     .arg(secure ? QStringLiteral("https") : QStringLiteral("http"), host)
                     .arg(port);
    }
    return links;
}

} // namespace pictova
