// Own word lists read from a folder: what is used, what is refused and why, and the limits.
#include "server/wordfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pictova {
namespace {

using Problems = QList<WordFolder::Problem>;

QStringList lines(const Problems& problems)
{
    QStringList seen;
    for (const WordFolder::Problem& problem : problems)
        seen << QStringLiteral("%1:%2").arg(problem.file).arg(problem.line);
    return seen;
}

class WordFolderFiles : public ::testing::Test
{
protected:
    void write(const QString& name, const QByteArray& bytes)
    {
        QFile file(m_dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QString folder() const { return m_dir.path(); }

    QTemporaryDir m_dir;
};

TEST(WordFolderParse, TakesOneEntryALineWithoutCommentsBlanksOrTheByteOrderMark)
{
    const QByteArray bytes = "\xEF\xBB\xBF"
                             "first entry\r\n"
                             "# a comment\n"
                             "   # an indented comment\n"
                             "\n"
                             "   \t \r\n"
                             "  spaced out  \n"
                             "caf\xC3\xA9 cr\xC3\xA8me\n"
                             "last without newline";
    const WordFolder::FileEntries parsed = WordFolder::parseFile(bytes, "general.txt");
    EXPECT_EQ(parsed.entries, QStringList({"first entry", "spaced out", QString::fromUtf8("café crème"),
                                           "last without newline"}));
    EXPECT_TRUE(parsed.problems.isEmpty());
    // A mark anywhere but at the start is no mark: that line is an entry of its own text.
    EXPECT_EQ(WordFolder::parseFile("a\n\xEF\xBB\xBF"
                                    "b\n",
                                    "x")
                  .entries,
              QStringList({"a", QString::fromUtf8("\xEF\xBB\xBF"
                                                  "b")}));
}

TEST(WordFolderParse, RefusesLongRepeatingBrokenAndControlEntriesByLine)
{
    const QByteArray sixty(60, 'a');
    const QByteArray sixtyOne(61, 'b');
    // 60 characters that take 120 bytes in UTF-8 are still 60 characters.
    QByteArray sixtyWide;
    for (int i = 0; i < 60; ++i)
        sixtyWide += "\xC3\xA9";
    const QByteArray bytes = sixty + "\n" + sixtyOne + "\n" + sixtyWide + "\n" +
                             "cry like a baby\n"
                             "bad \xFF byte\n"
                             "tab\there\n"
                             "fine\n";
    const WordFolder::FileEntries parsed = WordFolder::parseFile(bytes, "music.txt");
    EXPECT_EQ(parsed.entries, QStringList({QString(sixty), QString::fromUtf8(sixtyWide), "fine"}));
    EXPECT_EQ(lines(parsed.problems),
              QStringList({"music.txt:2", "music.txt:4", "music.txt:5", "music.txt:6"}));
    EXPECT_TRUE(parsed.problems[0].what.contains("longer than 60"));
    EXPECT_TRUE(parsed.problems[1].what.contains("cry like a baby"));
    EXPECT_TRUE(parsed.problems[2].what.contains("UTF-8"));
    EXPECT_TRUE(parsed.problems[3].what.contains("control"));
}

TEST(WordFolderParse, UsesAtMostTheEntryCapAndSaysWhereItStopped)
{
    QByteArray atCap;
    for (int i = 0; i < WordFolder::kMaxEntries; ++i)
        atCap += "w" + QByteArray::number(i) + "\n# comments do not count\n\n";
    const WordFolder::FileEntries full = WordFolder::parseFile(atCap, "movies.txt");
    EXPECT_EQ(full.entries.size(), WordFolder::kMaxEntries);
    EXPECT_TRUE(full.problems.isEmpty());

    const WordFolder::FileEntries over =
        WordFolder::parseFile(atCap + "one more\nand another\n", "movies.txt");
    EXPECT_EQ(over.entries.size(), WordFolder::kMaxEntries);
    ASSERT_EQ(over.problems.size(), 1);
    EXPECT_EQ(over.problems[0].line, 3 * WordFolder::kMaxEntries + 1);
    EXPECT_TRUE(over.problems[0].what.contains("rest are not used"));
}

TEST_F(WordFolderFiles, OwnFilesReplaceTheirCategoriesAndMissingOnesKeepTheBuiltInWords)
{
    write("general.txt", "apple\nbanana split\n");
    write("fooddrink.txt", "\xEF\xBB\xBF# only a comment\n\n");
    write("Music.txt", "not read: the names are lower case\n");
    const WordFolder words = WordFolder::read(folder());
    EXPECT_TRUE(words.folderFound);
    EXPECT_TRUE(words.usable());
    EXPECT_EQ(words.ownEntries, 2);
    EXPECT_EQ(words.lists[0], QStringList({"apple", "banana split"}));
    EXPECT_TRUE(words.own[0]);
    for (int category = 1; category < kCategoryCount; ++category) {
        EXPECT_FALSE(words.own[category]) << category;
        EXPECT_EQ(words.lists[category], loadWordList(category)) << category;
    }
    // A file with nothing to deal keeps the built-in list, and says so.
    EXPECT_EQ(lines(words.problems), QStringList({"fooddrink.txt:0"}));
}

TEST_F(WordFolderFiles, AFileOverTheSizeCapIsNotRead)
{
    QByteArray atCap(WordFolder::kMaxFileBytes, 'x');
    for (qsizetype i = 60; i < atCap.size(); i += 61)
        atCap[i] = '\n';
    write("actions.txt", atCap);
    write("phrases.txt", atCap + "y");
    const WordFolder words = WordFolder::read(folder());
    EXPECT_TRUE(words.own[1]);
    EXPECT_EQ(words.lists[1].size(), (WordFolder::kMaxFileBytes + 60) / 61);
    EXPECT_FALSE(words.own[2]);
    EXPECT_EQ(words.lists[2], loadWordList(2));
    EXPECT_EQ(lines(words.problems), QStringList({"phrases.txt:0"}));
    EXPECT_TRUE(words.problems[0].what.contains("larger than 256 KiB"));
}

TEST_F(WordFolderFiles, TheReportListsEveryProblemByFileAndLineInOneMessage)
{
    write("general.txt", "good\n" + QByteArray(61, 'g') + "\n");
    write("tvshows.txt", "a broken heart\nnews\n");
    ASSERT_TRUE(QDir(folder()).mkdir("movies.txt"));
    const WordFolder words = WordFolder::read(folder());
    const QString report = words.report();
    EXPECT_TRUE(report.startsWith("2 entries from general.txt, tvshows.txt.")) << report.toStdString();
    EXPECT_TRUE(report.contains("The other categories keep the built-in words."));
    EXPECT_TRUE(report.contains("general.txt line 2: longer than 60 characters"));
    EXPECT_TRUE(report.contains("tvshows.txt line 1: \"a broken heart\""));
    EXPECT_TRUE(report.contains("movies.txt: not a file"));

    // Many problems: the first ones by name, the rest counted.
    QByteArray bad;
    for (int i = 0; i < WordFolder::kMaxListedProblems + 5; ++i)
        bad += QByteArray(61, 'z') + "\n";
    write("music.txt", bad + "ok\n");
    const QString many = WordFolder::read(folder()).report();
    EXPECT_TRUE(many.contains("... and 8 more.")) << many.toStdString();
    EXPECT_LE(many.count('\n'), WordFolder::kMaxListedProblems + 6);
}

TEST_F(WordFolderFiles, AFolderWithNothingToDealIsNotUsable)
{
    const WordFolder empty = WordFolder::read(folder());
    EXPECT_TRUE(empty.folderFound);
    EXPECT_FALSE(empty.usable());
    EXPECT_TRUE(empty.report().contains("has no words to use"));
    for (int category = 0; category < kCategoryCount; ++category)
        EXPECT_EQ(empty.lists[category], loadWordList(category));

    const WordFolder missing = WordFolder::read(m_dir.filePath("nowhere"));
    EXPECT_FALSE(missing.folderFound);
    EXPECT_FALSE(missing.usable());
    EXPECT_TRUE(missing.report().contains("was not found"));
    EXPECT_FALSE(WordFolder::read(QString()).usable());
}

} // namespace
} // namespace pictova
