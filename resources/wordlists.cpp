#include "resources/wordlists.h"

#include <QFile>

// Static libraries need their resources registered by hand; the macro must sit outside any namespace.
static void registerWordListResources()
{
    Q_INIT_RESOURCE(wordlist_files);
}

namespace pictova {

namespace {
const char* const kFiles[kCategoryCount] = {
    ":/wordlists/general.txt",   ":/wordlists/actions.txt", ":/wordlists/phrases.txt",
    ":/wordlists/music.txt",     ":/wordlists/movies.txt",  ":/wordlists/tvshows.txt",
    ":/wordlists/fooddrink.txt",
};
} // namespace

QStringList loadWordList(int category)
{
    static const bool registered = [] {
        registerWordListResources();
        return true;
    }();
    (void)registered;
    if (category < 0 || category >= kCategoryCount)
        return {};
    QFile file(QString::fromLatin1(kFiles[category]));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList entries;
    for (const QByteArray& line : file.readAll().split('\n')) {
        QByteArray entry = line;
        if (entry.endsWith('\r'))
            entry.chop(1);
        if (!entry.isEmpty())
            entries << QString::fromLatin1(entry);
    }
    return entries;
}

} // namespace pictova
