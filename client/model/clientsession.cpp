#include "client/model/clientsession.h"

#include "messaging/catalogue.h"
#include "messaging/errors.h"
#include "messaging/wire.h"
#include "messaging/version.h"
#include "messaging/version.h"
#include "server/tserver.h"

#include <QElapsedTimer>
#include <QHostInfo>

#include <QElapsedTimer>
#include <QHostInfo>

namespace pictova {

ClientSession::ClientSession(QObject* parent)
    : QObject(parent), m_seats(*this), m_rounds(*this), m_guessing(*this), m_watchers(*this),
      m_receivedlist(ReceiveQueue::Order::Arrival)
{
    connect(&m_sock, &TSock::onRead, this, [this](TSock*, qsizetype) { sockRead(); });
    connect(&m_sock, &TSock::onInfo, this,
            [this](TSock*, SocketInfo kind, const QString& message) { m_seats.sockInfo(kind, message); });
    m_Sock11.HostName = QStringLiteral("127.0.0.1");
    m_Sock11.PortName = QStringLiteral("9001");
    m_Timer1 = new DrainTimer(1, [this] { return drainForAWhile(); }, this);
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
        failJoin(JoinProblem::NoAnswer, QStringLiteral("No answer from %1 within %2 seconds.")
                                            .arg(m_joinTarget)
                                            .arg(m_joinTimer.interval() / 1000));
    });
    connect(this, &ClientSession::ownArrival, this, [this] {
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
    auto add = [this](const QString& name, CommandTable::Handler handler) {
        m_commands.add(name, std::move(handler));
    };
    add(cmd::sendlogininfo, [this](const QString& p) { m_seats.sendloginfo(p); });
    add(cmd::newplayerinfo, [this](const QString& p) { m_seats.newplayerinfo(p); });
    add(cmd::existingplayers, [this](const QString& p) { m_seats.newplayerinfo(p); });
    add(cmd::playerdisconnected, [this](const QString& p) { m_seats.playerdisconnected(p); });
    add(cmd::startgame, [this](const QString& p) { m_rounds.startthegame(p); });
    add(cmd::nextplayer, [this](const QString& p) { m_rounds.getnextplayer(p); });
    add(cmd::winner, [this](const QString& p) { m_guessing.winner(p); });
    add(cmd::full, [this](const QString& p) { m_seats.full(p); });
    add(cmd::correctanswer, [this](const QString& p) { m_guessing.correctanswer(p); });
    add(cmd::updateanswer, [this](const QString& p) { m_guessing.updateanswer(p); });
    add(cmd::givedraweranswer, [this](const QString& p) { m_rounds.givedraweranswer(p); });
    add(cmd::guessed, [this](const QString& p) { m_guessing.guessed(p); });
    add(cmd::pickcatagory, [this](const QString& p) { m_rounds.pickcatagory(p); });
    add(cmd::myguessed, [this](const QString& p) { m_guessing.myguessed(p); });
    add(cmd::passed, [this](const QString& p) { m_rounds.passed(p); });
    add(cmd::updatetime, [this](const QString& p) { m_rounds.updatetime(p); });
    add(cmd::refreshplayerlist, [this](const QString& p) { m_seats.refreshplayerlist(p); });
    add(cmd::havewrongversion, [this](const QString& p) { m_seats.havewrongversion(p); });
    add(cmd::wrongversion, [this](const QString& p) { m_seats.wrongversion(p); });
    add(cmd::justwatching, [this](const QString& p) { m_watchers.justwatching(p); });
    add(cmd::teamscore, [this](const QString& p) { m_guessing.teamscore(p); });
    add(cmd::gamestats, [this](const QString& p) { m_guessing.gamestats(p); });
}

void ClientSession::routeToView(const QString& command, CommandTable::Handler handler)
{
    m_commands.add(command, std::move(handler));
}

void ClientSession::startHosting(const QString& port)
{
    auto server = std::make_unique<TServer>();
    server->setSoloGameSource([this] { return m_model.solo(); });
    server->setPortName(port);
    server->startListening();
    m_server = std::move(server);
}

void ClientSession::connectTo(const QString& host, const QString& port)
{
    m_sock.HostName = host;
    m_sock.PortName = port;
    m_sock.open();
}

void ClientSession::openSideChannel()
{
    m_Sock11.open();
}

void ClientSession::send(const QByteArray& bytes)
{
    if (m_sendOverride) {
        m_sendOverride(bytes);
        return;
    }
    m_sock.send(bytes);
}

void ClientSession::requestStart(bool team, const QString& playto, const QString& seconds)
{
    if (m_model.loggedIn())
        send(toserver::startgame(m_model.mySeat(), team, playto, seconds));
}

void ClientSession::sockRead()
{
    QList<QByteArray> messages;
    const bool ok = m_framer.feed(m_sock.receive(), messages);
    for (const QByteArray& message : messages)
        m_receivedlist.push(0, fromWire(message));
    if (!m_receivedlist.isEmpty())
        m_Timer1->wake();
    // A server that sends endless text without a terminator, or more messages than we can ever
    // work through, is broken: the game cannot go on.
    if (!ok || m_receivedlist.size() > kMaxWaitingEntries)
        m_sock.close();
}

void ClientSession::queueEntry(const QString& entry)
{
    m_receivedlist.push(0, entry);
    m_Timer1->wake();
}

bool ClientSession::drainForAWhile()
{
    // Everything waiting is handled at once, up to a slice of time that keeps the window
    // answering: a newcomer's catch-up of a whole drawing is on its board within a few ticks.
    QElapsedTimer slice;
    slice.start();
    bool more = processsocktimer();
    while (more && slice.elapsed() < kDrainSliceMs)
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
    m_joinTarget = port == 7772 ? host : QStringLiteral("%1:%2").arg(host).arg(port);
    m_joinTimer.start();
    m_resolver(host, [this, host, port](const QString& address) {
        if (m_joinState != JoinState::Joining)
            return;
        if (address.isEmpty()) {
            failJoin(JoinProblem::UnknownHost, QStringLiteral("No computer called \"%1\" was found.").arg(host));
            return;
        }
        try {
            connectTo(address, QString::number(port));
        } catch (const PictovaError& error) {
            failJoin(JoinProblem::Unreachable,
                     QStringLiteral("%1 cannot be reached (%2).").arg(m_joinTarget, error.text()));
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
    if (before != JoinState::CommandLine && m_joinState == JoinState::CommandLine)
        return; // what was drained has ended the game already
    switch (m_joinState) {
    case JoinState::CommandLine:
        emit ended();
        break;
    case JoinState::Joining:
        failJoin(JoinProblem::Closed,
                 QStringLiteral("%1 closed the connection before the game let you in.").arg(m_joinTarget));
        break;
    case JoinState::Joined:
        m_joinState = JoinState::CommandLine;
        m_model.setLoggedIn(false);
        emit connectionLost(QStringLiteral("The connection to the game was closed."));
        break;
    }
}

void ClientSession::connectionFailed(const QString& socketError)
{
    if (m_joinState != JoinState::Joining)
        return;
    switch (joinProblemOf(socketError)) {
    case JoinProblem::Refused:
        failJoin(JoinProblem::Refused,
                 QStringLiteral("%1 refused the connection: no game is hosted there.").arg(m_joinTarget));
        break;
    case JoinProblem::NoAnswer:
        failJoin(JoinProblem::NoAnswer, QStringLiteral("No answer from %1.").arg(m_joinTarget));
        break;
    default:
        failJoin(JoinProblem::Unreachable,
                 QStringLiteral("%1 cannot be reached (%2).").arg(m_joinTarget, socketError));
        break;
    }
}

void ClientSession::gameFull()
{
    if (m_joinState == JoinState::Joining) {
        failJoin(JoinProblem::Full, QStringLiteral("The game at %1 is full.").arg(m_joinTarget));
        return;
    }
    emit notice(QStringLiteral("Game is full"), true);
}

void ClientSession::versionRefused()
{
    if (m_joinState == JoinState::Joining)
        failJoin(JoinProblem::WrongVersion,
                 QStringLiteral("The game at %1 runs a different version of Pictova than yours (%2).")
                     .arg(m_joinTarget, QString::fromLatin1(kVersion)));
}

void ClientSession::removedFromGame()
{
    if (m_joinState == JoinState::CommandLine) {
        emit ended();
        return;
    }
    m_joinState = JoinState::CommandLine;
    m_joinTimer.stop();
    m_leaving = true;
    m_sock.close();
    m_leaving = false;
    emit connectionLost(QStringLiteral("You were removed from the game."));
}

void ClientSession::leaveGame()
{
    m_joinTimer.stop();
    m_joinState = JoinState::CommandLine;
    m_leaving = true;
    m_sock.close();
    m_server.reset();
    m_leaving = false;
    while (m_receivedlist.take()) {
    }
    m_framer.reset();
    m_countdown.stop();
    m_model.reset();
}

} // namespace pictova
