#pragma once

#include <QByteArray>
#include <QString>
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

} // namespace pictova::web
