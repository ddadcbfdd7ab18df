#pragma once

#include <QString>
#include <functional>

class QWidget;

// The game window's questions and notices: none of them blocks the game.
namespace pictova::prompts {

// A notice already on screen is not opened again: a server repeating a message must not be able
// to bury the screen in boxes. The open one does what this one would do.
void showNotice(QWidget* window, const QString& text, std::function<void()> then);
// File > Start Game while a game runs: `then` once the game master says every score may go.
void askToRestart(QWidget* window, std::function<void()> then);
// Closing a hosting copy ends the game for the `others` in it: `then` once the player agrees.
void askToLeave(QWidget* window, int others, std::function<void()> then);

} // namespace pictova::prompts
