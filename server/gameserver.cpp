#include "server/gameserver.h"

#include "messaging/catalogue.h"
#include "messaging/errors.h"
#include "rooms/addresskey.h"

#include <QHostAddress>

namespace pictova {

namespace {
constexpr int kSocktimerIntervalMs = 10;
}

GameServer::GameServer(QObject* parent)
    : QObject(parent), m_connections(
                           m_players, m_events, [this](int seat) { m_seats.seatTaken(seat); },
                           [this](int seat, Departure reason) {
                               // While the seat still shows the address its allowance stays with.
                               m_limits.forget(seat);
                               m_votes.left(seat);
                               m_rejoin.departed(seat, reason);
                               m_flow.forgetStartOptions(seat);
                               m_seats.seatFreed(seat, reason);
                           },
                           [this] { requestsArrived(); }),
      m_outbox(m_players,
               [this](int seat, const QByteArray& bytes) { m_connections.sendToSeat(seat, bytes); }),
      m_limits([this](int seat, int refused) {
          m_outbox.sendNotice(seat, notices::Id::SlowDown, QString::number(refused));
      }),
      m_flow(m_players, m_game, m_outbox, m_words, m_drawing, m_events),
      m_guessing(m_players, m_game, m_outbox, m_flow),
      m_relay(m_players, m_game, m_outbox, m_drawing, m_flow, m_guessing),
      m_seats(
          m_players, m_game, m_outbox, m_drawing, m_flow, m_events,
          [this](int seat) { m_connections.disconnectsock(seat); },
          [this](int seat, const QString& word) { return m_rejoin.featuresOf(seat).contains(word); }),
      m_rejoin(m_players, m_game, m_outbox),
      m_undo(m_players, m_game, m_drawing, m_outbox,
             [this](int seat, const QString& word) { return m_rejoin.featuresOf(seat).contains(word); }),
      m_socktimer(kSocktimerIntervalMs, [this] { return drainTick(); })
{
    buildRequestTable();
    m_outbox.setLanguageOf(
        [this](int seat) { return feature::announcedLanguage(m_rejoin.featuresOf(seat)); });
    m_limits.setAddressOf([this](int seat) { return m_players.at(seat).address; });
    connect(&m_events, &ServerEvents::gameStarted, this, [this] { m_rejoin.newGame(); });
    m_servePass.setSingleShot(true);
    m_servePass.setTimerType(Qt::PreciseTimer);
    connect(&m_servePass, &QTimer::timeout, this, &GameServer::servePass);
    m_serveClock.start();
}

void GameServer::requestsArrived()
{
    if (!m_serveOnArrival || m_oneEntryPerTick) {
        m_socktimer.wake();
        return;
    }
    if (!m_manualTimers && !m_servePass.isActive())
        m_servePass.start(0);
}

void GameServer::servePass()
{
    // Every connection with a request waiting and some allowance left is served once; a
    // connection past its allowance waits for its next serving while the others go on.
    qint64 now = m_serveClock.elapsed();
    for (qsizetype turns = m_connections.connectionsWaiting(); turns > 0; --turns) {
        const std::optional<ServerConnections::Request> request =
            m_connections.takeRequest([this, now](ConnectionId id) { return m_allowance.mayServe(id, now); });
        if (!request)
            break;
        m_allowance.spend(request->origin, now);
        m_requests.handle(request->text, request->seat, m_players);
    }
    if (!m_connections.hasRequests())
        return;
    now = m_serveClock.elapsed();
    m_servePass.start(
        static_cast<int>(m_allowance.msUntilAnyMayServe(m_connections.waitingConnections(), now)));
}

GameServer::~GameServer() = default;

void GameServer::buildRequestTable()
{
    using R = const ClientRequest&;
    using protocol::Id;
    m_requests.on(Id::logininfo, [this](R r) {
        if (!m_connections.admitLogin(r.seat))
            return;
        m_seats.receivedlogininfo(r.seat, parse::LoginFields{r.text(1), r.text(2)});
        m_rejoin.loggedIn(r.seat);
        m_seats.catchUpBreak(r.seat);
    });
    m_requests.on(Id::kickhim, [this](R r) { m_seats.kickhim(r.number(1)); });
    m_requests.on(Id::chat, [this](R r) { m_relay.chat(r.seat, r.text(1)); });
    m_requests.on(Id::action, [this](R r) { m_relay.action(r.seat, r.text(1)); });
    m_requests.on(Id::startgame, [this](R r) {
        m_flow.startgame(r.seat, parse::StartGameFields{r.text(1), r.number(2), r.number(3)});
    });
    m_requests.on(Id::draw, [this](R r) { m_relay.drawit(r.seat, r.payload); });
    m_requests.on(Id::moveit, [this](R r) { m_relay.moveit(r.seat, r.payload); });
    m_requests.on(Id::clearmain, [this](R r) { m_relay.clearmain(r.seat, r.payload); });
    m_requests.on(Id::answer, [this](R r) { m_guessing.answer(r.seat, r.text(1)); });
    m_requests.on(Id::pickCategory, [this](R r) { m_flow.pickCategory(r.seat, r.number(1)); });
    m_requests.on(Id::pass, [this](R r) { m_flow.pass(r.seat); });
    m_requests.on(Id::justwatch, [this](R r) { m_relay.justwatch(r.seat, r.afterSeat); });
    m_requests.on(Id::features, [this](R r) {
        // A client answers the server's features after its log-in, so the catch-up has gone
        // out by now: what it could not say is said here, once.
        const bool knew = m_rejoin.featuresOf(r.seat).contains(feature::turnBreak);
        m_rejoin.receivedFeatures(r.seat, r.afterSeat);
        if (!knew)
            m_seats.catchUpBreak(r.seat);
    });
    m_requests.on(Id::rejoin, [this](R r) { m_rejoin.receivedRejoin(r.seat, r.afterSeat); });
    m_requests.on(Id::undo, [this](R r) { m_undo.undo(r.seat); });
    m_requests.on(Id::startoptions, [this](R r) { m_flow.startoptions(r.seat, r.words(1)); });
    m_requests.on(Id::votekick, [this](R r) { voteKick(r.seat, r.number(1)); });
    m_requests.setTurn([this] {
        return RequestTable::Turn{m_game.gamerunning ? m_game.drawer : 0, m_game.phase == Phase::Drawing};
    });
    m_requests.setAdmit([this](protocol::Rate rate, int seat) {
        switch (rate) {
        case protocol::Rate::Chat:
            return m_limits.admitChat(seat);
        case protocol::Rate::Guess:
            return m_limits.admitGuess(seat);
        case protocol::Rate::Undo:
            return m_undo.admit(seat);
        case protocol::Rate::Serving:
            break;
        }
        return true;
    });
}

void GameServer::voteKick(int voter, int target)
{
    if (!m_voteKickOn) {
        m_outbox.sendTo(
            voter, toclient::notice(QStringLiteral("Voting to remove a player is for listed rooms only.")));
        return;
    }
    if (!m_players.at(voter).loggedIn || !PlayerTable::isSeat(target))
        return;
    QList<int> seated;
    for (int seat : m_players.occupiedSeats())
        if (m_players.at(seat).loggedIn)
            seated << seat;
    const qint64 now = m_voteClock ? m_voteClock() : m_serveClock.elapsed();
    const QString address = m_players.at(target).address;
    const QString targetName = m_players.at(target).name;
    const rooms::VoteKick::Result result = m_votes.vote(voter, target, seated, now);
    switch (result.outcome) {
    case rooms::VoteKick::Outcome::NotAllowed:
        return;
    case rooms::VoteKick::Outcome::CoolingDown:
        m_outbox.sendTo(
            voter, toclient::notice(QStringLiteral("You may vote again a minute after your last vote.")));
        return;
    case rooms::VoteKick::Outcome::Counted:
        m_outbox.sendAll(toclient::notice(QStringLiteral("%1 votes to remove %2 (%3 of %4 votes needed).")
                                              .arg(m_players.at(voter).name, targetName)
                                              .arg(result.votes)
                                              .arg(result.needed)));
        return;
    case rooms::VoteKick::Outcome::Removed:
        m_votes.ban(rooms::addressKey(QHostAddress(address)), now);
        m_seats.kickhim(target);
        return;
    }
}

bool GameServer::votedOut(const QString& addressKey) const
{
    return m_votes.isBanned(addressKey, m_voteClock ? m_voteClock() : m_serveClock.elapsed());
}

void GameServer::setPortName(const QString& port)
{
    m_connections.setPortName(port);
}

void GameServer::startListening()
{
    m_connections.startListening();
}

quint16 GameServer::listeningPort() const
{
    if (m_gamePortOf)
        return m_gamePortOf();
    return m_connections.listeningPort();
}

void GameServer::setSoloGameSource(std::function<bool()> source)
{
    m_flow.setSoloGameSource(std::move(source));
}

void GameServer::setManualTimers(bool manual)
{
    m_socktimer.setManual(manual);
    m_manualTimers = manual;
    if (manual)
        m_servePass.stop();
    m_flow.roundtime().setManual(manual);
    m_connections.loginDeadline().setManual(manual);
    m_limits.setManual(manual);
    if (!manual && m_connections.hasRequests())
        requestsArrived();
}

bool GameServer::socktimerTimer()
{
    const std::optional<ServerConnections::Request> request = m_connections.takeRequest();
    if (!request)
        return false;
    m_requests.handle(request->text, request->seat, m_players);
    return m_connections.hasRequests();
}

bool GameServer::drainTick()
{
    if (m_oneEntryPerTick)
        return socktimerTimer();
    // A connection's share is one message a tick however many the others hold, so a busy or
    // hostile sender holds nobody else back by more than one tick. The queue takes from the
    // connections in turn, so as many takes as connections waiting serve each of them once.
    for (qsizetype turns = m_connections.connectionsWaiting(); turns > 0; --turns)
        if (!socktimerTimer())
            break;
    return m_connections.hasRequests();
}

void GameServer::roundtimeTimer()
{
    m_flow.roundtime().tick();
}

void GameServer::setRoundtimeIntervalMs(int ms)
{
    m_flow.roundtime().setIntervalMs(ms);
}

void GameServer::setQueueOrder(ReceiveQueue::Order order)
{
    m_connections.setQueueOrder(order);
}

void GameServer::setWordLists(const WordLists& lists)
{
    m_words.setLists(lists);
}

void GameServer::setWordLanguage(const QString& language)
{
    m_words.setLanguage(language);
}

void GameServer::setRandomSeed(quint32 seed)
{
    m_words.seed(seed);
}

} // namespace pictova
