#include "chat/received.h"

#include "chat/chatlog.h"
#include "messaging/catalogue.h"
#include "messaging/errors.h"
#include "messaging/peertext.h"

namespace pictova {

namespace {
constexpr ColourValue kWhite = rgbColour(255, 255, 255);
}

ShownLine receivedChatLine(const QString& payload)
{
    const parse::ChatLine line = parse::chatLine(payload);
    ShownLine shown{line.text, kWhite};
    if (!line.hasColour)
        return shown;
    try {
        shown.colour = colourtext::read(line.colour);
    } catch (const PictovaError&) {
        // A "|" typed inside the text leaves a remainder that is no colour; the line still shows.
    }
    return shown;
}

QString isolatedLine(const QString& text, const QStringList& names)
{
    if (!peertext::holdsBidiControl(text))
        return text;
    const QString* sender = nullptr;
    for (const QString& name : names)
        if (!name.isEmpty() && text.startsWith(name + QLatin1Char(' ')) &&
            (!sender || name.size() > sender->size()))
            sender = &name;
    if (!sender)
        return peertext::isolated(text);
    static const QString chats = QStringLiteral(" chats: ");
    const QString rest = text.mid(sender->size());
    const QString joint = rest.startsWith(chats) ? chats : QStringLiteral(" ");
    return peertext::isolated(*sender) + joint + peertext::isolated(rest.mid(joint.size()));
}

void chatReceived(ChatLog& log, const QString& payload, const QStringList& names)
{
    const ShownLine line = receivedChatLine(payload);
    log.addlinetochat(isolatedLine(line.text, names), line.colour);
}

} // namespace pictova
