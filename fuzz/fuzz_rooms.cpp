// The first bytes of a connection, read for a room request, and the room links a player pastes.
// However the bytes are cut into reads, the gate decides the same; nothing it is given is lost
// (the room request and what it passes on are the whole input, in order); a code it accepts is
// one a server would give, and a link it accepts names such a code.

#include "fuzz/fuzzsupport.h"
#include "messaging/wire.h"
#include "rooms/roomcode.h"
#include "rooms/roomgate.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace pictova;
using namespace pictova::rooms;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string bytes = input.ConsumeRandomLengthString(1024);
    const QByteArray whole(bytes.data(), qsizetype(bytes.size()));

    RoomGate atOnce(0);
    atOnce.feed(whole);
    RoomGate inPieces(0);
    for (qsizetype at = 0; at < whole.size();) {
        const qsizetype piece = qMax<qsizetype>(1, input.ConsumeIntegralInRange<qsizetype>(0, 16));
        inPieces.feed(whole.mid(at, piece));
        at += piece;
    }
    FUZZ_CHECK(atOnce.decision().choice == inPieces.decision().choice);
    FUZZ_CHECK(atOnce.decision().passOn == inPieces.decision().passOn);
    const RoomGate::Decision& d = atOnce.decision();
    if (d.choice == RoomGate::Choice::DefaultRoom)
        FUZZ_CHECK(whole.endsWith(d.passOn) && (d.passOn == whole || !whole.startsWith("CMD_room+")));
    if (d.choice != RoomGate::Choice::DefaultRoom && d.choice != RoomGate::Choice::Undecided)
        FUZZ_CHECK(whole.mid(whole.indexOf(kTerminator) + 1) == d.passOn);
    if (d.choice == RoomGate::Choice::Join)
        FUZZ_CHECK(parseCode(d.code) == d.code);

    const QString text = QString::fromUtf8(whole);
    if (const std::optional<RoomLink> link = parseLink(text)) {
        FUZZ_CHECK(parseCode(link->code) == link->code);
        if (!link->host.isEmpty())
            FUZZ_CHECK(
                parseLink(desktopLink(link->host, link->port ? link->port : 7772, link->code)).has_value());
    }
    return 0;
}
