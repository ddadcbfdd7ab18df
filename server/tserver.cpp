#include "server/tserver.h"

#include "messaging/errors.h"
#include "server/senderrule.h"

namespace pictova {

namespace {
constexpr int kSocktimerIntervalMs = 10;
}

TServer::TServer(QObject* parent)
    : QObject(parent), m_connections(
                           m_players, m_events, [this](int seat) { m_seats.seatTaken(seat); },
                           [this](int seat) { m_seats.seatFreed(seat); }, [this] { m_socktimer.wake(); }),
      m_outbox(m_players,
               [this](int seat, const QByteArray& bytes) { m_connections.sendToSeat(seat, bytes); }),
      m_flow(m_players, m_game, m_outbox, m_words, m_drawing, m_events),
      m_guessing(m_players, m_game, m_outbox, m_flow),
      m_relay(m_players, m_game, m_outbox, m_drawing, m_flow),
      m_seats(m_players, m_game, m_outbox, m_drawing, m_flow, m_events,
              [this](int seat) { m_connections.disconnectsock(seat); }),
      m_socktimer(kSocktimerIntervalMs, [this] { return drainTick(); })
{
    buildCommandTable();
}

TServer::~TServer() = default;

void TServer::buildCommandTable()
{
    m_commands.add(cmd::logininfo, [this](const QString& p) { m_seats.receivedlogininfo(p); });
    m_commands.add(cmd::kickhim, [this](const QString& p) { m_seats.kickhim(p); });
    m_commands.add(cmd::chat, [this](const QString& p) { m_relay.chat(p); });
    m_commands.add(cmd::action, [this](const QString& p) { m_relay.action(p); });
    m_commands.add(cmd::startgame, [this](const QString& p) { m_flow.startgame(p); });
    m_commands.add(cmd::draw, [this](const QString& p) { m_relay.drawit(p); });
    m_commands.add(cmd::clearmain, [this](const QString& p) { m_relay.clearmain(p); });
    m_commands.add(cmd::answer, [this](const QString& p) { m_guessing.answer(p); });
    m_commands.add(cmd::moveit, [this](const QString& p) { m_relay.moveit(p); });
    m_commands.add(cmd::pickcatagory, [this](const QString& p) { m_flow.pickcatagory(p); });
    m_commands.add(cmd::pass, [this](const QString& p) { m_flow.pass(p); });
    m_commands.add(cmd::justwatch, [this](const QString& p) { m_relay.justwatch(p); });
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
    m_flow.roundtime().setManual(manual);
    m_connections.loginDeadline().setManual(manual);
    if (!manual && m_connections.hasRequests())
        m_socktimer.wake();
}

bool TServer::socktimerTimer()
{
    const std::optional<ServerConnections::Request> request = m_connections.takeRequest();
    if (!request)
        return false;
    const SplitEntry entry = splitEntry(request->text);
    if (!entry.name.isEmpty()) {
        const SenderVerdict verdict = checkSender(entry.name, entry.payload, request->seat);
        if (verdict.accepted)
            m_commands.dispatch(request->text);
        else
            reportPeerError(entry.name, verdict.error);
    }
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

void TServer::setRandomSeed(quint32 seed)
{
    m_words.seed(seed);
}

} // namespace pictova
