#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <span>

namespace pictova::notices {

// The lines the server writes itself, as opposed to the lines it passes on from players. Each is
// written to every client in the language it announced (feature::languageWord), and to a client
// that announced none in English, as the first version wrote it.
enum class Id {
    CloseGuess,       // one word of a guess is a letter away from a word of the answer
    SlowDown,         // chat lines refused for coming too fast
    TakenAsGuess,     // a guesser's chat line spelled out the answer
    AnswerWithheld,   // the drawer's or a spectator's chat line spelled out the answer
    LineCut,          // a chat line over the length limit
    UndoRefused,      // an undo that would send a first-version board too much at once
    WaitingForPlayer, // a player left alone in a running game
    IsBack,           // a dropped player came back with its token
};

enum class Form {
    ServerLine,   // a chat line from "Server" to the players it concerns
    PlayerAction, // an action line of the player it names
};

inline constexpr int kLanguages = 5;

struct Notice
{
    Id id;
    Form form;
    // In the order of feature::languages(), UTF-8; "%1" stands for the value it is given.
    std::array<const char*, kLanguages> texts;
};

// Every notice, each once.
std::span<const Notice> all();
// How a server line begins in each language, "%1" standing for the notice.
const std::array<const char*, kLanguages>& serverLine();

// The notice's text in `language` (one of feature::languages(); English for any other).
QString text(Id id, const QString& language, const QString& value = QString());
// The message that carries it: for a server line `value` is what the notice names (a guess, a
// count), for a player's action line the player's name.
QByteArray message(Id id, const QString& language, const QString& value = QString());

} // namespace pictova::notices
