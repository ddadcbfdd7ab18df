#include "messaging/errors.h"
#include "shell/inifile.h"
#include "tests/shell/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pictova;

namespace {

using IniFileTest = test::SettingsFileTest;

TEST_F(IniFileTest, readsNamesWithoutRegardToCaseAndValuesRaw)
{
    write("; my settings\n"
          "[Other]\n"
          "Textsize=99\n"
          "[pictova]\n"
          "  TEXTSIZE = 12  \n"
          "Phrase6=Wow, WTG!\n"
          "Phrase7=a=b=c\n"
          "Phrase8=\"quoted\"\n"
          "Snapcount=$1F\n"
          "Other=0x10\n"
          "Bad=12abc\n"
          "Textsize=14\n"
          "[Pictova]\n"
          "Phrase9=second section is not read\n");
    const IniFile ini(path());
    EXPECT_EQ(ini.readString("Pictova", "textsize", "8"), "12");
    EXPECT_EQ(ini.readString("PICTOVA", "Phrase6", ""), "Wow, WTG!");
    EXPECT_EQ(ini.readString("Pictova", "Phrase7", ""), "a=b=c");
    EXPECT_EQ(ini.readString("Pictova", "Phrase8", ""), "\"quoted\"");
    EXPECT_EQ(ini.readString("Pictova", "Phrase9", "none"), "none");
    EXPECT_EQ(ini.readString("Pictova", "Missing", "fallback"), "fallback");
    EXPECT_EQ(ini.readString("Nowhere", "Textsize", "fallback"), "fallback");
    EXPECT_EQ(ini.readInteger("Pictova", "Textsize", 8), 12);
    EXPECT_EQ(ini.readInteger("Pictova", "Snapcount", 0), 31);
    EXPECT_EQ(ini.readInteger("Pictova", "Other", 0), 16);
    EXPECT_EQ(ini.readInteger("Pictova", "Bad", 7), 7);
    EXPECT_EQ(ini.readInteger("Pictova", "Missing", 5), 5);
    EXPECT_EQ(ini.readString("Other", "Textsize", ""), "99");
}

TEST_F(IniFileTest, namesMatchWholeAndWithoutCaseBeyondAsciiToo)
{
    write("[Gr\xC3\xBC\xC3\x9F"
          "e]\n"
          "Sch\xC3\xB6n=1\n"
          "Textsize2=5\n"
          "[ pictova \n"
          "Textsize=6\n");
    IniFile ini(path());
    EXPECT_EQ(ini.readString(QString::fromUtf8("GR\xC3\x9C\xC3\x9F"
                                               "E"),
                             QString::fromUtf8("SCH\xC3\x96N"), ""),
              "1");
    EXPECT_EQ(ini.readString(QString::fromUtf8("Gr\xC3\xBC\xC3\x9F"
                                               "e"),
                             "Textsize", "none"),
              "none");
    EXPECT_EQ(ini.readString("Pictova", "TEXTSIZE", ""), "6");

    // What is written is found again by the same reader, before and after a save.
    ini.writeString("pictova", "Phrase1", "hello");
    ini.writeString("Fresh", "Key", "new");
    ini.writeString("PICTOVA", "textsize", "9");
    EXPECT_EQ(ini.readString("Pictova", "phrase1", ""), "hello");
    EXPECT_EQ(ini.readString("fresh", "key", ""), "new");
    EXPECT_EQ(ini.readInteger("Pictova", "Textsize", 0), 9);
    ini.save();
    EXPECT_EQ(IniFile(path()).readString("FRESH", "KEY", ""), "new");
    EXPECT_EQ(IniFile(path()).readInteger("pictova", "textsize", 0), 9);
}

TEST_F(IniFileTest, writesOnlyWhatChangedAndKeepsEverythingElseByteForByte)
{
    const QByteArray before = "; kept comment\r\n"
                              "[Sound]\r\n"
                              "volume = 7 ; odd spacing kept\r\n"
                              "\r\n"
                              "[PICTOVA]\r\n"
                              "textsize=10\r\n"
                              "junk line without equals\r\n"
                              "\r\n"
                              "[Later]\r\n"
                              "x=1";
    write(before);
    IniFile ini(path());
    ini.writeString("Pictova", "Textsize", "14");
    ini.writeString("Pictova", "Playsounds", "false");
    ini.writeString("Snapshots", "Folder", "here");
    ini.save();
    EXPECT_EQ(read(), QByteArray("; kept comment\r\n"
                                 "[Sound]\r\n"
                                 "volume = 7 ; odd spacing kept\r\n"
                                 "\r\n"
                                 "[PICTOVA]\r\n"
                                 "textsize=14\r\n"
                                 "junk line without equals\r\n"
                                 "Playsounds=false\r\n"
                                 "\r\n"
                                 "[Later]\r\n"
                                 "x=1\r\n"
                                 "[Snapshots]\r\n"
                                 "Folder=here\r\n"));
}

TEST_F(IniFileTest, aNewFileGetsUnixLineEndsAndValuesCannotBreakLines)
{
    IniFile ini(path());
    ini.writeString("Pictova", "Phrase1", "two\nlines\r\nhere");
    ini.writeString("Pictova", "Phrase2", "Grüße");
    ini.save();
    EXPECT_EQ(read(), QByteArray("[Pictova]\nPhrase1=two lines  here\nPhrase2=Gr\xC3\xBC\xC3\x9F"
                                 "e\n"));
    EXPECT_EQ(IniFile(path()).readString("pictova", "phrase2", ""), "Grüße");
}

TEST_F(IniFileTest, latin1TextFromAnOlderFileStillReads)
{
    write("[Pictova]\nPhrase1=Caf\xE9\n");
    EXPECT_EQ(IniFile(path()).readString("Pictova", "Phrase1", ""), QString::fromLatin1("Caf\xE9"));
}

TEST_F(IniFileTest, aFailedSaveThrowsWithThePathAndLeavesNoFile)
{
    const QString inMissingFolder = m_dir.filePath("gone/orvilobby.ini");
    IniFile ini(inMissingFolder);
    ini.writeString("Pictova", "Textsize", "8");
    try {
        ini.save();
        FAIL() << "save did not fail";
    } catch (const PictovaError& error) {
        EXPECT_EQ(error.text(), "Unable to write to " + inMissingFolder);
    }

    // A folder where the file should be.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("orvilobby.ini"));
    IniFile blocked(path());
    blocked.writeString("Pictova", "Textsize", "8");
    EXPECT_THROW(blocked.save(), PictovaError);
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(IniFileTest, saveReplacesTheFileWholeWithNoTemporaryLeftBehind)
{
    write("[Pictova]\nTextsize=8\n");
    IniFile ini(path());
    ini.writeString("Pictova", "Textsize", "10");
    ini.save();
    EXPECT_EQ(read(), QByteArray("[Pictova]\nTextsize=10\n"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"orvilobby.ini"});
}

} // namespace
