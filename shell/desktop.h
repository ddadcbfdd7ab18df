#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace pictova {

// What the shell asks of the desktop, as swappable functions so tests can stand in for it.

// Opens a link or a file with the desktop's default handler; true when the desktop took it.
using UrlOpener = std::function<bool(const QUrl&)>;
bool openWithDesktop(const QUrl& url);

// Starts a program without waiting for it; true when it started.
using ProgramLauncher = std::function<bool(const QString& program)>;
bool launchDetached(const QString& program);

// Tells the player something in a box that does not stop the game behind it.
using MessageSink = std::function<void(const QString& text)>;
void showMessage(QWidget* parent, const QString& text);

} // namespace pictova
