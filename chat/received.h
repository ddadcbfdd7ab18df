#pragma once

#include "messaging/colourtext.h"

#include <QString>
#include <QStringList>

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

// The line with the sender's name and the line's own text each set apart (peertext::isolated),
// so direction controls in either cannot turn the rest of the line around. A line starts with its
// sender's name, one of `names`, then " chats: " or a blank.
QString isolatedLine(const QString& text, const QStringList& names);

// Handler of both relayed chat and relayed action lines; `names` are the names the seats show.
void chatReceived(ChatLog& log, const QString& payload, const QStringList& names = {});

} // namespace pictova
