#pragma once

// Messages made from the protocol table: each field mostly of its kind and within its range,
// often at an end of the range or one past it, sometimes anything at all. A message added to the
// table is fuzzed without a word here.

#include "messaging/protocol.h"
#include "messaging/wire.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <vector>

namespace pictova::fuzz {

inline QString anyText(FuzzedDataProvider& input, size_t max = 24)
{
    return fromWire(QByteArray::fromStdString(input.ConsumeRandomLengthString(max)));
}

inline QString rangedNumber(FuzzedDataProvider& input, qint32 low, qint32 high)
{
    const qint64 below = qint64(low) - 1;
    const qint64 above = qint64(high) + 1;
    switch (input.ConsumeIntegralInRange<int>(0, 7)) {
    case 0:
        return QString::number(input.ConsumeBool() ? below : above);
    case 1:
        return QString::number(input.ConsumeBool() ? low : high);
    case 2: {
        static const QStringList odd = {"", " 3", "$7FFFFFFF", "0x10", "+", "-2147483648", "2147483648"};
        return odd[input.ConsumeIntegralInRange<qsizetype>(0, odd.size() - 1)];
    }
    default:
        // Most ranges are small; a wide one is fuzzed near zero, where the game's values lie.
        return QString::number(
            input.ConsumeIntegralInRange<qint32>(std::max(low, qint32(-100)), std::min(high, qint32(1000))));
    }
}

// The text of one field of `field`'s kind.
inline QString fieldText(FuzzedDataProvider& input, const protocol::Field& field)
{
    using protocol::Kind;
    if (input.ConsumeIntegralInRange<int>(0, 15) == 0)
        return anyText(input, 12);
    switch (field.kind) {
    case Kind::Integer:
        return rangedNumber(input, field.low, field.high);
    case Kind::Flag:
        return input.ConsumeBool() ? QStringLiteral("true") : QStringLiteral("false");
    case Kind::WatchFlag:
        return QString::number(input.ConsumeIntegralInRange<int>(0, 3));
    case Kind::Word:
        return anyText(input, 8).remove(QLatin1Char('+'));
    case Kind::Colour: {
        static const QStringList names = {"clBlack", "clred",  "$00FF00",  "536870911",
                                          "-1",      "clNone", "clBtnFace"};
        return names[input.ConsumeIntegralInRange<qsizetype>(0, names.size() - 1)];
    }
    case Kind::Points: {
        QString all;
        const int count = input.ConsumeIntegralInRange<int>(0, field.high + 1);
        for (int i = 0; i < count; ++i)
            all += QLatin1Char('+') + rangedNumber(input, -50, 600) + QLatin1Char(',') +
                   rangedNumber(input, -50, 400);
        return all + QLatin1Char('+');
    }
    case Kind::Text:
        return anyText(input);
    case Kind::FeatureWords: {
        static const QStringList words = {"rejoin",  "undo",       "undone", "reveal-letters",
                                          "removal", "turn-break", "x-2"};
        QStringList list;
        const int count = input.ConsumeIntegralInRange<int>(0, 4);
        for (int i = 0; i < count; ++i)
            list << words[input.ConsumeIntegralInRange<qsizetype>(0, words.size() - 1)];
        return list.join(QLatin1Char(','));
    }
    case Kind::RejoinToken: {
        QString token;
        const int length = input.ConsumeIntegralInRange<int>(protocol::kRejoinTokenLength - 1,
                                                             protocol::kRejoinTokenLength + 1);
        for (int i = 0; i < length; ++i)
            token += QLatin1Char("0123456789abcdef"[input.ConsumeIntegralInRange<int>(0, 15)]);
        return token;
    }
    case Kind::Scores: {
        QStringList scores;
        const int count = input.ConsumeIntegralInRange<int>(0, 12);
        for (int i = 0; i < count; ++i)
            scores << rangedNumber(input, -10, 10000);
        return scores.join(QLatin1Char('+'));
    }
    case Kind::Empty:
        return input.ConsumeIntegralInRange<int>(0, 7) == 0 ? anyText(input, 4) : QString();
    }
    return {};
}

// The table's messages that go `way`.
inline std::vector<const protocol::Message*> messagesGoing(protocol::Direction way)
{
    std::vector<const protocol::Message*> found;
    for (const protocol::Message& m : protocol::messages())
        if (way == protocol::Direction::ToServer ? m.toServer() : m.toClient())
            found.push_back(&m);
    return found;
}

} // namespace pictova::fuzz
