#pragma once

#include "server/wordchoice.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>

namespace pictova {

// Own word lists: a folder with one plain-text file per category, named as kFileNames says. Each
// line is one entry (UTF-8, with or without a byte-order mark); blank lines and lines starting
// with "#" are skipped. A category without a file keeps its built-in list. What cannot be used is
// listed by file and line; everything else is used.
struct WordFolder
{
    static constexpr std::array<const char*, kCategoryCount> kFileNames = {
        "general.txt", "actions.txt", "phrases.txt",  "music.txt",
        "movies.txt",  "tvshows.txt", "fooddrink.txt"};
    // A word list is a few kilobytes; a bigger file is something else and is not read.
    static constexpr qint64 kMaxFileBytes = 256 * 1024;
    // Entries used from one file; the lines after the last of them are not looked at.
    static constexpr int kMaxEntries = 5000;
    // Characters (not bytes) of one entry: a longer one does not fit the hint line.
    static constexpr int kMaxEntryCharacters = 60;
    // Problems named one by one in the report; the rest are counted.
    static constexpr int kMaxListedProblems = 25;

    struct Problem
    {
        QString file;
        int line = 0; // 0: the file as a whole
        QString what;
    };
    struct FileEntries
    {
        QStringList entries;
        QList<Problem> problems;
    };

    // The entries of one file's bytes (at most kMaxFileBytes of them are expected).
    static FileEntries parseFile(const QByteArray& bytes, const QString& fileName);
    // Reads the folder's files; categories without one keep the compiled-in words of `language`
    // (a code of kWordLanguages). Never throws.
    static WordFolder read(const QString& folder,
                           const QString& language = QString::fromLatin1(kDefaultWordLanguage));

    QString folder;
    bool folderFound = false;
    // All seven lists: the folder's where it has a file with entries, the built-in ones elsewhere.
    WordLists lists;
    std::array<bool, kCategoryCount> own{};
    int ownEntries = 0;
    QList<Problem> problems;

    // Something of the folder's can be dealt.
    bool usable() const { return ownEntries > 0; }
    // One message: what is used, then each problem by file and line.
    QString report() const;
};

} // namespace pictova
