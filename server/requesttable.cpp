#include "server/requesttable.h"

#include "messaging/errors.h"
#include "messaging/fieldreader.h"
#include "messaging/integer.h"
#include "server/playertable.h"

#include <exception>

namespace pictova {

namespace {

struct SeatVerdict
{
    int seat = 0;
    QString afterSeat;
    QString error; // empty when the seat was read
};

SeatVerdict readSeat(const QString& payload, SeatField seatField)
{
    const auto outside = [](qint32 seat) {
        return QStringLiteral("%1 is outside %2..%3").arg(seat).arg(1).arg(PlayerTable::kSeats);
    };
    if (seatField == SeatField::Whole) {
        const std::optional<qint32> seat = tryParseInteger(payload);
        if (!seat)
            return {0, {}, ConversionError(payload).text()};
        if (!PlayerTable::isSeat(*seat))
            return {0, {}, outside(*seat)};
        return {*seat, {}, {}};
    }
    FieldReader reader(payload);
    const qint32 seat = reader.integerIn(1, PlayerTable::kSeats);
    if (!reader.ok())
        return {0, {}, reader.error()};
    return {seat, reader.rest(), {}};
}

// Why `origin` may not send a request naming `seat`; empty when it may.
QString senderRefusal(Sender sender, int seat, int origin, const PlayerTable& players,
                      const std::function<RequestTable::Turn()>& turnNow)
{
    const RequestTable::Turn turn = turnNow ? turnNow() : RequestTable::Turn{};
    const bool own = seat == origin;
    const bool gameMaster = origin == players.gameMaster();
    switch (sender) {
    case Sender::OwnSeat:
        break;
    case Sender::OwnSeatOrGameMaster:
        if (own || gameMaster)
            return {};
        return QStringLiteral("seat %1 may not do that for seat %2").arg(origin).arg(seat);
    case Sender::GameMaster:
        if (own && !gameMaster)
            return QStringLiteral("only the game master may do that, not seat %1").arg(origin);
        break;
    case Sender::Drawer:
        if (own && (turn.drawer == 0 || origin != turn.drawer))
            return QStringLiteral("only the drawer may do that, not seat %1").arg(origin);
        break;
    case Sender::DrawerWhileDrawing:
        if (own && (turn.drawer == 0 || origin != turn.drawer || !turn.drawing))
            return QStringLiteral("only the drawer may do that while drawing, not seat %1").arg(origin);
        break;
    }
    if (!own)
        return QStringLiteral("seat %1 sent a request in the name of seat %2").arg(origin).arg(seat);
    return {};
}

} // namespace

void RequestTable::on(protocol::Id id, Handler handler)
{
    const protocol::Message& message = protocol::message(id);
    Q_ASSERT(message.toServer());
    const SeatField seatField = message.request.size() == 1 ? SeatField::Whole : SeatField::First;
    m_entries.push_back(
        {message.qName(), message.sender, seatField, std::move(handler), message.beforeLogin, &message});
}

QStringList RequestTable::missingHandlers() const
{
    QStringList missing;
    for (const protocol::Message& message : protocol::messages()) {
        // The room request never reaches a room: the front reads it before any seat is given.
        const bool served = message.toServer() && !message.beforeSeat;
        const Entry* entry = served ? find(message.qName()) : nullptr;
        if (served && (!entry || !entry->handler))
            missing << message.qName();
    }
    return missing;
}

void RequestTable::add(const QString& name, Sender sender, SeatField seatField, Handler handler)
{
    m_entries.push_back({name, sender, seatField, std::move(handler)});
}

void RequestTable::allowBeforeLogin(const QString& name)
{
    for (Entry& entry : m_entries)
        if (entry.name == name)
            entry.beforeLogin = true;
}

const RequestTable::Entry* RequestTable::find(const QString& name) const
{
    for (const Entry& entry : m_entries)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

bool RequestTable::handle(const QString& entry, int originSeat, const PlayerTable& players) const
{
    const qsizetype plus = entry.indexOf(QLatin1Char('+'));
    // Empty messages and noise without a name are dropped without a word.
    if (plus <= 0)
        return false;
    const QString name = entry.left(plus);
    const Entry* known = find(name);
    if (!known) {
        reportPeerError(name, QStringLiteral("not a request of this game"));
        return false;
    }
    // A connection that has not said who it is has no name to speak under.
    if (!known->beforeLogin && !players.at(originSeat).loggedIn) {
        reportPeerError(name, QStringLiteral("seat %1 has not logged in").arg(originSeat));
        return false;
    }
    ClientRequest request;
    request.payload = entry.mid(plus + 1);
    const SeatVerdict seat = readSeat(request.payload, known->seatField);
    if (!seat.error.isEmpty()) {
        reportPeerError(name, seat.error);
        return false;
    }
    const QString refusal = senderRefusal(known->sender, seat.seat, originSeat, players, m_turn);
    if (!refusal.isEmpty()) {
        // A turn that passes while its drawer still draws is no fault of the drawer's.
        const bool drawerLate = seat.seat == originSeat && (known->sender == Sender::Drawer ||
                                                            known->sender == Sender::DrawerWhileDrawing);
        if (!drawerLate)
            reportPeerError(name, refusal);
        return false;
    }
    request.seat = seat.seat;
    request.afterSeat = seat.afterSeat;
    if (known->message) {
        QString error;
        std::optional<protocol::Values> fields =
            protocol::decode(known->message->id, protocol::Direction::ToServer, request.payload, &error);
        if (!fields) {
            reportPeerError(name, error);
            return false;
        }
        request.fields = std::move(*fields);
        // A refused line costs nothing more; the allowance counts it.
        if (m_admit && !m_admit(known->message->rate, request.seat))
            return false;
    }
    try {
        known->handler(request);
    } catch (const PictovaError& error) {
        reportPeerError(name, error.text());
    } catch (const std::exception& error) {
        reportPeerError(name, QString::fromLocal8Bit(error.what()));
    }
    return true;
}

} // namespace pictova
