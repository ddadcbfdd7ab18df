#pragma once

#include <QString>

namespace pictova {

// Every request names its sender's seat in its first field. The server believes only the seat
// it gave the connection the request arrived on: a request that names another seat, or no seat
// at all, never reaches its handler.
struct SenderVerdict
{
    bool accepted = false;
    QString error; // why a request was refused
};

// `originSeat` is the seat held by the connection the request arrived on.
SenderVerdict checkSender(const QString& command, const QString& payload, int originSeat);

} // namespace pictova
