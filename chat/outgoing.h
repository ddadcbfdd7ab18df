#pragma once

#include "messaging/colourtext.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <optional>

namespace pictova {

// The text the chat field shows until the player starts typing.
inline QString chatPrompt()
{
    return QCoreApplication::translate("pictova::ChatInput", "<Enter Chat Here>");
}

// The message a typed line becomes: a chat line, an action for "/me", or nothing for an empty
// line and for any other "/" command.
std::optional<QByteArray> typedLineMessage(const QString& typed, int seat, ColourValue textColour,
                                           ColourValue actionColour);

// The action a phrase button sends: "says: " and the phrase, or the phrase's own action for "/me";
// nothing when the phrase has nothing to say.
std::optional<QByteArray> phraseMessage(const QString& phrase, int seat, ColourValue actionColour);

} // namespace pictova
