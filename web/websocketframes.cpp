#include "web/websocketframes.h"

#include <algorithm>
#include <utility>

namespace pictova::web {

namespace {
constexpr quint8 kFinalBit = 0x80;
constexpr quint8 kReservedBits = 0x70;
constexpr quint8 kMaskBit = 0x80;
constexpr int kMaxControlPayload = 125;

bool isControl(quint8 code)
{
    return (code & 0x8) != 0;
}

bool isKnown(quint8 code)
{
    return code <= opcode::kBinary || (code >= opcode::kClose && code <= opcode::kPong);
}

// The codes a peer may close with: the protocol's own (less those that only name what happened
// locally: no status, connection lost, TLS failure) and the ones left to applications.
bool isValidCloseCode(quint16 code)
{
    return (code >= 1000 && code <= 1003) || (code >= 1007 && code <= 1014) || (code >= 3000 && code <= 4999);
}

quint16 closeCodeOf(WebSocketFrameReader::Error error)
{
    using Error = WebSocketFrameReader::Error;
    switch (error) {
    case Error::Binary:
        return WebSocketFrameReader::kUnsupportedData;
    case Error::TooLong:
        return WebSocketFrameReader::kTooBig;
    case Error::BadUtf8:
        return WebSocketFrameReader::kInvalidPayload;
    default:
        return WebSocketFrameReader::kProtocolError;
    }
}
} // namespace

void WebSocketFrameReader::feed(QByteArrayView bytes, QList<Event>& events)
{
    qsizetype pos = 0;
    while (!m_stopped && pos < bytes.size()) {
        if (!m_inPayload) {
            pos += readHead(bytes.sliced(pos), events);
            if (!m_inPayload)
                continue;
        }
        pos += readPayload(bytes.sliced(pos));
        if (m_payloadRead == m_payloadLength)
            frameDone(events);
    }
}

qsizetype WebSocketFrameReader::readHead(QByteArrayView bytes, QList<Event>& events)
{
    qsizetype used = 0;
    const auto take = [&](int upTo) {
        const qsizetype n = std::min<qsizetype>(upTo - m_headSize, bytes.size() - used);
        std::copy_n(bytes.data() + used, n, m_head.data() + m_headSize);
        m_headSize += static_cast<int>(n);
        used += n;
        return m_headSize == upTo;
    };
    if (!take(2))
        return used;
    const auto first = static_cast<quint8>(m_head[0]);
    const auto second = static_cast<quint8>(m_head[1]);
    const quint8 code = first & 0x0F;
    const bool final = (first & kFinalBit) != 0;
    const int shortLength = second & 0x7F;
    // Checked before the rest of the head: a frame that breaks a rule is refused at once.
    if ((first & kReservedBits) != 0) {
        fail(Error::ReservedBits, events);
        return used;
    }
    if (!isKnown(code)) {
        fail(Error::UnknownOpcode, events);
        return used;
    }
    if ((second & kMaskBit) == 0) {
        fail(Error::Unmasked, events);
        return used;
    }
    if (isControl(code) && (!final || shortLength > kMaxControlPayload)) {
        fail(Error::BadControl, events);
        return used;
    }
    if (code == opcode::kBinary) {
        fail(Error::Binary, events);
        return used;
    }
    if ((code == opcode::kContinuation) != m_inMessage && !isControl(code)) {
        fail(Error::BadContinuation, events);
        return used;
    }
    const int lengthBytes = shortLength == 126 ? 2 : shortLength == 127 ? 8 : 0;
    if (!take(2 + lengthBytes + 4))
        return used;

    quint64 length = static_cast<quint64>(shortLength);
    if (lengthBytes > 0) {
        length = 0;
        for (int i = 0; i < lengthBytes; ++i)
            length = (length << 8) | static_cast<quint8>(m_head[2 + i]);
    }
    if (lengthBytes == 8 && (length >> 63) != 0) {
        fail(Error::BadLength, events);
        return used;
    }
    // Refused by what it announces, before a byte of it is held.
    if (!isControl(code) && length > static_cast<quint64>(m_maxMessageBytes - m_message.size())) {
        fail(Error::TooLong, events);
        return used;
    }
    std::copy_n(m_head.data() + 2 + lengthBytes, 4, m_mask.data());
    m_opcode = code;
    m_final = final;
    m_payloadLength = length;
    m_payloadRead = 0;
    m_headSize = 0;
    m_inPayload = true;
    return used;
}

qsizetype WebSocketFrameReader::readPayload(QByteArrayView bytes)
{
    const qsizetype n = static_cast<qsizetype>(
        std::min<quint64>(m_payloadLength - m_payloadRead, static_cast<quint64>(bytes.size())));
    if (n == 0)
        return 0;
    QByteArray& into = isControl(m_opcode) ? m_control : m_message;
    const qsizetype start = into.size();
    into.resize(start + n);
    char* out = into.data() + start;
    const char* in = bytes.data();
    const auto offset = static_cast<qsizetype>(m_payloadRead);
    for (qsizetype i = 0; i < n; ++i)
        out[i] = static_cast<char>(in[i] ^ m_mask[(offset + i) & 3]);
    m_payloadRead += static_cast<quint64>(n);
    return n;
}

void WebSocketFrameReader::frameDone(QList<Event>& events)
{
    m_inPayload = false;
    if (isControl(m_opcode)) {
        QByteArray data = std::exchange(m_control, QByteArray());
        if (m_opcode == opcode::kPing) {
            events.append({Kind::Ping, std::move(data)});
            return;
        }
        if (m_opcode == opcode::kPong) {
            events.append({Kind::Pong, std::move(data)});
            return;
        }
        if (data.isEmpty()) {
            events.append({Kind::Close, {}, kNoStatus});
        } else {
            if (data.size() < 2)
                return fail(Error::BadClose, events);
            const auto code =
                static_cast<quint16>((static_cast<quint8>(data[0]) << 8) | static_cast<quint8>(data[1]));
            if (!isValidCloseCode(code))
                return fail(Error::BadClose, events);
            QByteArray reason = data.sliced(2);
            if (!reason.isValidUtf8())
                return fail(Error::BadUtf8, events);
            events.append({Kind::Close, std::move(reason), code});
        }
        m_stopped = true;
        m_message = QByteArray();
        return;
    }
    m_inMessage = !m_final;
    if (!m_final)
        return;
    QByteArray message = std::exchange(m_message, QByteArray());
    if (!message.isValidUtf8())
        return fail(Error::BadUtf8, events);
    events.append({Kind::Text, std::move(message)});
}

void WebSocketFrameReader::fail(Error error, QList<Event>& events)
{
    events.append({Kind::Error, {}, closeCodeOf(error), error});
    m_stopped = true;
    m_inPayload = false;
    m_headSize = 0;
    m_message = QByteArray();
    m_control = QByteArray();
}

QByteArray serverFrame(quint8 code, QByteArrayView payload)
{
    const auto size = static_cast<quint64>(payload.size());
    QByteArray frame;
    frame.reserve(payload.size() + 10);
    frame.append(static_cast<char>(kFinalBit | code));
    if (size < 126) {
        frame.append(static_cast<char>(size));
    } else if (size < 65536) {
        frame.append(static_cast<char>(126));
        frame.append(static_cast<char>((size >> 8) & 0xFF));
        frame.append(static_cast<char>(size & 0xFF));
    } else {
        frame.append(static_cast<char>(127));
        for (int shift = 56; shift >= 0; shift -= 8)
            frame.append(static_cast<char>((size >> shift) & 0xFF));
    }
    frame.append(payload);
    return frame;
}

QByteArray closePayload(quint16 code, QByteArrayView reason)
{
    if (code == WebSocketFrameReader::kNoStatus)
        return {};
    QByteArray payload;
    payload.append(static_cast<char>(code >> 8));
    payload.append(static_cast<char>(code & 0xFF));
    payload.append(reason);
    return payload;
}

} // namespace pictova::web
