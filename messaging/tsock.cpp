#include "messaging/tsock.h"

#include "messaging/keepaccepting.h"

#include <QElapsedTimer>
#include <QHash>
#include <QHostInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <atomic>
#include <memory>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace pictova {

namespace {
constexpr qint64 kReadChunk = 32768;
// What a peer may have waiting in the system before we read it; beyond that TCP pushes back.
constexpr qint64 kReadBufferLimit = 256 * 1024;
// How much Qt's socket is given at a time to write on its own.
constexpr qint64 kHandOverChunk = 64 * 1024;

QHash<QString, QHostAddress>& nameCache()
{
    static QHash<QString, QHostAddress> cache;
    return cache;
}
// Rooms run on threads of their own, and their connections drain there.
std::atomic<int> g_resolverCalls = 0;
std::atomic<int> g_draining = 0;

struct WinsockError
{
    int code;
    const char* name;
};

WinsockError winsockError(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return {10061, "WSAECONNREFUSED"};
    case QAbstractSocket::RemoteHostClosedError:
        return {10054, "WSAECONNRESET"};
    case QAbstractSocket::HostNotFoundError:
        return {11001, "WSAHOST_NOT_FOUND"};
    case QAbstractSocket::SocketTimeoutError:
        return {10060, "WSAETIMEDOUT"};
    case QAbstractSocket::NetworkError:
        return {10065, "WSAEHOSTUNREACH"};
    case QAbstractSocket::AddressInUseError:
        return {10048, "WSAEADDRINUSE"};
    case QAbstractSocket::SocketAccessError:
        return {10013, "WSAEACCES"};
    case QAbstractSocket::SocketResourceError:
        return {10055, "WSAENOBUFS"};
    default:
        return {10000 + static_cast<int>(error) + 1000, nullptr};
    }
}

// Messages are small and each is wanted at once. Nagle's algorithm would hold a message back
// until the peer acknowledged the one before, which a delayed acknowledgement makes tens of
// milliseconds: a stroke or a guess would reach the others late.
void sendWithoutDelay(QTcpSocket* socket)
{
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
}
} // namespace

void enableQuickKeepAlive(QTcpSocket* socket)
{
    socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    const qintptr fd = socket->socketDescriptor();
    if (fd < 0)
        return;
    const int idle = 30, interval = 10, count = 3;
    ::setsockopt(static_cast<int>(fd), IPPROTO_TCP, TCP_KEEPIDLE, &idle, sizeof idle);
    ::setsockopt(static_cast<int>(fd), IPPROTO_TCP, TCP_KEEPINTVL, &interval, sizeof interval);
    ::setsockopt(static_cast<int>(fd), IPPROTO_TCP, TCP_KEEPCNT, &count, sizeof count);
    // Probes go out only while nothing waits to be sent. A peer that vanished while messages were
    // on their way to it (any game in progress) would otherwise keep its seat for the whole
    // retransmission schedule, a quarter of an hour; the same minute bounds unacknowledged data.
    const unsigned int unacknowledgedMs = (idle + interval * count) * 1000;
    ::setsockopt(static_cast<int>(fd), IPPROTO_TCP, TCP_USER_TIMEOUT, &unacknowledgedMs,
                 sizeof unacknowledgedMs);
}

TSock::TSock(QObject* parent) : QObject(parent) {}

TSock::~TSock()
{
    // A component destroyed while connected is closed first, with its report; nobody listens by
    // then except handlers that outlive it, so the signals are blocked.
    blockSignals(true);
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
        delete m_socket;
    }
    delete m_server;
}

void TSock::clearNameCache()
{
    nameCache().clear();
    g_resolverCalls = 0;
}

int TSock::resolverCalls()
{
    return g_resolverCalls;
}

int TSock::drainingCount()
{
    return g_draining;
}

void whenClosedSocketsDrained(QObject* context, int capMs, std::function<void()> then)
{
    auto* poll = new QTimer(context);
    auto waited = std::make_shared<QElapsedTimer>();
    waited->start();
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, context, [poll, waited, capMs, then = std::move(then)] {
        if (TSock::drainingCount() > 0 && waited->elapsed() < capMs)
            return;
        poll->stop();
        poll->deleteLater();
        then();
    });
    poll->start();
}

quint16 TSock::resolvePort() const
{
    if (!PortName.isEmpty() && PortName[0].isDigit()) {
        bool ok = false;
        const uint port = PortName.toUInt(&ok);
        if (ok && port <= 65535)
            return static_cast<quint16>(port);
    }
    throw ESockException(QStringLiteral("Port Lookup - Could Not Find Service Entry"));
}

QHostAddress TSock::resolveHost()
{
    if (HostName.isEmpty())
        return QHostAddress(QHostAddress::Any);
    // A name that starts with a digit is a dotted address and never goes to the resolver.
    if (HostName[0].isDigit()) {
        QHostAddress address;
        if (address.setAddress(HostName))
            return address;
        throw ESockException(QStringLiteral("Host Lookup - Could Not Find Host Entry"));
    }
    auto cached = nameCache().constFind(HostName);
    if (cached != nameCache().constEnd())
        return *cached;
    ++g_resolverCalls;
    const QHostInfo info = QHostInfo::fromName(HostName);
    for (const QHostAddress& address : info.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol) {
            nameCache().insert(HostName, address);
            return address;
        }
    }
    throw ESockException(QStringLiteral("Host Lookup - Could Not Find Host Entry"));
}

bool TSock::open()
{
    if (holdsSocket())
        return m_connected;
    report(SocketInfo::Notice, QStringLiteral("Lookup Of Port ") + PortName);
    const quint16 port = resolvePort();
    report(SocketInfo::Notice, QStringLiteral("Lookup Of Host ") + HostName);
    const QHostAddress address = resolveHost();
    auto* socket = new QTcpSocket(this);
    adopt(socket);
    connect(socket, &QTcpSocket::connected, this, [this] {
        m_connected = true;
        enableQuickKeepAlive(m_socket);
        sendWithoutDelay(m_socket);
        flushPending();
        report(SocketInfo::Connected, QStringLiteral("Non-Blocking Socket Connected"));
        emit onConnect(this);
    });
    socket->connectToHost(address, port);
    return false;
}

void TSock::adopt(QTcpSocket* socket)
{
    m_socket = socket;
    socket->setReadBufferSize(kReadBufferLimit);
    connect(socket, &QTcpSocket::readyRead, this, &TSock::readArrived);
    connect(socket, &QTcpSocket::disconnected, this, &TSock::peerClosed);
    connect(socket, &QTcpSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError error) { socketError(static_cast<int>(error)); });
    connect(socket, &QTcpSocket::bytesWritten, this, [this](qint64) {
        handOver();
        if (m_socket && m_socket->bytesToWrite() == 0)
            emit onWrite(this);
    });
}

void TSock::setListen(bool listen)
{
    if (!listen) {
        if (m_server) {
            m_server->close();
            delete m_server;
            m_server = nullptr;
            report(SocketInfo::Listening, QStringLiteral("Listening Stopped"));
        }
        return;
    }
    if (m_server) {
        report(SocketInfo::Listening, QStringLiteral("Listening Already Running"));
        return;
    }
    if (m_socket)
        throw ESockException(QStringLiteral("Listen - Socket Already In Use"));
    const quint16 port = resolvePort();
    auto server = std::make_unique<QTcpServer>();
    if (!server->listen(ListenAddress, port))
        throw ESockException(QStringLiteral("Listen - Error Binding Socket"));
    m_server = server.release();
    keepAccepting(m_server);
    connect(m_server, &QTcpServer::newConnection, this, [this] { emit onAccept(this); });
    report(SocketInfo::Listening, QStringLiteral("Listening Started"));
}

TSock* TSock::accept(QObject* parent)
{
    if (!m_server)
        throw ESockException(QStringLiteral("Accept - Socket Not In Listening Mode"));
    QTcpSocket* socket = m_server->nextPendingConnection();
    if (!socket) {
        report(SocketInfo::Accept, QStringLiteral("Could Not Accept Connection"));
        return nullptr;
    }
    auto* accepted = new TSock(parent);
    socket->setParent(accepted);
    accepted->adopt(socket);
    accepted->m_connected = true;
    accepted->PortName = PortName;
    accepted->HostName = socket->peerAddress().toString();
    accepted->m_peerAddress = accepted->HostName;
    enableQuickKeepAlive(socket);
    sendWithoutDelay(socket);
    m_peerAddress = accepted->HostName;
    report(SocketInfo::Accept, QStringLiteral("Created New TSock Structure"));
    // Bytes that arrived before anyone was listening are picked up on the next turn of the loop.
    if (socket->bytesAvailable() > 0)
        QMetaObject::invokeMethod(accepted, &TSock::readArrived, Qt::QueuedConnection);
    return accepted;
}

void TSock::send(const QByteArray& bytes)
{
    if (m_server)
        throw ESockException(QStringLiteral("Send - Cannot Send On A Listener Socket"));
    if (!m_socket)
        throw ESockException(QStringLiteral("Send - Socket Not Connected"));
    if (bytes.isEmpty())
        return;
    if (m_socket->state() != QAbstractSocket::ConnectedState) {
        // Not connected yet, or the connect failed: the text waits.
        m_pending.append(bytes);
        return;
    }
    report(SocketInfo::Outgoing, QStringLiteral("Non-Blocking Outgoing Data"));
    // Through Qt's queue alone, a message would wait for the next turn of the event loop and the
    // socket's write notice, and the loop pays two wake-ups for every socket written: a relayed
    // stroke would reach the 14th player after 14 of those. Written at once, it leaves in one
    // system call.
    if (m_unsent.empty()) {
        const qint64 written = writeNow(bytes);
        if (written == bytes.size())
            return;
        m_unsent.push_back(written > 0 ? bytes.mid(written) : bytes);
        m_unsentHeadBegun = written > 0;
    } else {
        m_unsent.push_back(bytes);
    }
    m_unsentBytes += m_unsent.back().size();
    handOver();
}

void TSock::handOver()
{
    if (!m_socket || m_socket->bytesToWrite() > 0)
        return;
    qint64 handed = 0;
    while (!m_unsent.empty() && handed < kHandOverChunk) {
        const QByteArray next = std::move(m_unsent.front());
        m_unsent.pop_front();
        m_unsentBytes -= next.size();
        m_unsentHeadBegun = false;
        handed += next.size();
        m_socket->write(next);
    }
}

void TSock::dropUnsent()
{
    const bool keepHead = m_unsentHeadBegun && !m_unsent.empty();
    QByteArray head = keepHead ? std::move(m_unsent.front()) : QByteArray();
    m_unsent.clear();
    m_unsentBytes = 0;
    if (keepHead) {
        m_unsentBytes = head.size();
        m_unsent.push_back(std::move(head));
    }
}

qint64 TSock::writeNow(const QByteArray& bytes)
{
    // Only with nothing queued before it, or the bytes would overtake what is queued.
    const qintptr fd = m_socket->socketDescriptor();
    if (fd < 0 || m_socket->bytesToWrite() > 0)
        return 0;
    const ssize_t written = ::send(static_cast<int>(fd), bytes.constData(), static_cast<size_t>(bytes.size()),
                                   MSG_DONTWAIT | MSG_NOSIGNAL);
    // A full system buffer or a failed connection: Qt's queue takes the rest and reports.
    return written > 0 ? written : 0;
}

void TSock::flushPending()
{
    if (!m_pending.isEmpty() && m_socket) {
        m_socket->write(m_pending);
        m_pending.clear();
    }
}

QByteArray TSock::receive()
{
    if (m_server)
        throw ESockException(QStringLiteral("Receive - Cannot Receive On A Listener Socket"));
    if (!m_socket && m_incoming.isEmpty())
        throw ESockException(QStringLiteral("Receive - Socket Not Connected"));
    QByteArray taken;
    taken.swap(m_incoming);
    return taken;
}

void TSock::readArrived()
{
    // Each chunk is handed to the reader before the next is taken, so a reader that closes the
    // connection (a peer past its limits) stops the flow at once.
    while (m_socket && m_socket->bytesAvailable() > 0) {
        const QByteArray chunk = m_socket->read(kReadChunk);
        if (chunk.isEmpty())
            break;
        m_incoming.append(chunk);
        report(SocketInfo::Incoming, QStringLiteral("Non-Blocking Incoming Data"));
        emit onRead(this, m_incoming.size());
    }
}

void TSock::peerClosed()
{
    if (m_closing || !m_socket)
        return;
    // Data that came with the close is still delivered.
    readArrived();
    if (!m_socket)
        return;
    emit onDisconnect(this);
    if (m_socket)
        close();
}

void TSock::socketError(int error)
{
    const auto socketError = static_cast<QAbstractSocket::SocketError>(error);
    // A peer's orderly close also arrives as an error; the disconnect path handles it.
    if (socketError == QAbstractSocket::RemoteHostClosedError && m_connected)
        return;
    const WinsockError mapped = winsockError(socketError);
    report(SocketInfo::Error,
           QStringLiteral("Error #%1 (%2)")
               .arg(mapped.code)
               .arg(mapped.name ? QString::fromLatin1(mapped.name) : QStringLiteral("UNKNOWN ERROR")));
}

bool TSock::close()
{
    const bool wasListening = m_server != nullptr;
    bool ok = true;
    if (m_server) {
        m_server->close();
        delete m_server;
        m_server = nullptr;
    }
    if (m_socket) {
        m_closing = true;
        QTcpSocket* socket = m_socket;
        m_socket = nullptr;
        socket->disconnect(this);
        for (const QByteArray& unsent : m_unsent)
            socket->write(unsent);
        m_unsent.clear();
        m_unsentBytes = 0;
        m_unsentHeadBegun = false;
        // An orderly close lets queued bytes (a refusal notice, say) reach the peer first.
        socket->disconnectFromHost();
        if (socket->state() == QAbstractSocket::UnconnectedState) {
            socket->deleteLater();
        } else {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            ++g_draining;
            connect(socket, &QObject::destroyed, [] { --g_draining; });
        }
        // The system socket outlives us only while it drains; never let it linger for ever.
        socket->setParent(nullptr);
        QTimer::singleShot(10000, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        m_closing = false;
    } else if (!wasListening) {
        ok = true;
    }
    m_connected = false;
    if (!wasListening)
        report(SocketInfo::Closed, QStringLiteral("Socket Closed"));
    return ok;
}

quint16 TSock::localPort() const
{
    if (m_server)
        return m_server->serverPort();
    if (m_socket)
        return m_socket->localPort();
    return 0;
}

qsizetype TSock::outgoingSize() const
{
    return m_pending.size() + m_unsentBytes + (m_socket ? m_socket->bytesToWrite() : 0);
}

void TSock::report(SocketInfo kind, const QString& message)
{
    try {
        emit onInfo(this, kind, message);
    } catch (...) {
        throw ESockException(QStringLiteral("Error here"));
    }
}

} // namespace pictova
