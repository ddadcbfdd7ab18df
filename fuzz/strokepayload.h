#pragma once

#include "messaging/wire.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>

namespace pictova::fuzz {

// The payload of a stroke message (after its name), for targets that feed a board: now and then
// any bytes, mostly well-formed: a seat (`mySeat` one time in four), a colour, a width and points,
// each now and then replaced.
inline QString strokePayloadFrom(FuzzedDataProvider& input, int mySeat)
{
    if (input.ConsumeBool())
        return fromWire(QByteArray::fromStdString(input.ConsumeRandomLengthString(512)));
    const QString seat =
        input.ConsumeIntegralInRange<int>(0, 3) == 0 ? QString::number(mySeat) : QStringLiteral("1");
    const QString colour = fromWire(QByteArray::fromStdString(input.ConsumeRandomLengthString(12)));
    const QString width = QString::number(input.ConsumeIntegral<qint32>());
    QString points;
    const int count = input.ConsumeIntegralInRange<int>(0, 40);
    for (int i = 0; i < count; ++i)
        points += QStringLiteral("+%1,%2")
                      .arg(input.ConsumeIntegral<qint32>())
                      .arg(input.ConsumeIntegral<qint32>());
    return seat + QLatin1Char('+') + colour + QLatin1Char('+') + width + points + QLatin1Char('+');
}

} // namespace pictova::fuzz
