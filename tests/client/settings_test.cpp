#include "tests/client/clientfixture.h"

#include "chat/chatinput.h"
#include "chat/chatlog.h"
#include "chat/phrasebuttons.h"
#include "client/soundcues.h"
#include "shell/apppaths.h"

#include <QAction>
#include <QFile>

using namespace pictova;
using pictova::test::ClientFixture;

namespace {
class ClientSettings : public ClientFixture
{
protected:
    void writeSettings(const QByteArray& text)
    {
        QFile file(settingsFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QString settingsText()
    {
        QFile file(settingsFilePath());
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }
    QAction* action(const QString& name) { return m_chat->findChild<QAction*>(name); }
};
} // namespace

TEST_F(ClientSettings, ReadAtTheOwnLogInBeforeItsEnteredCue)
{
    writeSettings(
        "[other]\nkeep=1\n[Pictova]\nTextsize=12\nTextcolor=clRed\nPlaysounds=false\nPhrase3=/me dances\n"
        "Phrase4=\nSnapcount=41\n");
    EXPECT_EQ(m_chat->chatInput()->textColour(), rgbColour(0x80, 0, 0));
    logIn(2, "Me");
    EXPECT_TRUE(action("N12")->isChecked());
    EXPECT_FALSE(action("N8")->isChecked());
    EXPECT_EQ(m_chat->view().mainchat->textSize(), 12);
    EXPECT_EQ(m_chat->chatInput()->textColour(), rgbColour(0xFF, 0, 0));
    EXPECT_EQ(m_chat->phraseButtons()->phraseText(3), "/me dances");
    EXPECT_EQ(m_chat->phraseButtons()->phraseText(4), "Excellent!");
    EXPECT_EQ(m_chat->snapshotCounter(), 41);
    EXPECT_FALSE(action("PlaySounds1")->isChecked());
    // The settings came before the log-in's own "entered" cue, which therefore stays silent.
    EXPECT_TRUE(m_chat->sounds().history().isEmpty());
}

TEST_F(ClientSettings, MenuChangesAreSavedButTheActionColourWaits)
{
    writeSettings("; kept comment\n[Pictova]\nActioncolor=clBlue\n");
    logIn(2, "Me");
    m_chat->chatInput()->setActionColour(rgbColour(0, 0x80, 0));
    EXPECT_TRUE(settingsText().contains("Actioncolor=clBlue"));
    action("PlaySounds1")->trigger();
    EXPECT_FALSE(m_chat->sounds().enabled());
    const QString saved = settingsText();
    EXPECT_TRUE(saved.contains("; kept comment"));
    EXPECT_TRUE(saved.contains("Playsounds=false"));
    EXPECT_TRUE(saved.contains("Actioncolor=clGreen"));
    const auto heard = m_chat->sounds().history().size();
    receive("CMD_newplayerinfo+3+Other");
    EXPECT_EQ(m_chat->sounds().history().size(), heard);

    action("N14")->trigger();
    EXPECT_FALSE(action("N14")->isChecked());
    EXPECT_EQ(m_chat->view().mainchat->textSize(), 14);
    EXPECT_TRUE(settingsText().contains("Textsize=14"));
}

TEST_F(ClientSettings, SnapshotsNeedACaptionAndCountUp)
{
    logIn(2, "Me");
    m_chat->button_snapshotClick();
    EXPECT_FALSE(QFile::exists(snapshotFolder() + "/snapshot1.jpg"));
    receive({"CMD_existingplayers+1+Ann", "CMD_pickcatagory+1", "CMD_nextplayer+1+0+___ ",
             "CMD_updateanswer+true+FAN"});
    m_chat->button_snapshotClick();
    m_chat->button_snapshotClick();
    EXPECT_TRUE(QFile::exists(snapshotFolder() + "/snapshot1.jpg"));
    EXPECT_TRUE(QFile::exists(snapshotFolder() + "/snapshot2.jpg"));
    EXPECT_TRUE(settingsText().contains("Snapcount=2"));
}
