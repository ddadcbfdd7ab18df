// What our client reads of a server's rooms: a list connection's bytes (RoomListReader), and the
// room notices a game connection gets before and around its seat (ClientSession). However the
// list's bytes are cut into reads, the reader ends the same way with the same rooms, keeps at most
// its cap, and keeps only codes a server would give; the session takes a room only from a notice
// it asked for, before its seat, and what it keeps of one stays within its limits.

#include "client/model/clientsession.h"
#include "client/model/roomlister.h"
#include "fuzz/fuzzsupport.h"
#include "fuzz/protocolfields.h"
#include "messaging/catalogue.h"
#include "messaging/wire.h"
#include "rooms/roomcode.h"
#include "rooms/roomdirectory.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace pictova;

namespace {

const std::vector<const protocol::Message*> kRoomMessages = [] {
    std::vector<const protocol::Message*> messages;
    for (protocol::Id id : {protocol::Id::inroom, protocol::Id::roomlisted, protocol::Id::roomlistend,
                            protocol::Id::roomrefused, protocol::Id::sendlogininfo, protocol::Id::features})
        messages.push_back(&protocol::message(id));
    return messages;
}();

// One message a server might send: mostly a room message of the table, its fields as the table
// has them or near, sometimes anything.
QString message(FuzzedDataProvider& input)
{
    if (input.ConsumeIntegralInRange<int>(0, 9) == 0)
        return fuzz::anyText(input, 64);
    const protocol::Message& m =
        *kRoomMessages[input.ConsumeIntegralInRange<size_t>(0, kRoomMessages.size() - 1)];
    QStringList fields;
    for (const protocol::Field& f : m.notice)
        fields << fuzz::fieldText(input, f);
    return m.qName() + QLatin1Char('+') + fields.join(QLatin1Char('+'));
}

bool sameRooms(const QList<ListedRoom>& a, const QList<ListedRoom>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].code != b[i].code || a[i].name != b[i].name || a[i].players != b[i].players ||
            a[i].running != b[i].running)
            return false;
    return true;
}

void checkList(FuzzedDataProvider& input)
{
    QByteArray bytes;
    const QString row = message(input);
    if (input.ConsumeBool()) {
        // The same row many times, to reach the cap.
        const QByteArray framed = frameEntry(row);
        bytes = framed.repeated(input.ConsumeIntegralInRange<int>(0, RoomListReader::kMaxRooms + 2));
    } else {
        const int rows = input.ConsumeIntegralInRange<int>(0, 8);
        for (int i = 0; i < rows; ++i)
            bytes += frameEntry(message(input));
    }
    const std::string tail = input.ConsumeRandomLengthString(256);
    bytes += QByteArray(tail.data(), qsizetype(tail.size()));

    RoomListReader atOnce;
    atOnce.feed(bytes);
    RoomListReader inPieces;
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype piece = std::max<qsizetype>(1, input.ConsumeIntegralInRange<qsizetype>(0, 64));
        inPieces.feed(bytes.mid(at, piece));
        at += piece;
    }
    FUZZ_CHECK(atOnce.state() == inPieces.state());
    FUZZ_CHECK(sameRooms(atOnce.rooms(), inPieces.rooms()));
    FUZZ_CHECK(atOnce.rooms().size() <= RoomListReader::kMaxRooms);
    for (const ListedRoom& room : atOnce.rooms()) {
        FUZZ_CHECK(rooms::parseCode(room.code) == room.code);
        FUZZ_CHECK(room.name.size() <= RoomListReader::kMaxNameLength);
        FUZZ_CHECK(room.players >= 0 && room.players <= protocol::kSeats);
    }
    // Done is done: nothing after the end of the list is read.
    const RoomListReader::State state = atOnce.state();
    const qsizetype kept = atOnce.rooms().size();
    atOnce.feed(frameEntry(row) + frameEntry(QStringLiteral("CMD_roomlistend+")));
    if (state != RoomListReader::State::Reading) {
        FUZZ_CHECK(atOnce.state() == state);
        FUZZ_CHECK(atOnce.rooms().size() == kept);
    }
}

void checkSession(FuzzedDataProvider& input)
{
    QList<QByteArray> sent;
    ClientSession session;
    session.setSendOverride([&](const QByteArray& out) { sent << out; });
    session.setManualDrain(true);
    session.setLoginName(QStringLiteral("Me"));
    const int ask = input.ConsumeIntegralInRange<int>(0, 2);
    if (ask == 1)
        session.setRoomAsk(RoomAsk::join(QStringLiteral("K7QXD")));
    else if (ask == 2)
        session.setRoomAsk(RoomAsk::create(fuzz::anyText(input), input.ConsumeBool()));
    int messages = 0;
    while (input.remaining_bytes() > 0 && messages++ < 32) {
        const QString code = session.roomCode();
        const bool seated = session.model().mySeat() != 0;
        session.queueEntry(message(input));
        while (session.processsocktimer()) {
        }
        // A room is only ever the one asked for, and only before the seat.
        if (code != session.roomCode())
            FUZZ_CHECK(ask != 0 && !seated);
        FUZZ_CHECK(session.roomCode().isEmpty() ||
                   rooms::parseCode(session.roomCode()) == session.roomCode());
        FUZZ_CHECK(session.roomName().size() <= rooms::RoomDirectory::kMaxNameLength);
        FUZZ_CHECK(!session.mayVoteToRemove(session.model().mySeat()));
        const QString webLink = session.roomWebLink();
        if (!webLink.isEmpty())
            FUZZ_CHECK(webLink.endsWith(QStringLiteral("/r/") + session.roomCode()));
    }
    for (const QByteArray& bytes : sent)
        FUZZ_CHECK(bytes.endsWith(kTerminator));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startCoreApplication(argc, argv);
    fuzz::captureReportedErrors();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool())
        checkList(input);
    else
        checkSession(input);
    fuzz::takeReportedErrors();
    return 0;
}
