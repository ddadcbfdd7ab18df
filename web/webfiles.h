#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>

namespace pictova::web {

// The web client's files as they were compiled into the program, by name ("index.html",
// "app.js", "sounds/turn.wav"). Nothing is ever read from the file system.
class WebFiles
{
public:
    struct File
    {
        QByteArray body;
        QByteArray contentType;
    };

    // Every embedded file, read once.
    static const WebFiles& embedded();

    const File* find(const QString& name) const;
    const std::map<QString, File>& all() const { return m_files; }

private:
    std::map<QString, File> m_files;
};

// What the join screen shows of a game before anyone joins it from the page.
struct GameInfo
{
    QString name;
    QStringList players; // the names of those seated at the board, in seat order
    int watchers = 0;
    bool running = false;
};

// GameInfo as "/game.json" serves it: {"name", "players", "watchers", "running"}, the names as
// the plain text they are.
QByteArray gameInfoJson(const GameInfo& info);

} // namespace pictova::web
