#include "lan/gamebrowser.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTcpSocket>
#include <algorithm>
#include <memory>
#include <utility>

namespace pictova::lan {

namespace {

// Datagrams read per wake-up: a flood must not hold the event loop (and the window) for long.
constexpr int kMaxDatagramsPerRead = 64;

qint64 monotonicMs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.elapsed();
}

} // namespace

GameBrowser::GameBrowser(QObject* parent) : QObject(parent), m_clock(monotonicMs), m_probe(probeByConnecting)
{
    m_expiryTimer.setInterval(kExpiryCheckMs);
    connect(&m_expiryTimer, &QTimer::timeout, this, &GameBrowser::expire);
    connect(&m_socket, &QUdpSocket::readyRead, this, &GameBrowser::readPending);
}

bool GameBrowser::start()
{
    return start(kGroupAddress, kGroupPort);
}

bool GameBrowser::start(const QHostAddress& address, quint16 port)
{
    stop();
    m_error.clear();
    const bool multicast = address.isMulticast();
    const QList<QNetworkInterface> interfaces = multicast ? lanInterfaces() : QList<QNetworkInterface>();
    if (multicast && interfaces.isEmpty()) {
        m_error = qEnvironmentVariableIsEmpty(kInterfaceVariable)
                      ? tr("No network interface can receive games on the local network.")
                      : tr("No network interface matches %1=%2.")
                            .arg(QLatin1String(kInterfaceVariable), qEnvironmentVariable(kInterfaceVariable));
        return false;
    }
    // Every copy on this machine listens on the same port; the group's datagrams reach them all.
    const QHostAddress bindAddress = multicast ? QHostAddress(QHostAddress::AnyIPv4) : address;
    if (!m_socket.bind(bindAddress, port, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
        m_error = m_socket.errorString();
        return false;
    }
    int joined = 0;
    for (const QNetworkInterface& networkInterface : interfaces)
        joined += m_socket.joinMulticastGroup(address, networkInterface);
    if (multicast && joined == 0) {
        m_error = tr("Could not join the local-network group: %1").arg(m_socket.errorString());
        m_socket.close();
        return false;
    }
    m_expiryTimer.start();
    return true;
}

void GameBrowser::stop()
{
    m_expiryTimer.stop();
    m_socket.close();
    m_senders.clear();
    m_refused.clear();
    // Nothing is heard any more, so nothing listed can be trusted to be there.
    if (!m_games.isEmpty()) {
        m_games.clear();
        emit gamesChanged();
    }
}

QList<FoundGame> GameBrowser::games() const
{
    QList<FoundGame> games;
    games.reserve(m_games.size());
    for (const Listed& listed : m_games)
        games.append(listed.game);
    std::sort(games.begin(), games.end(), [](const FoundGame& a, const FoundGame& b) {
        if (const int byName = a.hostName.compare(b.hostName, Qt::CaseInsensitive))
            return byName < 0;
        if (a.address != b.address)
            return a.address.toString() < b.address.toString();
        return a.port < b.port;
    });
    return games;
}

void GameBrowser::setClock(Clock clock)
{
    m_clock = std::move(clock);
}

void GameBrowser::expire()
{
    const qint64 now = m_clock();
    bool removed = false;
    for (auto it = m_games.begin(); it != m_games.end();) {
        if (now - it->lastHeardMs > kExpiryMs) {
            it = m_games.erase(it);
            removed = true;
        } else {
            ++it;
        }
    }
    forgetQuietSenders(now);
    if (removed)
        emit gamesChanged();
}

void GameBrowser::receive(const QByteArray& datagram, const QHostAddress& sender)
{
    const qint64 now = m_clock();
    if (sender.isNull() || !admitFrom(sender, now))
        return;
    const std::optional<Announcement> announcement = parseAnnouncement(datagram);
    if (!announcement)
        return;
    const FoundGame game{announcement->hostName,  sender,
                         announcement->port,      announcement->players,
                         announcement->freeSeats, announcement->running,
                         announcement->version};
    const Key key{sender, announcement->port};
    const auto found = m_games.find(key);
    if (found == m_games.end()) {
        if (m_games.size() >= kMaxGames && !makeRoom(key, now))
            return;
        m_games.insert(key, Listed{game, now});
        emit gamesChanged();
        tryPorts();
        return;
    }
    found->lastHeardMs = now;
    if (found->game != game) {
        found->game = game;
        emit gamesChanged();
    }
}

bool GameBrowser::makeRoom(const Key& key, qint64 now)
{
    for (auto it = m_refused.begin(); it != m_refused.end();)
        it = now - it.value() >= kRefusedMemoryMs ? m_refused.erase(it) : std::next(it);
    if (m_refused.contains(key))
        return false;
    auto victim = m_games.end();
    for (auto it = m_games.begin(); it != m_games.end(); ++it) {
        if (it->port == PortState::Refused) {
            victim = it;
            break;
        }
        if (it->port != PortState::Answered &&
            (victim == m_games.end() || it->lastHeardMs < victim->lastHeardMs))
            victim = it;
    }
    if (victim == m_games.end())
        victim = std::min_element(m_games.begin(), m_games.end(), [](const Listed& a, const Listed& b) {
            return a.lastHeardMs < b.lastHeardMs;
        });
    if (victim == m_games.end())
        return false;
    m_games.erase(victim);
    return true;
}

void GameBrowser::tryPorts()
{
    // Only a full list needs to know: nobody's game is knocked on otherwise.
    if (m_games.size() < kMaxGames)
        return;
    for (auto it = m_games.begin(); it != m_games.end() && m_probing < kMaxProbes; ++it) {
        if (it->port != PortState::Untried)
            continue;
        it->port = PortState::Trying;
        ++m_probing;
        const Key key = it.key();
        m_probe(key.first, key.second, [self = QPointer<GameBrowser>(this), key](PortAnswer answer) {
            if (self)
                self->tried(key, answer);
        });
    }
}

void GameBrowser::tried(const Key& key, PortAnswer answer)
{
    --m_probing;
    if (answer == PortAnswer::Refused && m_refused.size() < kMaxSenders)
        m_refused.insert(key, m_clock());
    const auto found = m_games.find(key);
    if (found != m_games.end() && found->port == PortState::Trying)
        found->port = answer == PortAnswer::Accepted  ? PortState::Answered
                      : answer == PortAnswer::Refused ? PortState::Refused
                                                      : PortState::Silent;
    tryPorts();
}

void GameBrowser::probeByConnecting(const QHostAddress& address, quint16 port,
                                    std::function<void(PortAnswer)> done)
{
    auto* socket = new QTcpSocket;
    auto answered = std::make_shared<bool>(false);
    auto finish = [socket, answered, done](PortAnswer answer) {
        if (std::exchange(*answered, true))
            return;
        done(answer);
        socket->abort();
        socket->deleteLater();
    };
    QObject::connect(socket, &QTcpSocket::connected, socket, [finish] { finish(PortAnswer::Accepted); });
    QObject::connect(socket, &QTcpSocket::errorOccurred, socket,
                     [finish](QAbstractSocket::SocketError error) {
                         finish(error == QAbstractSocket::ConnectionRefusedError ? PortAnswer::Refused
                                                                                 : PortAnswer::Silent);
                     });
    QTimer::singleShot(kProbeTimeoutMs, socket, [finish] { finish(PortAnswer::Silent); });
    socket->connectToHost(address, port);
}

void GameBrowser::readPending()
{
    QByteArray buffer(kMaxDatagramSize, Qt::Uninitialized);
    for (int n = 0; n < kMaxDatagramsPerRead && m_socket.hasPendingDatagrams(); ++n) {
        QHostAddress sender;
        const qint64 size = m_socket.pendingDatagramSize();
        if (size < 0 || size > kMaxDatagramSize) {
            // Dropped unread, but it still counts against its sender.
            m_socket.readDatagram(nullptr, 0, &sender);
            if (!sender.isNull())
                admitFrom(sender, m_clock());
            continue;
        }
        const qint64 read = m_socket.readDatagram(buffer.data(), kMaxDatagramSize, &sender);
        if (read < 0)
            break;
        receive(buffer.first(read), sender);
    }
}

bool GameBrowser::admitFrom(const QHostAddress& sender, qint64 now)
{
    auto window = m_senders.find(sender);
    if (window == m_senders.end()) {
        if (m_senders.size() >= kMaxSenders)
            forgetQuietSenders(now);
        if (m_senders.size() >= kMaxSenders)
            return false;
        window = m_senders.insert(sender, SenderWindow{now, 0});
    } else if (now - window->startMs >= kRateWindowMs) {
        *window = SenderWindow{now, 0};
    }
    return ++window->datagrams <= kMaxDatagramsPerSecond;
}

void GameBrowser::forgetQuietSenders(qint64 now)
{
    for (auto it = m_senders.begin(); it != m_senders.end();)
        it = now - it->startMs >= kRateWindowMs ? m_senders.erase(it) : std::next(it);
}

} // namespace pictova::lan
