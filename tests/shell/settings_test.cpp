#include "messaging/errors.h"
#include "shell/settings.h"
#include "tests/shell/settingsfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pictova;

namespace {

constexpr ColourValue kMaroonValue = 0x000080;
constexpr ColourValue kRedValue = 0x0000FF;
constexpr ColourValue kBlackValue = 0;

using SettingsTest = test::SettingsFileTest;

TEST_F(SettingsTest, aMissingFileGivesEveryDefault)
{
    const LoadedSettings s = loadSettings(path(), 17);
    EXPECT_EQ(s.textsize, 8);
    EXPECT_TRUE(s.textsizeItemExists);
    EXPECT_EQ(s.snapcount, 17);
    EXPECT_EQ(s.textcolour, kMaroonValue);
    EXPECT_EQ(s.actioncolour, kBlackValue);
    EXPECT_EQ(s.phrases, QStringList(10, QString()));
    EXPECT_TRUE(s.playsounds);
}

TEST_F(SettingsTest, valuesAreReadAsWrittenByHandOrByAnotherVersion)
{
    write("[pictova]\n"
          "Textsize=9\n"
          "Snapcount=$10\n"
          "Textcolor=clRed\n"
          "Actioncolor=$000000FF\n"
          "Phrase3=\n"
          "Phrase6=Wow, WTG!\n"
          "Phrase10=/me dances\n"
          "Playsounds=false\n");
    const LoadedSettings s = loadSettings(path(), 0);
    EXPECT_EQ(s.textsize, 9);
    EXPECT_FALSE(s.textsizeItemExists);
    EXPECT_EQ(s.snapcount, 16);
    EXPECT_EQ(s.textcolour, kRedValue);
    EXPECT_EQ(s.actioncolour, kRedValue);
    EXPECT_EQ(s.phrases[2], "");
    EXPECT_EQ(s.phrases[5], "Wow, WTG!");
    EXPECT_EQ(s.phrases[9], "/me dances");
    EXPECT_FALSE(s.playsounds);
}

TEST_F(SettingsTest, unreadableValuesFallBack)
{
    write("[Pictova]\n"
          "Textsize=big\n"
          "Snapcount=many\n"
          "Textcolor=blackish\n"
          "Actioncolor=clNotAColour\n"
          "Playsounds=FALSE\n");
    const LoadedSettings s = loadSettings(path(), 4);
    EXPECT_EQ(s.textsize, 8);
    EXPECT_EQ(s.snapcount, 4);
    EXPECT_EQ(s.textcolour, kMaroonValue);
    EXPECT_EQ(s.actioncolour, kBlackValue);
    EXPECT_TRUE(s.playsounds) << "only the exact text \"false\" turns the sound off";

    for (const char* size : {"0", "-3", "73", "100000"}) {
        write(QByteArray("[Pictova]\nTextsize=") + size + "\n");
        EXPECT_EQ(loadSettings(path(), 0).textsize, 8) << size;
    }
    write("[Pictova]\nTextsize=72\n");
    EXPECT_EQ(loadSettings(path(), 0).textsize, 72);
}

TEST_F(SettingsTest, saveWritesItsFiveKeysInOrderAndLeavesTheRest)
{
    write("[Chat]\nlog=on\n[Pictova]\nPhrase1=Hi all\nActioncolor=clGreen\n");
    SavedSettings s;
    s.textsize = 12;
    s.snapcount = 3;
    s.textcolour = rgbColour(0x7F, 0, 0);
    s.actioncolour = kBlackValue;
    s.playsounds = false;
    saveSettings(path(), s);
    EXPECT_EQ(read(), QByteArray("[Chat]\nlog=on\n[Pictova]\nPhrase1=Hi all\nActioncolor=clBlack\n"
                                 "Textsize=12\nSnapcount=3\nTextcolor=$0000007F\nPlaysounds=false\n"));

    const LoadedSettings back = loadSettings(path(), 0);
    EXPECT_EQ(back.textsize, 12);
    EXPECT_EQ(back.snapcount, 3);
    EXPECT_EQ(back.textcolour, rgbColour(0x7F, 0, 0));
    EXPECT_EQ(back.actioncolour, kBlackValue);
    EXPECT_FALSE(back.playsounds);
    EXPECT_EQ(back.phrases[0], "Hi all");

    s.playsounds = true;
    saveSettings(path(), s);
    EXPECT_TRUE(loadSettings(path(), 0).playsounds);
    EXPECT_TRUE(read().contains("Playsounds=true\n"));
}

TEST_F(SettingsTest, phrasesAreWrittenAllTenEmptyOnesIncluded)
{
    saveSettings(path(), SavedSettings{});
    QStringList phrases(10, QString());
    phrases[0] = "Way To Go!";
    phrases[5] = "Wow, WTG!";
    savePhrases(path(), phrases);
    const QByteArray text = read();
    EXPECT_TRUE(
        text.startsWith("[Pictova]\nTextsize=8\nSnapcount=0\nTextcolor=clMaroon\nActioncolor=clBlack\n"
                        "Playsounds=true\nPhrase1=Way To Go!\nPhrase2=\n"));
    EXPECT_TRUE(text.endsWith("Phrase6=Wow, WTG!\nPhrase7=\nPhrase8=\nPhrase9=\nPhrase10=\n"));
    EXPECT_EQ(loadSettings(path(), 0).phrases, phrases);
}

TEST_F(SettingsTest, aFileThatCannotBeWrittenIsReportedWithItsPath)
{
    const QString unwritable = m_dir.filePath("missing-folder/orvilobby.ini");
    try {
        saveSettings(unwritable, SavedSettings{});
        FAIL() << "saveSettings did not fail";
    } catch (const PictovaError& error) {
        EXPECT_EQ(error.text(), "Unable to write to " + unwritable);
    }
    EXPECT_THROW(savePhrases(unwritable, QStringList(10, "x")), PictovaError);
}

} // namespace
