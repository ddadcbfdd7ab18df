#include "server/wordfolder.h"

#include "server/textcap.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace pictova {

namespace {

bool holdsControlCharacter(const QString& text)
{
    for (QChar c : text)
        if (c.category() == QChar::Other_Control)
            return true;
    return false;
}

QString describe(const WordFolder::Problem& problem)
{
    if (problem.line == 0)
        return QStringLiteral("%1: %2").arg(problem.file, problem.what);
    return QCoreApplication::translate("pictova::WordFolder", "%1 line %2: %3")
        .arg(problem.file)
        .arg(problem.line)
        .arg(problem.what);
}

} // namespace

WordFolder::FileEntries WordFolder::parseFile(const QByteArray& bytes, const QString& fileName)
{
    FileEntries result;
    QByteArrayView rest(bytes);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    int lineNumber = 0;
    while (!rest.isEmpty()) {
        ++lineNumber;
        const qsizetype newline = rest.indexOf('\n');
        QByteArrayView line = newline < 0 ? rest : rest.first(newline);
        rest = newline < 0 ? QByteArrayView() : rest.sliced(newline + 1);
        if (line.endsWith('\r'))
            line.chop(1);

        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = decoder.decode(line);
        if (decoder.hasError()) {
            result.problems.append(
                {fileName, lineNumber, QCoreApplication::translate("pictova::WordFolder", "not UTF-8 text")});
            continue;
        }
        const QString entry = text.trimmed();
        if (entry.isEmpty() || entry.startsWith(QLatin1Char('#')))
            continue;
        if (result.entries.size() == kMaxEntries) {
            result.problems.append(
                {fileName, lineNumber,
                 QCoreApplication::translate("pictova::WordFolder",
                                             "more than %1 entries: this line and the rest are not used")
                     .arg(kMaxEntries)});
            break;
        }
        if (textcap::characterCount(entry) > kMaxEntryCharacters)
            result.problems.append(
                {fileName, lineNumber,
                 QCoreApplication::translate("pictova::WordFolder", "longer than %1 characters")
                     .arg(kMaxEntryCharacters)});
        else if (holdsControlCharacter(entry))
            result.problems.append(
                {fileName, lineNumber,
                 QCoreApplication::translate("pictova::WordFolder", "holds a control character")});
        else if (WordChoice::repeatsAWord(entry))
            result.problems.append(
                {fileName, lineNumber,
                 QCoreApplication::translate("pictova::WordFolder",
                                             "\"%1\": a word comes again later in it, so it is never dealt")
                     .arg(entry)});
        else
            result.entries << entry;
    }
    return result;
}

WordFolder WordFolder::read(const QString& folder, const QString& language)
{
    WordFolder result;
    result.folder = folder;
    const QDir dir(folder);
    result.folderFound = !folder.isEmpty() && QFileInfo(folder).isDir();
    for (int category = 0; category < kCategoryCount; ++category) {
        const QString name = QString::fromLatin1(kFileNames[category]);
        result.lists[category] = loadWordList(category, language);
        if (!result.folderFound)
            continue;
        const QFileInfo info(dir.filePath(name));
        if (!info.exists())
            continue;
        if (!info.isFile()) {
            result.problems.append(
                {name, 0, QCoreApplication::translate("pictova::WordFolder", "not a file, not used")});
            continue;
        }
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly)) {
            result.problems.append({name, 0,
                                    QCoreApplication::translate("pictova::WordFolder", "cannot be read (%1)")
                                        .arg(file.errorString())});
            continue;
        }
        // One byte past the cap tells a file that is too big without reading all of it.
        const QByteArray bytes = file.read(kMaxFileBytes + 1);
        if (bytes.size() > kMaxFileBytes) {
            result.problems.append(
                {name, 0,
                 QCoreApplication::translate("pictova::WordFolder", "larger than %1 KiB, not used")
                     .arg(kMaxFileBytes / 1024)});
            continue;
        }
        FileEntries parsed = parseFile(bytes, name);
        result.problems.append(parsed.problems);
        if (parsed.entries.isEmpty()) {
            result.problems.append({name, 0,
                                    QCoreApplication::translate("pictova::WordFolder",
                                                                "no entry to use, the built-in words stay")});
            continue;
        }
        result.ownEntries += static_cast<int>(parsed.entries.size());
        result.lists[category] = std::move(parsed.entries);
        result.own[category] = true;
    }
    return result;
}

QString WordFolder::report() const
{
    QStringList lines;
    if (!folderFound) {
        lines << QCoreApplication::translate("pictova::WordFolder", "The folder \"%1\" was not found.")
                     .arg(folder);
    } else if (!usable()) {
        QStringList names;
        for (const char* name : kFileNames)
            names << QString::fromLatin1(name);
        lines << QCoreApplication::translate(
                     "pictova::WordFolder",
                     "The folder \"%1\" has no words to use: it needs at least one of %2 "
                     "with one entry a line.")
                     .arg(folder, names.join(QStringLiteral(", ")));
    } else {
        QStringList files;
        for (int category = 0; category < kCategoryCount; ++category)
            if (own[category])
                files << QString::fromLatin1(kFileNames[category]);
        lines << (ownEntries == 1 ? QCoreApplication::translate("pictova::WordFolder", "1 entry from %1.")
                                  : QCoreApplication::translate("pictova::WordFolder", "%1 entries from %2.")
                                        .arg(ownEntries))
                     .arg(files.join(QStringLiteral(", ")));
        if (files.size() < kCategoryCount)
            lines << QCoreApplication::translate("pictova::WordFolder",
                                                 "The other categories keep the built-in words.");
    }
    if (!problems.isEmpty()) {
        lines << QString() << QCoreApplication::translate("pictova::WordFolder", "Not used:");
        for (qsizetype i = 0; i < problems.size() && i < kMaxListedProblems; ++i)
            lines << describe(problems.at(i));
        if (problems.size() > kMaxListedProblems)
            lines << QCoreApplication::translate("pictova::WordFolder", "... and %1 more.")
                         .arg(problems.size() - kMaxListedProblems);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace pictova
