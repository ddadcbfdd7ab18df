#pragma once

#include <QList>
#include <QString>

namespace pictova::bot {

class Bot;

// Carries out one line typed on standard input. "@N command" addresses the N-th bot only
// (counting from 1); a command without it goes to every bot. Returns what to print.
QString runCommand(const QString& line, const QList<Bot*>& bots, bool& quit);

QString commandHelp();

} // namespace pictova::bot
