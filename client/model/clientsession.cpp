#include "client/model/clientsession.h"

#include "messaging/catalogue.h"
#include "messaging/errors.h"
#include "messaging/wire.h"
#include "server/tserver.h"

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
    m_Timer1 = new DrainTimer(
        1, [this] { return processsocktimer(); }, this);
    buildCommandTable();
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

bool ClientSession::processsocktimer()
{
    if (auto entry = m_receivedlist.take())
        m_commands.dispatch(entry->text);
    return !m_receivedlist.isEmpty();
}

} // namespace pictova
