#pragma once

// WebSocket frames byte by byte, for tests that speak to the server as a browser does or as no
// browser should.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace pictova::test {

// A frame as a client sends it: `first` is the first byte (final bit, reserved bits, opcode),
// the length in its shortest form, the payload masked unless `masked` is false.
inline QByteArray clientFrame(quint8 first, QByteArrayView payload, bool masked = true)
{
    static constexpr char kMask[4] = {'\x37', '\xfa', '\x21', '\x3d'};
    const auto size = static_cast<quint64>(payload.size());
    QByteArray frame(1, static_cast<char>(first));
    const char maskBit = masked ? '\x80' : '\0';
    if (size < 126) {
        frame.append(static_cast<char>(maskBit | static_cast<char>(size)));
    } else if (size < 65536) {
        frame.append(static_cast<char>(maskBit | 126));
        for (int shift = 8; shift >= 0; shift -= 8)
            frame.append(static_cast<char>((size >> shift) & 0xFF));
    } else {
        frame.append(static_cast<char>(maskBit | 127));
        for (int shift = 56; shift >= 0; shift -= 8)
            frame.append(static_cast<char>((size >> shift) & 0xFF));
    }
    if (masked)
        frame.append(kMask, 4);
    for (qsizetype i = 0; i < payload.size(); ++i)
        frame.append(masked ? static_cast<char>(payload[i] ^ kMask[i % 4]) : payload[i]);
    return frame;
}

// A close frame's payload: the code, then the reason.
inline QByteArray closeBody(quint16 code, QByteArrayView reason = {})
{
    QByteArray body;
    body.append(static_cast<char>(code >> 8));
    body.append(static_cast<char>(code & 0xFF));
    body.append(reason);
    return body;
}

// The complete unmasked frames at the start of `bytes`, as the server sends them.
struct ServerFrame
{
    quint8 first = 0;
    QByteArray payload;
};

inline QList<ServerFrame> serverFramesOf(QByteArrayView bytes)
{
    QList<ServerFrame> frames;
    qsizetype pos = 0;
    while (bytes.size() - pos >= 2) {
        const auto first = static_cast<quint8>(bytes[pos]);
        quint64 size = static_cast<quint8>(bytes[pos + 1]) & 0x7F;
        qsizetype head = 2;
        const int extra = size == 126 ? 2 : size == 127 ? 8 : 0;
        if (bytes.size() - pos < head + extra)
            break;
        if (extra > 0) {
            size = 0;
            for (int i = 0; i < extra; ++i)
                size = (size << 8) | static_cast<quint8>(bytes[pos + 2 + i]);
            head += extra;
        }
        if (static_cast<quint64>(bytes.size() - pos - head) < size)
            break;
        frames.append({first, bytes.sliced(pos + head, static_cast<qsizetype>(size)).toByteArray()});
        pos += head + static_cast<qsizetype>(size);
    }
    return frames;
}

} // namespace pictova::test
