#pragma once

#include "lan/announcement.h"
#include "lan/laninterfaces.h"

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>
#include <functional>
#include <utility>

namespace pictova::lan {

// One game found on the local network.
struct FoundGame
{
    QString hostName;     // anyone's text from the network: show it as plain text
    QHostAddress address; // where the announcement came from: the address to connect to
    quint16 port = 0;     // the game's TCP port
    int players = 0;
    int freeSeats = 0;
    bool running = false;
    QString version; // compare with kVersion: a different one will not let us in

    bool operator==(const FoundGame&) const = default;
};

// The games announced on the local network (announcer.h), as a list kept up to date.
//
// Use:
//     GameBrowser browser;
//     connect(&browser, &GameBrowser::gamesChanged, view, [&] { show(browser.games()); });
//     if (!browser.start())
//         show(browser.errorString());
//
// It listens on kGroupPort (shared with other listeners on this machine) in kGroupAddress, joined on
// every interface lanInterfaces() picks. Each datagram is untrusted: only a valid announcement
// (parseAnnouncement()) of at most kMaxDatagramSize bytes counts. A game is known by its sender's
// address and its TCP port; a sender may be heard at most kMaxDatagramsPerSecond times a second
// (the rest is dropped without being parsed), at most kMaxGames games are listed, and a game
// vanishes once more than kExpiryMs have passed since its last announcement. Once the list is
// full, each listed game's port is tried (a TCP connection, closed as soon as it is made), and a
// new game takes the place of one whose port refused, or else of the one heard least recently
// among those not known to answer: senders that fill the list first cannot keep a game that
// starts later out of it. A game whose port refused is not listed again while the list is full,
// for kRefusedMemoryMs.
class GameBrowser : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMaxGames = 64;
    static constexpr int kMaxDatagramsPerSecond = 5;
    static constexpr qint64 kExpiryMs = 6000;
    static constexpr int kExpiryCheckMs = 250;
    static constexpr qint64 kRefusedMemoryMs = 60000;
    static constexpr int kMaxProbes = 8; // tried at once
    static constexpr int kProbeTimeoutMs = 3000;
    using Clock = std::function<qint64()>; // milliseconds, never going back
    // How a game's port answered a connection.
    enum class PortAnswer { Accepted, Refused, Silent };
    // Tries a game's port and calls `done` with its answer.
    using Probe =
        std::function<void(const QHostAddress& address, quint16 port, std::function<void(PortAnswer)> done)>;

    explicit GameBrowser(QObject* parent = nullptr);

    // Listens on kGroupAddress:kGroupPort, or for tests on `address`:`port` (port 0 picks one, see
    // localPort()); a non-multicast `address` is bound as is and no group is joined. False (with
    // errorString()) when the port cannot be bound or no group could be joined.
    bool start();
    bool start(const QHostAddress& address, quint16 port);
    // Stops listening and empties the list.
    void stop();
    quint16 localPort() const { return m_socket.localPort(); }
    QString errorString() const { return m_error; }

    // The games found, ordered by host name, then address and port.
    QList<FoundGame> games() const;

    // Tests drive time: the clock replaces the monotonic one, and expire() is what the timer calls.
    void setClock(Clock clock);
    void expire();
    // Tests try ports without the network.
    void setProbe(Probe probe) { m_probe = std::move(probe); }

    // Takes one datagram as if it had arrived from `sender`: what the socket does for each one.
    void receive(const QByteArray& datagram, const QHostAddress& sender);

signals:
    // A game appeared, vanished, or changed what games() shows of it.
    void gamesChanged();

private:
    enum class PortState { Untried, Trying, Answered, Refused, Silent };
    struct Listed
    {
        FoundGame game;
        qint64 lastHeardMs = 0;
        PortState port = PortState::Untried;
    };
    struct SenderWindow
    {
        qint64 startMs = 0;
        int datagrams = 0;
    };
    using Key = std::pair<QHostAddress, quint16>;
    // Senders remembered for the rate limit, so that a flood of forged addresses stays bounded.
    static constexpr int kMaxSenders = 4 * kMaxGames;
    static constexpr qint64 kRateWindowMs = 1000;

    void readPending();
    bool admitFrom(const QHostAddress& sender, qint64 now);
    void forgetQuietSenders(qint64 now);
    // Makes room for a new game in a full list; false when none may go.
    bool makeRoom(const Key& key, qint64 now);
    void tryPorts();
    void tried(const Key& key, PortAnswer answer);
    static void probeByConnecting(const QHostAddress& address, quint16 port,
                                  std::function<void(PortAnswer)> done);

    QUdpSocket m_socket;
    QTimer m_expiryTimer;
    Clock m_clock;
    QHash<Key, Listed> m_games;
    QHash<QHostAddress, SenderWindow> m_senders;
    QHash<Key, qint64> m_refused; // when each was found refusing
    Probe m_probe;
    int m_probing = 0;
    QString m_error;
};

} // namespace pictova::lan
