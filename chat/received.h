#pragma once

#include "messaging/colourtext.h"

#include <QString>

namespace pictova {

class ChatLog;

// A relayed chat or action line as the log shows it.
struct ShownLine
{
    QString text;
    ColourValue colour = 0;
};

// Splits a relayed payload at its first "|"; a missing or unreadable colour shows as white.
ShownLine receivedChatLine(const QString& payload);

// Handler of both relayed chat and relayed action lines.
void chatrecieved(ChatLog& log, const QString& payload);

} // namespace pictova
