#include "server/senderrule.h"

#include "messaging/catalogue.h"
#include "messaging/fieldreader.h"
#include "server/playertable.h"

namespace pictova {

namespace {
// The host's own client always connects first, so it holds seat 1.
constexpr int kHostSeat = 1;

SenderVerdict refuse(const QString& error)
{
    return {false, error};
}
} // namespace

SenderVerdict checkSender(const QString& command, const QString& payload, int originSeat)
{
    static const QStringList kSeatFirst = {cmd::logininfo, cmd::kickhim,      cmd::chat,      cmd::action,
                                           cmd::startgame, cmd::draw,         cmd::clearmain, cmd::answer,
                                           cmd::moveit,    cmd::pickcatagory, cmd::pass,      cmd::justwatch};
    if (!kSeatFirst.contains(command))
        return {true, {}}; // unknown names are the dispatcher's to drop

    FieldReader reader(payload);
    const qint32 seat = reader.integerIn(1, PlayerTable::kSeats);
    if (command == cmd::kickhim)
        reader.integerIn(1, PlayerTable::kSeats);
    if (!reader.ok())
        return refuse(reader.error());

    const bool own = seat == originSeat;
    if (command == cmd::justwatch) {
        // The host may set any seat to watch; everyone else only their own.
        if (!own && originSeat != kHostSeat)
            return refuse(
                QStringLiteral("seat %1 may not set the watch state of seat %2").arg(originSeat).arg(seat));
        return {true, {}};
    }
    if (!own)
        return refuse(
            QStringLiteral("seat %1 sent a request in the name of seat %2").arg(originSeat).arg(seat));
    if ((command == cmd::kickhim || command == cmd::startgame) && originSeat != kHostSeat)
        return refuse(QStringLiteral("only the host may do that, not seat %1").arg(originSeat));
    return {true, {}};
}

} // namespace pictova
