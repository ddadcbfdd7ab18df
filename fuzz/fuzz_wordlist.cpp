// The word folder reader: whatever bytes a word-list file holds, reading it never fails, every
// entry it keeps could be dealt and judged (trimmed, not a comment, at most 60 characters, no
// control character, no repeated word), the caps hold, every problem names a real line in order,
// and the folder read from disk agrees with the bytes read directly.

#include "fuzz/fuzzsupport.h"
#include "server/wordfolder.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace pictova;

namespace {

QString* folder = nullptr;

qsizetype characters(const QString& text)
{
    return static_cast<qsizetype>(text.toUcs4().size());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startCoreApplication(argc, argv);
    static QTemporaryDir dir(fuzz::scratchTemplate());
    folder = new QString(dir.path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int category = input.ConsumeIntegralInRange<int>(0, kCategoryCount - 1);
    const QByteArray bytes = QByteArray::fromStdString(input.ConsumeRemainingBytesAsString());
    const QString name = QString::fromLatin1(WordFolder::kFileNames[category]);

    const WordFolder::FileEntries parsed = WordFolder::parseFile(bytes, name);
    FUZZ_CHECK(parsed.entries.size() <= WordFolder::kMaxEntries);
    for (const QString& entry : parsed.entries) {
        FUZZ_CHECK(!entry.isEmpty() && entry == entry.trimmed());
        FUZZ_CHECK(!entry.startsWith(QLatin1Char('#')));
        FUZZ_CHECK(characters(entry) <= WordFolder::kMaxEntryCharacters);
        for (QChar c : entry)
            FUZZ_CHECK(c.category() != QChar::Other_Control);
        FUZZ_CHECK(!WordChoice::repeatsAWord(entry));
    }
    const qsizetype lineCount = bytes.count('\n') + 1;
    int previous = 0;
    for (const WordFolder::Problem& problem : parsed.problems) {
        FUZZ_CHECK(problem.file == name);
        FUZZ_CHECK(problem.line > previous && problem.line <= lineCount);
        previous = problem.line;
    }

    // The same bytes as that category's file in a folder of their own.
    QDir dir(*folder);
    for (const char* other : WordFolder::kFileNames)
        dir.remove(QString::fromLatin1(other));
    {
        QFile file(dir.filePath(name));
        FUZZ_CHECK(file.open(QIODevice::WriteOnly));
        FUZZ_CHECK(file.write(bytes) == bytes.size());
    }
    const WordFolder words = WordFolder::read(*folder);
    FUZZ_CHECK(words.folderFound);
    const bool fits = bytes.size() <= WordFolder::kMaxFileBytes;
    FUZZ_CHECK(words.usable() == (fits && !parsed.entries.isEmpty()));
    FUZZ_CHECK(words.own[category] == words.usable());
    FUZZ_CHECK(words.ownEntries == (words.usable() ? parsed.entries.size() : 0));
    if (words.usable())
        FUZZ_CHECK(words.lists[category] == parsed.entries);
    else
        FUZZ_CHECK(words.lists[category] == loadWordList(category));
    // One message, bounded however many problems there are.
    const QString report = words.report();
    FUZZ_CHECK(!report.isEmpty());
    FUZZ_CHECK(report.count(QLatin1Char('\n')) <= WordFolder::kMaxListedProblems + 8);
    return 0;
}
