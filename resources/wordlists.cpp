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
    "general.txt", "actions.txt", "phrases.txt", "music.txt", "movies.txt", "tvshows.txt", "fooddrink.txt",
};

// English lies at the top of the resources, as it always has; the other languages in a folder
// named after their code.
QString resourcePath(int category, const QString& language)
{
    const QString file = QString::fromLatin1(kFiles[category]);
    if (language == QLatin1String(kDefaultWordLanguage))
        return QStringLiteral(":/wordlists/") + file;
    return QStringLiteral(":/wordlists/%1/%2").arg(language, file);
}
} // namespace

bool isWordLanguage(const QString& code)
{
    return wordLanguageCodes().contains(code);
}

QStringList wordLanguageCodes()
{
    QStringList codes;
    for (const WordLanguage& language : kWordLanguages)
        codes << QString::fromLatin1(language.code);
    return codes;
}

QStringList loadWordList(int category, const QString& language)
{
    static const bool registered = [] {
        registerWordListResources();
        return true;
    }();
    (void)registered;
    if (category < 0 || category >= kCategoryCount || !isWordLanguage(language))
        return {};
    QFile file(resourcePath(category, language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList entries;
    for (const QByteArray& line : file.readAll().split('\n')) {
        QByteArray entry = line;
        if (entry.endsWith('\r'))
            entry.chop(1);
        if (!entry.isEmpty())
            entries << QString::fromUtf8(entry);
    }
    return entries;
}

} // namespace pictova
