// A browser's WebSocket frames: any bytes from anyone who reached the web port's "/ws", in reads
// of any size. Whatever the reads, the reader says the same; what it lets through keeps every
// rule (text is UTF-8 and within the limit, control data within 125 bytes), nothing follows a
// close or an error, and it never holds more than the frame and the message being read.
//
// Input: one byte choosing the message limit, one seeding where the reads are cut, then the bytes.

#include "fuzz/fuzzsupport.h"
#include "web/websocketframes.h"

#include <random>

using namespace pictova;
using namespace pictova::web;

namespace {

constexpr qsizetype kMaxHead = 14;

QList<WebSocketFrameReader::Event> readInPieces(QByteArrayView bytes, qsizetype limit, unsigned seed)
{
    WebSocketFrameReader reader(limit);
    QList<WebSocketFrameReader::Event> events;
    std::minstd_rand cuts(seed);
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        // Mostly small reads, now and then a large one, as a network delivers them.
        const qsizetype size = cuts() % 8 == 0 ? static_cast<qsizetype>(cuts() % 4096) + 1
                                               : static_cast<qsizetype>(cuts() % 16) + 1;
        const QByteArrayView piece = bytes.sliced(pos, std::min(size, bytes.size() - pos));
        pos += piece.size();
        reader.feed(piece, events);
        FUZZ_CHECK(reader.pendingSize() <= limit + kMaxHead + 125);
    }
    return events;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    // A small limit is reached by small inputs; zero stands for the server's own.
    const qsizetype limit = data[0] == 0 ? 64 * 1024 : data[0] * 4;
    const unsigned seed = data[1];
    const QByteArrayView bytes(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2));

    WebSocketFrameReader whole(limit);
    QList<WebSocketFrameReader::Event> events;
    whole.feed(bytes, events);
    FUZZ_CHECK(readInPieces(bytes, limit, seed) == events);

    using Kind = WebSocketFrameReader::Kind;
    for (qsizetype i = 0; i < events.size(); ++i) {
        const WebSocketFrameReader::Event& event = events[i];
        switch (event.kind) {
        case Kind::Text:
            FUZZ_CHECK(event.payload.size() <= limit && event.payload.isValidUtf8());
            break;
        case Kind::Ping:
        case Kind::Pong:
            FUZZ_CHECK(event.payload.size() <= 125);
            break;
        case Kind::Close:
            FUZZ_CHECK(event.payload.size() <= 123 && event.payload.isValidUtf8());
            FUZZ_CHECK(event.code == WebSocketFrameReader::kNoStatus ||
                       (event.code >= 1000 && event.code < 5000 && event.code != 1005 && event.code != 1006));
            [[fallthrough]];
        case Kind::Error:
            FUZZ_CHECK(i == events.size() - 1);
            FUZZ_CHECK(whole.stopped());
            break;
        }
    }
    return 0;
}
