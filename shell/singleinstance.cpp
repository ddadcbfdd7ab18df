#include "shell/singleinstance.h"

#include <QDir>
#include <QLocalSocket>

namespace pictova {

namespace {

const QByteArray kRaiseRequest = "raise\n";
constexpr int kHandshakeMs = 2000;

} // namespace

SingleInstance::SingleInstance(QObject* parent, const QString& runtimeFolder)
    : QObject(parent), m_folder(runtimeFolder.isEmpty() ? defaultRuntimeFolder() : runtimeFolder)
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultRuntimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

QString SingleInstance::lockPath() const
{
    return QDir(m_folder).filePath(QStringLiteral("kavrel.lock"));
}

QString SingleInstance::socketPath() const
{
    return QDir(m_folder).filePath(QStringLiteral("kavrel.socket"));
}

bool SingleInstance::acquire()
{
    if (m_lock)
        return true;
    auto lock = std::make_unique<QLockFile>(lockPath());
    // Only a live holder counts: a copy that crashed leaves a lock whose process is gone, and
    // QLockFile takes that over. No age limit, since a game may run for days.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() == QLockFile::LockFailedError) {
            askFirstToRaise();
            return false;
        }
        // The folder cannot hold a lock at all: better a second copy than no game.
        return true;
    }
    m_lock = std::move(lock);

    m_marker = std::make_unique<QLockFile>(QDir(m_folder).filePath(QStringLiteral("pictova.lock")));
    m_marker->setStaleLockTime(0);
    m_marker->tryLock(0);

    serveRaiseRequests();
    return true;
}

void SingleInstance::serveRaiseRequests()
{
    // We hold the lock, so a socket file still there was left by a copy that crashed.
    QLocalServer::removeServer(socketPath());
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(socketPath()))
        return;
    connect(m_server.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->bytesAvailable() < kRaiseRequest.size())
                    return;
                // Whatever connects here gets a few bytes' worth of attention and no more.
                const QByteArray request = socket->read(kRaiseRequest.size());
                if (request == kRaiseRequest)
                    emit raiseRequested();
                socket->disconnectFromServer();
            });
        }
    });
}

bool SingleInstance::askFirstToRaise() const
{
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(kHandshakeMs))
        return false;
    socket.write(kRaiseRequest);
    const bool sent = socket.waitForBytesWritten(kHandshakeMs);
    socket.disconnectFromServer();
    return sent;
}

} // namespace pictova
