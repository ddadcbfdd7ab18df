#include "chat/received.h"

#include "chat/chatlog.h"
#include "messaging/catalogue.h"
#include "messaging/errors.h"

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

void chatrecieved(ChatLog& log, const QString& payload)
{
    const ShownLine line = receivedChatLine(payload);
    log.addlinetochat(line.text, line.colour);
}

} // namespace pictova
