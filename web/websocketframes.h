#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <array>

namespace pictova::web {

// The frames of a WebSocket as the server reads them from a browser: bytes in, in reads of any
// size, whole text messages and control frames out. The server agrees to no extension, so every
// frame must come with its reserved bits clear, and a client masks every frame it sends. Only
// the frame or message not yet complete is held, and a message is refused by its announced
// length before its bytes are held.
class WebSocketFrameReader
{
public:
    enum class Kind { Text, Ping, Pong, Close, Error };
    enum class Error {
        None,
        Unmasked,        // a client's frame without its mask
        ReservedBits,    // a reserved bit set, as no extension was agreed
        UnknownOpcode,   // an opcode with no meaning
        BadLength,       // a 64-bit length with its top bit set
        BadControl,      // a control frame longer than 125 bytes or in fragments
        BadContinuation, // a continuation with no message begun, or a new message before the last ended
        Binary,          // a binary message: the game speaks text
        TooLong,         // a message longer than the limit
        BadUtf8,         // a text message or a close reason that is not UTF-8
        BadClose,        // a close frame with one byte, or with a code no endpoint may send
    };

    struct Event
    {
        Kind kind = Kind::Text;
        // Text: the message, UTF-8. Ping and Pong: their data. Close: the reason, UTF-8.
        QByteArray payload;
        // Close: the peer's code (kNoStatus when it gave none). Error: the code to close with.
        quint16 code = 0;
        Error error = Error::None;

        bool operator==(const Event&) const = default;
    };

    // Close codes.
    static constexpr quint16 kNormal = 1000;
    static constexpr quint16 kProtocolError = 1002;
    static constexpr quint16 kUnsupportedData = 1003;
    static constexpr quint16 kNoStatus = 1005;
    static constexpr quint16 kInvalidPayload = 1007;
    static constexpr quint16 kTooBig = 1009;

    explicit WebSocketFrameReader(qsizetype maxMessageBytes) : m_maxMessageBytes(maxMessageBytes) {}

    // Reads `bytes`, appending what they complete to `events`. A Close or an Error is the last
    // event: the reader takes nothing more after it.
    void feed(QByteArrayView bytes, QList<Event>& events);
    bool stopped() const { return m_stopped; }
    // Bytes held for a frame or a message not yet complete.
    qsizetype pendingSize() const { return m_headSize + m_message.size() + m_control.size(); }

private:
    // Each returns how many bytes of `bytes` it took.
    qsizetype readHead(QByteArrayView bytes, QList<Event>& events);
    qsizetype readPayload(QByteArrayView bytes);
    void frameDone(QList<Event>& events);
    void fail(Error error, QList<Event>& events);

    qsizetype m_maxMessageBytes;
    bool m_stopped = false;
    // The head of the frame being read, while it comes in pieces: at most 2 + 8 + 4 bytes.
    std::array<char, 14> m_head{};
    int m_headSize = 0;
    bool m_inPayload = false;
    // The frame being read.
    quint8 m_opcode = 0;
    bool m_final = false;
    std::array<char, 4> m_mask{};
    quint64 m_payloadLength = 0;
    quint64 m_payloadRead = 0;
    // The text message begun by a frame without its final bit, and the control frame's data.
    bool m_inMessage = false;
    QByteArray m_message;
    QByteArray m_control;
};

// One frame as the server sends it: final, unmasked.
QByteArray serverFrame(quint8 opcode, QByteArrayView payload);
// A close frame's payload: the code, big-endian, then the reason; empty for kNoStatus.
QByteArray closePayload(quint16 code, QByteArrayView reason = {});

namespace opcode {
inline constexpr quint8 kContinuation = 0x0;
inline constexpr quint8 kText = 0x1;
inline constexpr quint8 kBinary = 0x2;
inline constexpr quint8 kClose = 0x8;
inline constexpr quint8 kPing = 0x9;
inline constexpr quint8 kPong = 0xA;
} // namespace opcode

} // namespace pictova::web
