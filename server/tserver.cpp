#include "server/tserver.h"

#include "messaging/catalogue.h"
#include "messaging/errors.h"

namespace pictova {

namespace {
constexpr int kSocktimerIntervalMs = 10;
}

TServer::TServer(QObject* parent)
    : QObject(parent), m_connections(
                           m_players, m_events, [this](int seat) { m_seats.seatTaken(seat); },
                           [this](int seat, Departure reason) {
                               // While the seat still shows the address its allowance stays with.
                               m_limits.forget(seat);
                               m_rejoin.departed(seat, reason);
                               m_flow.forgetStartOptions(seat);
                               m_seats.seatFreed(seat, reason);
                           },
                           [this] { requestsArrived(); }),
      m_outbox(m_players,
               [this](int seat, const QByteArray& bytes) { m_connections.sendToSeat(seat, bytes); }),
      m_limits([this](int seat, int refused) {
          m_outbox.sendTo(
              seat, toclient::notice(QStringLiteral("Slow down: %1 lines were not sent.").arg(refused)));
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
    m_limits.setAddressOf([this](int seat) { return m_players.at(seat).address; });
    connect(&m_events, &ServerEvents::gameStarted, this, [this] { m_rejoin.newGame(); });
    m_servePass.setSingleShot(true);
    m_servePass.setTimerType(Qt::PreciseTimer);
    connect(&m_servePass, &QTimer::timeout, this, &TServer::servePass);
    m_serveClock.start();
}

void TServer::requestsArrived()
{
    if (!m_serveOnArrival || m_oneEntryPerTick) {
        m_socktimer.wake();
        return;
    }
    if (!m_manualTimers && !m_servePass.isActive())
        m_servePass.start(0);
}

void TServer::servePass()
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

TServer::~TServer() = default;

void TServer::buildRequestTable()
{
    using R = const ClientRequest&;
    constexpr SeatField first = SeatField::First;
    constexpr SeatField whole = SeatField::Whole;
    m_requests.add(cmd::logininfo, Sender::OwnSeat, first, [this](R r) {
        if (!m_connections.admitLogin(r.seat))
            return;
        m_seats.receivedlogininfo(r.seat, parse::loginFields(r.afterSeat));
        m_rejoin.loggedIn(r.seat);
        m_seats.catchUpBreak(r.seat);
    });
    m_requests.add(cmd::kickhim, Sender::GameMaster, first,
                   [this](R r) { m_seats.kickhim(parse::kickTarget(r.afterSeat)); });
    m_requests.add(cmd::chat, Sender::OwnSeat, first, [this](R r) {
        if (m_limits.admitChat(r.seat))
            m_relay.chat(r.seat, r.afterSeat);
    });
    m_requests.add(cmd::action, Sender::OwnSeat, first, [this](R r) {
        if (m_limits.admitChat(r.seat))
            m_relay.action(r.seat, r.afterSeat);
    });
    m_requests.add(cmd::startgame, Sender::GameMaster, first,
                   [this](R r) { m_flow.startgame(r.seat, parse::startgameFields(r.afterSeat)); });
    m_requests.add(cmd::draw, Sender::OwnSeat, first, [this](R r) { m_relay.drawit(r.seat, r.payload); });
    m_requests.add(cmd::clearmain, Sender::OwnSeat, whole,
                   [this](R r) { m_relay.clearmain(r.seat, r.payload); });
    m_requests.add(cmd::answer, Sender::OwnSeat, first, [this](R r) {
        if (m_limits.admitGuess(r.seat))
            m_guessing.answer(r.seat, r.afterSeat);
    });
    m_requests.add(cmd::moveit, Sender::OwnSeat, first, [this](R r) { m_relay.moveit(r.seat, r.payload); });
    m_requests.add(cmd::pickcatagory, Sender::OwnSeat, first,
                   [this](R r) { m_flow.pickcatagory(r.seat, parse::pickedCategory(r.afterSeat)); });
    m_requests.add(cmd::pass, Sender::OwnSeat, whole, [this](R r) { m_flow.pass(r.seat); });
    m_requests.add(cmd::justwatch, Sender::OwnSeatOrGameMaster, first,
                   [this](R r) { m_relay.justwatch(r.seat, r.afterSeat); });
    // Only this program's clients send these.
    m_requests.add(cmd::features, Sender::OwnSeat, first, [this](R r) {
        // A client answers the server's features after its log-in, so the catch-up has gone
        // out by now: what it could not say is said here, once.
        const bool knew = m_rejoin.featuresOf(r.seat).contains(feature::turnBreak);
        m_rejoin.receivedFeatures(r.seat, r.afterSeat);
        if (!knew)
            m_seats.catchUpBreak(r.seat);
    });
    m_requests.add(cmd::rejoin, Sender::OwnSeat, first,
                   [this](R r) { m_rejoin.receivedRejoin(r.seat, r.afterSeat); });
    m_requests.add(cmd::undo, Sender::DrawerWhileDrawing, whole, [this](R r) { m_undo.undo(r.seat); });
    m_requests.add(cmd::startoptions, Sender::GameMaster, first, [this](R r) {
        if (const std::optional<QStringList> options = parse::startOptions(r.afterSeat))
            m_flow.startoptions(r.seat, *options);
        else
            throw PictovaError(QStringLiteral("start options are not a list of option words"));
    });
    // Our client may announce what it knows before it logs in.
    m_requests.allowBeforeLogin(cmd::logininfo);
    m_requests.allowBeforeLogin(cmd::features);
    m_requests.setDrawingNow([this](int seat) {
        return m_game.gamerunning && m_game.phase == Phase::Drawing && seat == m_game.drawer;
    });
}

void TServer::setPortName(const QString& port)
{
    m_connections.setPortName(port);
}

void TServer::startListening()
{
    m_connections.startListening();
}

quint16 TServer::listeningPort() const
{
    return m_connections.listeningPort();
}

void TServer::setSoloGameSource(std::function<bool()> source)
{
    m_flow.setSoloGameSource(std::move(source));
}

void TServer::setManualTimers(bool manual)
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

bool TServer::socktimerTimer()
{
    const std::optional<ServerConnections::Request> request = m_connections.takeRequest();
    if (!request)
        return false;
    m_requests.handle(request->text, request->seat, m_players);
    return m_connections.hasRequests();
}

bool TServer::drainTick()
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

void TServer::roundtimeTimer()
{
    m_flow.roundtime().tick();
}

void TServer::setRoundtimeIntervalMs(int ms)
{
    m_flow.roundtime().setIntervalMs(ms);
}

void TServer::setQueueOrder(ReceiveQueue::Order order)
{
    m_connections.setQueueOrder(order);
}

void TServer::setWordLists(const WordLists& lists)
{
    m_words.setLists(lists);
}

void TServer::setWordLanguage(const QString& language)
{
    m_words.setLanguage(language);
}

void TServer::setRandomSeed(quint32 seed)
{
    m_words.seed(seed);
}

} // namespace pictova
