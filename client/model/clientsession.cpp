#include "client/model/clientsession.h"

#include "messaging/catalogue.h"
#include "messaging/errors.h"
#include "messaging/strokeranges.h"
#include "messaging/version.h"
#include "messaging/wire.h"
#include "rooms/roomcode.h"
#include "rooms/roomdirectory.h"
#include "rooms/roomgate.h"

#include <QElapsedTimer>
#include <QHostInfo>
#include <QLocale>
#include <array>
#include <vector>

namespace pictova {

ClientSession::ClientSession(QObject* parent)
    : QObject(parent), m_seats(*this), m_rounds(*this), m_guessing(*this), m_watchers(*this),
      m_language(feature::languageFor(QLocale::system().name())), m_receivedlist(ReceiveQueue::Order::Arrival)
{
    connect(&m_sock, &TSock::onRead, this, [this](TSock*, qsizetype) { sockRead(); });
    connect(&m_sock, &TSock::onInfo, this,
            [this](TSock*, SocketInfo kind, const QString& message) { m_seats.sockInfo(kind, message); });
    m_sideChannel.HostName = QStringLiteral("127.0.0.1");
    m_sideChannel.PortName = QStringLiteral("9001");
    m_drainTimer = new DrainTimer(
        1, [this] { return drainForAWhile(); }, this);
    buildCommandTable();

    // Whoever becomes game master between games is offered the start; whoever stops being it
    // loses the offer.
    connect(&m_model, &GameModel::gameMasterChanged, this, [this] {
        const bool between = m_model.phase() == GamePhase::NoGame || m_model.phase() == GamePhase::Won;
        if (m_model.isGameMaster()) {
            if (between)
                m_model.setStartOffered(true);
            m_model.setStartMenuEnabled(true);
        } else if (!m_model.hosting()) {
            m_model.setStartOffered(false);
            m_model.setStartMenuEnabled(false);
        }
    });
    m_joinTimer.setSingleShot(true);
    m_joinTimer.setInterval(kJoinTimeoutMs);
    connect(&m_joinTimer, &QTimer::timeout, this, [this] {
        if (m_joinState == JoinState::Reconnecting) {
            closeQuietly();
            retryLater();
            return;
        }
        failJoin(
            JoinProblem::NoAnswer,
            tr("No answer from %1 within %2 seconds.").arg(m_joinTarget).arg(m_joinTimer.interval() / 1000));
    });
    m_reconnectTimer.setSingleShot(true);
    connect(&m_reconnectTimer, &QTimer::timeout, this, &ClientSession::reconnectNow);
    connect(this, &ClientSession::ownArrival, this, [this] {
        if (m_joinState == JoinState::Reconnecting) {
            m_joinTimer.stop();
            m_joinState = JoinState::Joined;
            // Only to a server that said it knows the message.
            if (!m_tokenToPresent.isEmpty() && m_serverFeatures.contains(feature::rejoin))
                send(toserver::rejoin(m_model.mySeat(), m_tokenToPresent));
            m_tokenToPresent.clear();
            emit reconnected();
            return;
        }
        if (m_joinState != JoinState::Joining)
            return;
        m_joinTimer.stop();
        m_joinState = JoinState::Joined;
        emit joined();
    });
    m_resolver = [this](const QString& host, std::function<void(const QString&)> found) {
        QHostInfo::lookupHost(host, this, [found](const QHostInfo& info) {
            // The game's sockets speak IPv4 first, as the command line does.
            QString address;
            for (const QHostAddress& candidate : info.addresses())
                if (address.isEmpty() || candidate.protocol() == QAbstractSocket::IPv4Protocol)
                    address = candidate.toString();
            found(address);
        });
    };
}

ClientSession::~ClientSession() = default;

void ClientSession::buildCommandTable()
{
    using protocol::Id;
    auto on = [this](Id id, NoticeHandler handler) { routeToView(id, std::move(handler)); };
    on(Id::sendlogininfo, [this](const ServerNotice& n) {
        // A room was asked for and the seat came without one: the server has no rooms.
        if (m_roomAsk.kind != RoomAsk::Kind::None && m_roomCode.isEmpty() &&
            m_joinState != JoinState::CommandLine) {
            refusedRoom(tr("%1 has no rooms: it plays one game only.").arg(m_joinTarget));
            return;
        }
        m_seats.sendloginfo(n);
    });
    on(Id::inroom, [this](const ServerNotice& n) { receivedRoom(n); });
    on(Id::roomrefused, [this](const ServerNotice& n) { refusedRoom(n.text(0)); });
    // The list of rooms is read by the Join dialog's own connection, never by a game's.
    on(Id::roomlisted, [](const ServerNotice&) {});
    on(Id::roomlistend, [](const ServerNotice&) {});
    on(Id::newplayerinfo, [this](const ServerNotice& n) { m_seats.newplayerinfo(n); });
    on(Id::existingplayers, [this](const ServerNotice& n) { m_seats.newplayerinfo(n); });
    on(Id::playerdisconnected, [this](const ServerNotice& n) { m_seats.playerdisconnected(n); });
    on(Id::removed, [this](const ServerNotice& n) { m_seats.removed(n); });
    on(Id::turnbreak, [this](const ServerNotice& n) { m_rounds.turnbreak(n); });
    on(Id::startgame, [this](const ServerNotice& n) { m_rounds.startthegame(n); });
    on(Id::nextplayer, [this](const ServerNotice& n) { m_rounds.getnextplayer(n); });
    on(Id::winner, [this](const ServerNotice& n) { m_guessing.winner(n); });
    on(Id::full, [this](const ServerNotice&) { m_seats.full(); });
    on(Id::correctanswer, [this](const ServerNotice& n) { m_guessing.correctanswer(n); });
    on(Id::updateanswer, [this](const ServerNotice& n) { m_guessing.updateanswer(n); });
    on(Id::givedraweranswer, [this](const ServerNotice& n) { m_rounds.givedraweranswer(n); });
    on(Id::guessed, [this](const ServerNotice& n) { m_guessing.guessed(n); });
    on(Id::pickCategory, [this](const ServerNotice& n) { m_rounds.categoryPickStarts(n); });
    on(Id::myguessed, [this](const ServerNotice& n) { m_guessing.myguessed(n); });
    on(Id::passed, [this](const ServerNotice& n) { m_rounds.passed(n); });
    on(Id::updatetime, [this](const ServerNotice& n) { m_rounds.updatetime(n); });
    on(Id::refreshplayerlist, [this](const ServerNotice& n) { m_seats.refreshplayerlist(n); });
    on(Id::havewrongversion, [this](const ServerNotice& n) { m_seats.havewrongversion(n); });
    on(Id::wrongversion, [this](const ServerNotice&) { m_seats.wrongversion(); });
    on(Id::justwatching, [this](const ServerNotice& n) { m_watchers.justwatching(n); });
    on(Id::teamscore, [this](const ServerNotice& n) { m_guessing.teamscore(n); });
    on(Id::gamestats, [this](const ServerNotice& n) { m_guessing.gamestats(n); });
    on(Id::features, [this](const ServerNotice& n) { receivedFeatures(n.words(0)); });
    on(Id::rejointoken, [this](const ServerNotice& n) { receivedRejoinToken(n.text(0)); });
    on(Id::gameclosed, [this](const ServerNotice& n) {
        m_closedInOrder = true;
        m_closedBy = n.text(0);
    });
    on(Id::teamgame, [this](const ServerNotice&) {
        m_model.announceSettings(m_model.settingsAnnouncement(), m_model.playTo(), m_model.secondsPerTurn(),
                                 true);
    });
}

void ClientSession::receivedFeatures(const QStringList& words)
{
    // Answered once a connection, and only once the seat is known.
    if (m_featuresAnswered || m_model.mySeat() == 0)
        return;
    m_serverFeatures = words;
    m_featuresAnswered = true;
    send(toserver::features(m_model.mySeat(), announcedFeatures()));
}

void ClientSession::receivedRoom(const ServerNotice& notice)
{
    const std::optional<QString> code = rooms::parseCode(notice.text(0));
    if (!code || m_roomAsk.kind == RoomAsk::Kind::None || m_model.mySeat() != 0)
        return;
    m_roomCode = *code;
    m_roomListed = notice.flag(1);
    m_roomWebPort = quint16(notice.number(2));
    m_roomName = notice.text(3).left(rooms::RoomDirectory::kMaxNameLength);
    // Back after a drop, this copy asks for the same room, not for another new one.
    m_roomAsk = RoomAsk::join(m_roomCode);
    emit roomChanged();
}

void ClientSession::refusedRoom(const QString& reason)
{
    const QString text = reason.left(kMaxLineCharacters);
    if (m_joinState == JoinState::Joining)
        failJoin(JoinProblem::NoRoom, text);
    else if (m_joinState == JoinState::Reconnecting)
        endReconnecting(text);
}

bool ClientSession::mayVoteToRemove(int seat) const
{
    return m_roomListed && m_serverFeatures.contains(feature::voteKick) && m_model.loggedIn() &&
           seat != m_model.mySeat() && seat >= 1 && seat <= protocol::kSeats &&
           // A free seat holds nobody to vote on.
           (!isPlayerSeat(seat) || m_model.seat(seat).taken);
}

void ClientSession::voteToRemove(int seat)
{
    if (mayVoteToRemove(seat))
        send(toserver::votekick(m_model.mySeat(), seat));
}

QString ClientSession::roomLink() const
{
    if (m_roomCode.isEmpty())
        return {};
    return rooms::desktopLink(m_joinHost, m_joinPort, m_roomCode);
}

QString ClientSession::roomWebLink() const
{
    if (m_roomCode.isEmpty() || m_roomWebPort == 0)
        return {};
    return rooms::webLink(m_joinHost, m_roomWebPort, m_roomCode);
}

void ClientSession::setLanguage(const QString& bcp47)
{
    const QString language = feature::languageFor(bcp47);
    if (language == m_language)
        return;
    m_language = language;
    // A server reads a second announcement as the whole of the first, so the same words go again
    // with the new language among them.
    if (!m_featuresAnswered || !m_model.loggedIn())
        return;
    try {
        send(toserver::features(m_model.mySeat(), announcedFeatures()));
    } catch (const ESockException&) {
        // The connection is closing: the next one announces the language from the start.
    }
}

QStringList ClientSession::announcedFeatures() const
{
    return feature::ours() + QStringList{feature::languageWord(m_language)};
}

void ClientSession::receivedRejoinToken(const QString& token)
{
    if (m_serverFeatures.contains(feature::rejoin))
        m_rejoinToken = token;
}

std::span<const protocol::Field> noticeFields(protocol::Id id)
{
    static const std::array<std::vector<protocol::Field>, protocol::kMessageCount> fields = [] {
        std::array<std::vector<protocol::Field>, protocol::kMessageCount> all;
        for (const protocol::Message& message : protocol::messages()) {
            std::vector<protocol::Field>& own = all[size_t(message.id)];
            own.assign(message.notice.begin(), message.notice.end());
            if (message.ownPeer)
                continue;
            for (protocol::Field& field : own)
                if (field.kind == protocol::Kind::Integer && field.low == 1 &&
                    field.high == protocol::kBoardSeats)
                    field.high = protocol::kSeats;
        }
        return all;
    }();
    return fields[size_t(id)];
}

void ClientSession::routeToView(const QString& command, CommandTable::Handler handler)
{
    m_commands.add(command, std::move(handler));
}

void ClientSession::routeToView(protocol::Id message, NoticeHandler handler)
{
    Q_ASSERT(protocol::message(message).toClient());
    const QString name = protocol::message(message).qName();
    m_commands.add(name, [this, message, name, handler = std::move(handler)](const QString& payload) {
        QString why;
        std::optional<protocol::Values> fields = protocol::decode(noticeFields(message), payload, &why);
        if (!fields) {
            // As the server refuses a request that breaks the table: nothing of it is done.
            reportPeerError(name, why);
            emit noticeRefused(name, why);
            return;
        }
        handler(ServerNotice{payload, std::move(*fields)});
    });
}

QStringList ClientSession::unhandledMessages() const
{
    QStringList missing;
    for (const protocol::Message& message : protocol::messages())
        if (message.toClient() && !m_commands.knows(message.qName()))
            missing << message.qName();
    return missing;
}

void ClientSession::connectTo(const QString& host, const QString& port)
{
    m_serverFeatures.clear();
    m_featuresAnswered = false;
    m_closedInOrder = false;
    m_closedBy.clear();
    m_removed = false;
    m_sock.HostName = host;
    m_sock.PortName = port;
    m_sock.open();
    // The room is asked for before the server says anything (it holds the connection until then).
    m_roomCode.clear();
    m_roomName.clear();
    m_roomListed = false;
    m_roomWebPort = 0;
    if (m_roomAsk.kind == RoomAsk::Kind::Join)
        send(rooms::RoomGate::joinRequest(m_roomAsk.code));
    else if (m_roomAsk.kind == RoomAsk::Kind::Create)
        send(rooms::RoomGate::createRequest(m_roomAsk.listed, m_roomAsk.name));
}

void ClientSession::openSideChannel()
{
    m_sideChannel.open();
}

void ClientSession::send(const QByteArray& bytes)
{
    if (m_sendOverride) {
        m_sendOverride(bytes);
        return;
    }
    m_sock.send(bytes);
}

void ClientSession::requestStart(bool team, const QString& playto, const QString& seconds, bool revealLetters)
{
    if (!m_model.loggedIn())
        return;
    // A first-version server would only log the options as an unknown request.
    if (m_serverFeatures.contains(feature::revealLetters))
        send(toserver::startoptions(m_model.mySeat(),
                                    revealLetters ? QStringList{feature::revealLetters} : QStringList()));
    send(toserver::startgame(m_model.mySeat(), team, playto, seconds));
}

void ClientSession::sockRead()
{
    QList<QByteArray> messages;
    const bool ok = m_framer.feed(m_sock.receive(), messages);
    for (const QByteArray& message : messages)
        queueEntry(fromWire(message));
    // A server that sends endless text without a terminator, or more than we can ever work
    // through, is broken: the game cannot go on.
    if (!ok) {
        m_sock.close();
        return;
    }
    if (m_receivedlist.size() > kMaxWaitingEntries || m_receivedlist.characters() > kMaxWaitingCharacters ||
        m_receivedlist.weight() > kMaxWaitingArea) {
        // Working through what waits would hold the window up long after the flood.
        m_receivedlist.clear();
        m_sock.close();
    }
}

void ClientSession::queueEntry(const QString& entry)
{
    const qsizetype plus = entry.indexOf(QLatin1Char('+'));
    const QString name = entry.left(plus);
    if (name == cmd::chat || name == cmd::action || name == cmd::guessed || name == cmd::myguessed) {
        QString line = entry.left(kMaxLineCharacters);
        if (line.size() < entry.size() && line.back().isHighSurrogate())
            line.chop(1);
        const qint64 area = line.size() * kLineCharacterArea;
        m_receivedlist.push(0, line, area);
    } else {
        const qint64 area = plus < 0 ? 0 : strokes::drawingArea(name, entry.mid(plus + 1));
        m_receivedlist.push(0, entry, area);
    }
    m_drainTimer->wake();
}

bool ClientSession::drainForAWhile()
{
    // Everything waiting is handled at once, up to a slice of time that keeps the window
    // answering: a newcomer's catch-up of a whole drawing is on its board within a few ticks.
    QElapsedTimer slice;
    slice.start();
    bool more = processsocktimer();
    while (more && slice.elapsed() < m_drainSliceMs)
        more = processsocktimer();
    return more;
}

bool ClientSession::processsocktimer()
{
    if (auto entry = m_receivedlist.take()) {
        m_model.holdGameMaster(true);
        m_commands.dispatch(entry->text);
    }
    const bool more = !m_receivedlist.isEmpty();
    if (!more)
        m_model.holdGameMaster(false);
    return more;
}

JoinProblem joinProblemOf(const QString& socketError)
{
    if (socketError.contains(QLatin1String("10061")))
        return JoinProblem::Refused;
    if (socketError.contains(QLatin1String("10060")))
        return JoinProblem::NoAnswer;
    return JoinProblem::Unreachable;
}

void ClientSession::startJoin(const QString& host, quint16 port)
{
    m_joinState = JoinState::Joining;
    m_rejoinToken.clear();
    m_tokenToPresent.clear();
    m_joinTarget = port == 7772 ? host : QStringLiteral("%1:%2").arg(host).arg(port);
    m_joinHost = host;
    m_joinTimer.start();
    m_resolver(host, [this, host, port](const QString& address) {
        if (m_joinState != JoinState::Joining)
            return;
        if (address.isEmpty()) {
            failJoin(JoinProblem::UnknownHost, tr("No computer called \"%1\" was found.").arg(host));
            return;
        }
        m_joinAddress = address;
        m_joinPort = port;
        try {
            connectTo(address, QString::number(port));
        } catch (const PictovaError& error) {
            failJoin(JoinProblem::Unreachable,
                     tr("%1 cannot be reached (%2).").arg(m_joinTarget, error.text()));
        }
    });
}

void ClientSession::failJoin(JoinProblem problem, const QString& text)
{
    if (m_joinState != JoinState::Joining)
        return;
    m_joinTimer.stop();
    // Closing the socket reports its close; the failure is what the player must read.
    m_joinState = JoinState::CommandLine;
    m_leaving = true;
    m_sock.close();
    m_leaving = false;
    m_model.setLoggedIn(false);
    while (m_receivedlist.take()) {
    }
    emit joinFailed(problem, text);
}

void ClientSession::connectionClosed()
{
    if (m_leaving)
        return;
    // What the server said before it closed (full, another version, removed) says why.
    const JoinState before = m_joinState;
    while (m_joinState != JoinState::CommandLine && !m_receivedlist.isEmpty())
        processsocktimer();
    if ((before != JoinState::CommandLine && m_joinState == JoinState::CommandLine) || m_removed)
        return; // what was drained has ended the game already
    switch (m_joinState) {
    case JoinState::CommandLine:
        emit ended();
        break;
    case JoinState::Joining:
        failJoin(JoinProblem::Closed,
                 tr("%1 closed the connection before the game let you in.").arg(m_joinTarget));
        break;
    case JoinState::Joined:
        if (m_closedInOrder) {
            m_joinState = JoinState::CommandLine;
            m_model.setLoggedIn(false);
            gameOver(m_closedBy.isEmpty() ? tr("The connection to the game was closed.")
                                          : tr("%1 closed the game.").arg(m_closedBy));
            break;
        }
        // Neither removed nor told the game closed (either arrives first and is drained above):
        // the network or the host's end failed, and the game may still be there.
        startReconnecting();
        break;
    case JoinState::Reconnecting:
        retryLater();
        break;
    }
}

void ClientSession::gameOver(const QString& text)
{
    m_countdown.stop();
    m_model.setPassOffered(false);
    m_model.setDrawer(0);
    m_model.setPhase(GamePhase::NoGame);
    emit connectionLost(text);
}

void ClientSession::closeQuietly()
{
    m_leaving = true;
    m_sock.close();
    m_leaving = false;
}

void ClientSession::startReconnecting()
{
    closeQuietly();
    m_joinState = JoinState::Reconnecting;
    m_model.setLoggedIn(false);
    // A token is kept only from a server that announced it knows tokens (see receivedRejoinToken).
    if (!m_rejoinToken.isEmpty())
        m_tokenToPresent = m_rejoinToken;
    m_rejoinToken.clear();
    m_reconnect.start();
    retryLater();
}

void ClientSession::retryLater()
{
    m_joinTimer.stop();
    const std::optional<qint64> delay = m_reconnect.next();
    if (!delay) {
        endReconnecting(tr("The connection to the game was lost and could not be made again."));
        return;
    }
    emit reconnecting(m_reconnect.attempt());
    if (!m_manualReconnect)
        m_reconnectTimer.start(static_cast<int>(*delay));
}

void ClientSession::reconnectNow()
{
    if (m_joinState != JoinState::Reconnecting)
        return;
    m_reconnectTimer.stop();
    closeQuietly();
    while (m_receivedlist.take()) {
    }
    m_framer.reset();
    m_countdown.stop();
    // The new log-in tells everything again: who sits where, the turn and its drawing.
    m_model.reset();
    m_joinTimer.start();
    try {
        connectTo(m_joinAddress, QString::number(m_joinPort));
    } catch (const PictovaError&) {
        retryLater();
    }
}

void ClientSession::endReconnecting(const QString& text)
{
    m_reconnectTimer.stop();
    m_joinTimer.stop();
    m_joinState = JoinState::CommandLine;
    m_tokenToPresent.clear();
    closeQuietly();
    m_model.setLoggedIn(false);
    gameOver(text);
}

void ClientSession::giveUp()
{
    if (m_joinState == JoinState::Reconnecting)
        endReconnecting(tr("The connection to the game was lost."));
}

void ClientSession::connectionFailed(const QString& socketError)
{
    if (m_joinState == JoinState::Joined) {
        startReconnecting();
        return;
    }
    if (m_joinState == JoinState::Reconnecting) {
        closeQuietly();
        retryLater();
        return;
    }
    if (m_joinState != JoinState::Joining)
        return;
    switch (joinProblemOf(socketError)) {
    case JoinProblem::Refused:
        failJoin(JoinProblem::Refused,
                 tr("%1 refused the connection: no game is hosted there.").arg(m_joinTarget));
        break;
    case JoinProblem::NoAnswer:
        failJoin(JoinProblem::NoAnswer, tr("No answer from %1.").arg(m_joinTarget));
        break;
    default:
        failJoin(JoinProblem::Unreachable, tr("%1 cannot be reached (%2).").arg(m_joinTarget, socketError));
        break;
    }
}

void ClientSession::gameFull()
{
    // The seat may come free again: the close that follows tries later.
    if (m_joinState == JoinState::Reconnecting)
        return;
    if (m_joinState == JoinState::Joining) {
        failJoin(JoinProblem::Full, tr("The game at %1 is full.").arg(m_joinTarget));
        return;
    }
    emit notice(tr("Game is full"), true);
}

void ClientSession::versionRefused()
{
    if (m_joinState == JoinState::Reconnecting) {
        endReconnecting(tr("The game at %1 now runs a different version of Pictova than yours (%2).")
                            .arg(m_joinTarget, QString::fromLatin1(kVersion)));
        return;
    }
    if (m_joinState == JoinState::Joining)
        failJoin(JoinProblem::WrongVersion,
                 tr("The game at %1 runs a different version of Pictova than yours (%2).")
                     .arg(m_joinTarget, QString::fromLatin1(kVersion)));
}

void ClientSession::removedFromGame()
{
    const QString text = tr("You were removed from the game.");
    const bool fromCommandLine = m_joinState == JoinState::CommandLine;
    m_removed = true;
    m_joinState = JoinState::CommandLine;
    m_reconnectTimer.stop();
    m_joinTimer.stop();
    // The game master's word is final: no coming back, on this connection's token or any other.
    m_rejoinToken.clear();
    m_tokenToPresent.clear();
    m_leaving = true;
    m_sock.close();
    m_leaving = false;
    if (fromCommandLine)
        emit notice(text, true);
    else
        gameOver(text);
}

QString ClientSession::nameInGame() const
{
    const QString seated = m_model.seatName(m_model.mySeat());
    return seated.isEmpty() ? m_playerName : seated;
}

void ClientSession::leaveGame()
{
    m_joinTimer.stop();
    m_reconnectTimer.stop();
    m_rejoinToken.clear();
    m_tokenToPresent.clear();
    m_joinState = JoinState::CommandLine;
    m_leaving = true;
    m_sock.close();
    m_leaving = false;
    while (m_receivedlist.take()) {
    }
    m_framer.reset();
    m_countdown.stop();
    m_model.reset();
}

} // namespace pictova
