// The start dialog's letter hints and word folder, from the window to the server.
#include "client/boardheader.h"
#include "client/gamestarter.h"
#include "client/gameviews.h"
#include "client/model/clientsession.h"
#include "messaging/catalogue.h"
#include "shell/apppaths.h"
#include "shell/gamestartform.h"
#include "shell/settings.h"
#include "tests/client/clientfixture.h"
#include "tests/support/waitfor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace pictova::test {
namespace {

using StartWindow = ClientFixture;

TEST_F(StartWindow, LetterHintsGoOnlyToAServerThatAnnouncedThem)
{
    // A first-version server: no capability message.
    logIn(1, "Ann");
    m_chat->starter().onStartClicked();
    auto* reveal = m_startform->findChild<QCheckBox*>("revealLetters");
    EXPECT_FALSE(reveal->isEnabled());
    reveal->setChecked(true);
    EXPECT_FALSE(m_startform->revealLettersChecked());
    m_startform->findChild<QPushButton*>("startButton")->click();
    EXPECT_EQ(sentEntries(), QStringList({"CMD_startgame+1+false+20+120"}));

    // A server of this program: the options go just before the start, on or off.
    receive("CMD_features+rejoin,reveal-letters");
    m_sent.clear();
    m_chat->starter().onStartClicked();
    EXPECT_TRUE(reveal->isEnabled());
    EXPECT_TRUE(m_startform->revealLettersChecked());
    m_startform->findChild<QPushButton*>("startButton")->click();
    reveal->setChecked(false);
    m_chat->starter().onStartClicked();
    m_startform->findChild<QPushButton*>("startButton")->click();
    EXPECT_EQ(sentEntries(), QStringList({"CMD_startoptions+1+reveal-letters", "CMD_startgame+1+false+20+120",
                                          "CMD_startoptions+1+", "CMD_startgame+1+false+20+120"}));
}

TEST_F(StartWindow, AJoinedCopyCannotChooseWordsAndSaysWhy)
{
    logIn(1, "Ann");
    m_chat->starter().onStartClicked();
    auto* words = m_startform->findChild<QComboBox*>("words");
    EXPECT_FALSE(words->isEnabled());
    EXPECT_EQ(m_startform->findChild<QLabel*>("wordsNote")->text(),
              "Only the copy that hosts the game can use its own words.");
    EXPECT_TRUE(m_startform->wordFolder().isEmpty());
}

} // namespace
} // namespace pictova::test

namespace pictova::test {
namespace {

// The last start's choices are kept in the settings file under keys of their own, and the
// status strip shows, before any game, the time per turn a game started now would use.
TEST_F(StartWindow, TheLastChoicesAreRememberedAndTheStripShowsTheTimeAGameWillUse)
{
    EXPECT_EQ(m_chat->views().header().timeCaption()->text(), "Time per turn: 120");
    logIn(1, "Ann");
    m_chat->starter().onStartClicked();
    auto* time = m_startform->findChild<QLineEdit*>("timeperturn");
    time->selectAll();
    QTest::keyClicks(time, "90");
    QTest::keyClick(time, Qt::Key_Return);
    EXPECT_EQ(m_chat->views().header().timeCaption()->text(), "Time per turn: 90");
    m_startform->findChild<QCheckBox*>("team")->setChecked(true);
    m_startform->findChild<QPushButton*>("startButton")->click();
    EXPECT_EQ(sentEntries(), QStringList{"CMD_startgame+1+true+20+90"});

    QFile file(settingsFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(written.contains("StartSeconds=90")) << written.toStdString();
    EXPECT_TRUE(written.contains("StartTeam=true")) << written.toStdString();
    // The keys a first-version copy reads are left alone.
    const LoadedSettings firstVersion = loadSettings(settingsFilePath(), 0);
    EXPECT_EQ(firstVersion.textsize, 8);
    EXPECT_TRUE(firstVersion.playsounds);

    GameWindow next;
    next.setProperty("noParams", true);
    GameStartForm nextForm;
    SecondaryWindows windows;
    windows.gamestartform = &nextForm;
    next.attachWindows(windows);
    EXPECT_EQ(nextForm.timeText(), "90");
    EXPECT_TRUE(nextForm.teamChecked());
    EXPECT_EQ(next.views().header().timeCaption()->text(), "Time per turn: 90");
}

} // namespace
} // namespace pictova::test
