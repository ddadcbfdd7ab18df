#include "chat/outgoing.h"

#include "messaging/catalogue.h"
#include "messaging/wire.h"

namespace pictova {

namespace {
bool isMeCommand(const QString& text)
{
    return text.startsWith(QStringLiteral("/me"));
}

// "/me" and the one character after it (normally the blank) go; "/mewaves" leaves "aves".
QString afterMeCommand(const QString& text)
{
    return text.mid(4);
}
} // namespace

std::optional<QByteArray> typedLineMessage(const QString& typed, int seat, ColourValue textColour,
                                           ColourValue actionColour)
{
    // The terminator byte would end the message early and let the rest pose as a new command.
    const QString text = withoutTerminator(typed);
    if (text.isEmpty())
        return std::nullopt;
    if (!text.startsWith(QLatin1Char('/')))
        return toserver::chat(seat, text, colourtext::write(textColour));
    if (isMeCommand(text))
        return toserver::action(seat, afterMeCommand(text), colourtext::write(actionColour));
    return std::nullopt;
}

std::optional<QByteArray> phraseMessage(const QString& phrase, int seat, ColourValue actionColour)
{
    const QString text = withoutTerminator(phrase);
    const QString said = isMeCommand(text) ? afterMeCommand(text) : text;
    // A button left empty would put a bare "says:" line in everyone's chat.
    if (said.trimmed().isEmpty())
        return std::nullopt;
    const QString action = isMeCommand(text) ? said : QStringLiteral("says: ") + said;
    return toserver::action(seat, action, colourtext::write(actionColour));
}

} // namespace pictova
