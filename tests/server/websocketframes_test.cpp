// The WebSocket frame reader: every rule a browser's frames must keep, at each length form's
// limits and the message limit, whole and cut into pieces anywhere.
#include "tests/server/websocketbytes.h"
#include "web/websocketframes.h"

#include <gtest/gtest.h>

namespace pictova::test {
namespace {

using web::WebSocketFrameReader;
using Event = WebSocketFrameReader::Event;
using Kind = WebSocketFrameReader::Kind;
using Error = WebSocketFrameReader::Error;

constexpr qsizetype kLimit = 64 * 1024;

// First bytes: final or not, and the opcode.
constexpr quint8 kFinal = 0x80;
constexpr quint8 kText = kFinal | 0x1;
constexpr quint8 kBinary = kFinal | 0x2;
constexpr quint8 kClose = kFinal | 0x8;
constexpr quint8 kPing = kFinal | 0x9;
constexpr quint8 kPong = kFinal | 0xA;
constexpr quint8 kTextBegun = 0x1;
constexpr quint8 kMore = 0x0;
constexpr quint8 kLast = kFinal | 0x0;

Event text(const QByteArray& message)
{
    return {Kind::Text, message};
}
Event ping(const QByteArray& data)
{
    return {Kind::Ping, data};
}
Event pong(const QByteArray& data)
{
    return {Kind::Pong, data};
}
Event closed(quint16 code, const QByteArray& reason = {})
{
    return {Kind::Close, reason, code};
}
Event error(Error kind, quint16 code = WebSocketFrameReader::kProtocolError)
{
    return {Kind::Error, {}, code, kind};
}

QByteArray frames(std::initializer_list<QByteArray> parts)
{
    QByteArray all;
    for (const QByteArray& part : parts)
        all += part;
    return all;
}

// A 64-bit length as a client may send it, top bit set, no payload.
QByteArray hugeLengthHead()
{
    QByteArray head("\x81\xff", 2);
    head += QByteArray("\x80\0\0\0\0\0\0\0", 8);
    head += QByteArray("\1\2\3\4", 4);
    return head;
}

QList<Event> read(const QList<QByteArrayView>& pieces, qsizetype* maxPending = nullptr)
{
    WebSocketFrameReader reader(kLimit);
    QList<Event> events;
    for (const QByteArrayView piece : pieces) {
        reader.feed(piece, events);
        if (maxPending)
            *maxPending = std::max(*maxPending, reader.pendingSize());
    }
    return events;
}

TEST(WebSocketFrames, EachRuleHoldsWholeAndCutAnywhere)
{
    struct Case
    {
        const char* name;
        QByteArray bytes;
        QList<Event> expected;
    };
    const QByteArray chat = "CMD_chat+1+hi";
    const auto of = [](qsizetype size) { return QByteArray(size, 'a'); };
    const QList<Case> cases = {
        {"masked text", clientFrame(kText, chat), {text(chat)}},
        {"empty text", clientFrame(kText, ""), {text("")}},
        {"unmasked text", clientFrame(kText, chat, false), {error(Error::Unmasked)}},
        {"125: the longest 7-bit length", clientFrame(kText, of(125)), {text(of(125))}},
        {"126: the shortest 16-bit length", clientFrame(kText, of(126)), {text(of(126))}},
        {"65535: the longest 16-bit length", clientFrame(kText, of(65535)), {text(of(65535))}},
        {"65536: a 64-bit length, the message limit", clientFrame(kText, of(kLimit)), {text(of(kLimit))}},
        {"one past the message limit",
         clientFrame(kText, of(kLimit + 1)),
         {error(Error::TooLong, WebSocketFrameReader::kTooBig)}},
        {"a 64-bit length with its top bit set", hugeLengthHead(), {error(Error::BadLength)}},
        {"fragments",
         frames({clientFrame(kTextBegun, "CMD_"), clientFrame(kMore, "chat"), clientFrame(kLast, "+1+hi")}),
         {text(chat)}},
        {"empty fragments", frames({clientFrame(kTextBegun, ""), clientFrame(kLast, chat)}), {text(chat)}},
        {"fragments at the message limit",
         frames({clientFrame(kTextBegun, of(kLimit - 1)), clientFrame(kLast, "b")}),
         {text(of(kLimit - 1) + "b")}},
        {"fragments one past the message limit",
         frames({clientFrame(kTextBegun, of(kLimit - 1)), clientFrame(kLast, "bc")}),
         {error(Error::TooLong, WebSocketFrameReader::kTooBig)}},
        {"a character cut between fragments",
         frames({clientFrame(kTextBegun, "\xe2\x9c"), clientFrame(kLast, "\x8f")}),
         {text("\xe2\x9c\x8f")}},
        {"ping and pong between fragments",
         frames({clientFrame(kTextBegun, "CMD_"), clientFrame(kPing, "p1"), clientFrame(kPong, ""),
                 clientFrame(kLast, "chat")}),
         {ping("p1"), pong(""), text("CMD_chat")}},
        {"close between fragments",
         frames({clientFrame(kTextBegun, "CMD_"), clientFrame(kClose, closeBody(1001))}),
         {closed(1001)}},
        {"ping of 125 bytes", clientFrame(kPing, of(125)), {ping(of(125))}},
        {"ping of 126 bytes", clientFrame(kPing, of(126)), {error(Error::BadControl)}},
        {"ping in fragments",
         frames({clientFrame(0x9, "p"), clientFrame(kLast, "q")}),
         {error(Error::BadControl)}},
        {"close of 126 bytes", clientFrame(kClose, closeBody(1000, of(124))), {error(Error::BadControl)}},
        {"binary",
         clientFrame(kBinary, chat),
         {error(Error::Binary, WebSocketFrameReader::kUnsupportedData)}},
        {"opcode 3", clientFrame(kFinal | 0x3, chat), {error(Error::UnknownOpcode)}},
        {"opcode 7", clientFrame(kFinal | 0x7, chat), {error(Error::UnknownOpcode)}},
        {"opcode 11", clientFrame(kFinal | 0xB, ""), {error(Error::UnknownOpcode)}},
        {"opcode 15", clientFrame(kFinal | 0xF, ""), {error(Error::UnknownOpcode)}},
        {"reserved bit 1", clientFrame(kText | 0x40, chat), {error(Error::ReservedBits)}},
        {"reserved bit 2", clientFrame(kText | 0x20, chat), {error(Error::ReservedBits)}},
        {"reserved bit 3 on a ping", clientFrame(kPing | 0x10, ""), {error(Error::ReservedBits)}},
        {"a continuation with nothing begun", clientFrame(kLast, chat), {error(Error::BadContinuation)}},
        {"a new message before the last ended",
         frames({clientFrame(kTextBegun, "a"), clientFrame(kText, "b")}),
         {error(Error::BadContinuation)}},
        {"an overlong form",
         clientFrame(kText, "\xc0\xaf"),
         {error(Error::BadUtf8, WebSocketFrameReader::kInvalidPayload)}},
        {"a surrogate",
         clientFrame(kText, "\xed\xa0\x80"),
         {error(Error::BadUtf8, WebSocketFrameReader::kInvalidPayload)}},
        {"past U+10FFFF",
         clientFrame(kText, "\xf4\x90\x80\x80"),
         {error(Error::BadUtf8, WebSocketFrameReader::kInvalidPayload)}},
        {"a message ending inside a character",
         frames({clientFrame(kTextBegun, "ok"), clientFrame(kLast, "\xe2\x9c")}),
         {error(Error::BadUtf8, WebSocketFrameReader::kInvalidPayload)}},
        {"close without a code", clientFrame(kClose, ""), {closed(WebSocketFrameReader::kNoStatus)}},
        {"close 1000 with a reason", clientFrame(kClose, closeBody(1000, "bye ✏")), {closed(1000, "bye ✏")}},
        {"close 1011", clientFrame(kClose, closeBody(1011)), {closed(1011)}},
        {"close 3000", clientFrame(kClose, closeBody(3000)), {closed(3000)}},
        {"close 4999", clientFrame(kClose, closeBody(4999)), {closed(4999)}},
        {"close of one byte", clientFrame(kClose, "\x03"), {error(Error::BadClose)}},
        {"close 999", clientFrame(kClose, closeBody(999)), {error(Error::BadClose)}},
        {"close 1004", clientFrame(kClose, closeBody(1004)), {error(Error::BadClose)}},
        {"close 1005", clientFrame(kClose, closeBody(1005)), {error(Error::BadClose)}},
        {"close 1006", clientFrame(kClose, closeBody(1006)), {error(Error::BadClose)}},
        {"close 1015", clientFrame(kClose, closeBody(1015)), {error(Error::BadClose)}},
        {"close 2999", clientFrame(kClose, closeBody(2999)), {error(Error::BadClose)}},
        {"close 5000", clientFrame(kClose, closeBody(5000)), {error(Error::BadClose)}},
        {"close with a reason not UTF-8",
         clientFrame(kClose, closeBody(1000, "\xff")),
         {error(Error::BadUtf8, WebSocketFrameReader::kInvalidPayload)}},
        // Nothing is read after a close or an error.
        {"a message after a close",
         frames({clientFrame(kClose, ""), clientFrame(kText, chat)}),
         {closed(WebSocketFrameReader::kNoStatus)}},
        {"a message after an error",
         frames({clientFrame(kText, chat, false), clientFrame(kText, chat)}),
         {error(Error::Unmasked)}},
        {"two messages", frames({clientFrame(kText, "a"), clientFrame(kText, "b")}), {text("a"), text("b")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        qsizetype maxPending = 0;
        EXPECT_EQ(read({c.bytes}, &maxPending), c.expected);
        // Nothing but the frame in reading and the message begun is held, never past the limit.
        EXPECT_LE(maxPending, kLimit + 14);
        QList<QByteArrayView> bytes;
        for (qsizetype i = 0; i < c.bytes.size(); ++i)
            bytes.append(QByteArrayView(c.bytes).sliced(i, 1));
        EXPECT_EQ(read(bytes), c.expected) << "a byte at a time";
        if (c.bytes.size() > 300)
            continue;
        for (qsizetype cut = 1; cut < c.bytes.size(); ++cut)
            ASSERT_EQ(read({QByteArrayView(c.bytes).first(cut), QByteArrayView(c.bytes).sliced(cut)}),
                      c.expected)
                << "cut at " << cut;
    }
}

TEST(WebSocketFrames, ATooLongMessageIsRefusedByItsLengthBeforeItsBytesAreHeld)
{
    WebSocketFrameReader reader(kLimit);
    QList<Event> events;
    reader.feed(clientFrame(kText, QByteArray(kLimit + 1, 'a')).first(14), events);
    EXPECT_EQ(events, QList<Event>({error(Error::TooLong, WebSocketFrameReader::kTooBig)}));
    EXPECT_TRUE(reader.stopped());
    EXPECT_EQ(reader.pendingSize(), 0);
}

TEST(WebSocketFrames, TheServersFramesUseTheShortestLengthAndNoMask)
{
    for (const qsizetype size : {0, 125, 126, 65535, 65536}) {
        SCOPED_TRACE(size);
        const QByteArray payload(size, 'x');
        const QByteArray frame = web::serverFrame(web::opcode::kText, payload);
        const qsizetype head = size < 126 ? 2 : size < 65536 ? 4 : 10;
        EXPECT_EQ(frame.size(), head + size);
        EXPECT_EQ(static_cast<quint8>(frame[0]), kText);
        EXPECT_EQ(static_cast<quint8>(frame[1]) & 0x80, 0);
        const QList<ServerFrame> frames = serverFramesOf(frame);
        ASSERT_EQ(frames.size(), 1);
        EXPECT_EQ(frames[0].payload, payload);
    }
    EXPECT_EQ(web::closePayload(1009), closeBody(1009));
    EXPECT_TRUE(web::closePayload(WebSocketFrameReader::kNoStatus).isEmpty());
}

} // namespace
} // namespace pictova::test
