#include "server/wordfolder.h"
#include "shell/apppaths.h"
#include "shell/gamestartform.h"
#include "shell/settings.h"
#include "shell/steppedrange.h"
#include "shell/updown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace pictova;

namespace {

QStringList stepAll(GameStartForm& form, const char* updown, const char* arrow, int times)
{
    QToolButton* button = form.findChild<UpDown*>(updown)->findChild<QToolButton*>(arrow);
    QStringList seen;
    for (int i = 0; i < times; ++i) {
        button->click();
        seen.append(QString(updown) == "playtoArrows" ? form.playtoText() : form.timeText());
    }
    return seen;
}

void press(QWidget* target, int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

TEST(GameStartForm, startsWithTheDefaultsAndTheLook)
{
    GameStartForm form;
    EXPECT_EQ(form.windowTitle(), "Pictova - Start Game");
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form.playtoText(), "20");
    EXPECT_EQ(form.timeText(), "120");
    EXPECT_FALSE(form.teamChecked());
    EXPECT_FALSE(form.findChild<QLineEdit*>("playtoscore")->isReadOnly());
    EXPECT_FALSE(form.findChild<QLineEdit*>("timeperturn")->isReadOnly());
    EXPECT_EQ(form.findChild<QCheckBox*>("team")->text(), "Team Game");
    EXPECT_EQ(form.findChild<QPushButton*>("startButton")->text(), "Start Game");

    form.show();
    EXPECT_EQ(form.focusWidget(), form.findChild<QCheckBox*>("team"));
    // Sized by its text, not by the user.
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
}

TEST(GameStartForm, theArrowsStepByFivesAndStopAtTheLimits)
{
    GameStartForm form;
    const QStringList up = stepAll(form, "playtoArrows", "up", 18);
    EXPECT_EQ(up.first(), "25");
    EXPECT_EQ(up[15], "100");
    EXPECT_EQ(up.last(), "100");
    EXPECT_EQ(stepAll(form, "playtoArrows", "down", 17).last(), "20");

    EXPECT_EQ(stepAll(form, "timeArrows", "up", 1), QStringList{"120"});
    const QStringList down = stepAll(form, "timeArrows", "down", 13);
    EXPECT_EQ(down.first(), "115");
    EXPECT_EQ(down[11], "60");
    EXPECT_EQ(down.last(), "60");
}

TEST(GameStartForm, upAndDownKeysStepTheFocusedField)
{
    GameStartForm form;
    press(form.findChild<QLineEdit*>("playtoscore"), Qt::Key_Up);
    press(form.findChild<QLineEdit*>("playtoscore"), Qt::Key_Up);
    press(form.findChild<QLineEdit*>("timeperturn"), Qt::Key_Down);
    EXPECT_EQ(form.playtoText(), "30");
    EXPECT_EQ(form.timeText(), "115");
}

// Typed numbers count once the typing is done (Enter, leaving the field, an arrow or Start),
// within the same limits and steps as the arrows.
TEST(GameStartForm, typedNumbersKeepToTheArrowsLimitsAndSteps)
{
    GameStartForm form;
    form.show();
    auto* playto = form.findChild<QLineEdit*>("playtoscore");
    auto* time = form.findChild<QLineEdit*>("timeperturn");
    const struct
    {
        QLineEdit* field;
        const char* typed;
        const char* shown;
    } cases[] = {
        {playto, "100", "100"}, {playto, "101", "100"}, {playto, "37", "35"}, {playto, "19", "20"},
        {playto, "x5", "20"},   {time, "60", "60"},     {time, "59", "60"},   {time, "118", "120"},
        {time, "121", "120"},   {time, "", "120"},
    };
    for (const auto& c : cases) {
        c.field->setFocus();
        c.field->selectAll();
        QTest::keyClicks(c.field, c.typed);
        QTest::keyClick(c.field, Qt::Key_Return);
        EXPECT_EQ(c.field->text(), c.shown) << c.typed;
    }
    // The arrows go on from a typed number, and Start takes what is typed as it stands.
    playto->selectAll();
    QTest::keyClicks(playto, "50");
    form.findChild<UpDown*>("playtoArrows")->findChild<QToolButton*>("up")->click();
    EXPECT_EQ(form.playtoText(), "55");
    time->selectAll();
    QTest::keyClicks(time, "90");
    QString started;
    QObject::connect(&form, &GameStartForm::startRequested, [&] { started = form.timeText(); });
    form.findChild<QPushButton*>("startButton")->click();
    EXPECT_EQ(started, "90");
    EXPECT_EQ(form.choices().playto, 55);
}

TEST(GameStartForm, announcedValuesShowWithinTheLimitsAndKeepTheTeamBox)
{
    GameStartForm form;
    form.findChild<QCheckBox*>("team")->setChecked(true);
    form.setAnnounced(45, 90);
    EXPECT_EQ(form.playtoText(), "45");
    EXPECT_EQ(form.timeText(), "90");
    EXPECT_TRUE(form.teamChecked());

    // Whatever a host announces, the fields never show a value the arrows could not reach.
    form.setAnnounced(1000, -5);
    EXPECT_EQ(form.playtoText(), "100");
    EXPECT_EQ(form.timeText(), "60");
    form.setAnnounced(33, 87);
    EXPECT_EQ(form.playtoText(), "35");
    EXPECT_EQ(form.timeText(), "85");
    form.setAnnounced(INT_MIN, INT_MAX);
    EXPECT_EQ(form.playtoText(), "20");
    EXPECT_EQ(form.timeText(), "120");
}

TEST(GameStartForm, startGameAsksForTheStartAndCloses)
{
    GameStartForm form;
    form.show();
    QString seenPlayto;
    bool wasVisible = false;
    QObject::connect(&form, &GameStartForm::startRequested, [&] {
        seenPlayto = form.playtoText();
        wasVisible = form.isVisible();
    });
    QSignalSpy started(&form, &GameStartForm::startRequested);
    form.findChild<QPushButton*>("startButton")->click();
    EXPECT_EQ(started.count(), 1);
    EXPECT_EQ(seenPlayto, "20");
    EXPECT_TRUE(wasVisible);
    EXPECT_FALSE(form.isVisible());
}

TEST(SteppedRange, keepsToItsStepsAndLimits)
{
    SteppedRange range(20, 100, 5, 20);
    EXPECT_FALSE(range.stepDown());
    EXPECT_TRUE(range.stepUp());
    EXPECT_EQ(range.position(), 25);
    range.setPosition(99);
    EXPECT_EQ(range.position(), 100);
    EXPECT_FALSE(range.stepUp());
    range.setPosition(22);
    EXPECT_EQ(range.position(), 20);
    range.setPosition(23);
    EXPECT_EQ(range.position(), 25);

    SteppedRange uneven(0, 12, 5, 12); // the top is brought down onto a step
    EXPECT_EQ(uneven.position(), 10);
    EXPECT_FALSE(uneven.stepUp());
}

} // namespace

namespace {

// The start dialog with the game window's folder check and a picker that answers `picked`.
class StartFormWords : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_data.isValid() && m_words.isValid());
        overrideDataFolder(m_data.path());
        m_form.setWordFolderCheck([](const QString& folder) {
            const WordFolder words = WordFolder::read(folder);
            return GameStartForm::WordFolderCheck{words.report(), words.usable()};
        });
        m_form.setFolderPicker([this](const QString& startIn) {
            m_startedIn = startIn;
            return m_picked;
        });
    }
    void TearDown() override { overrideDataFolder(QString()); }

    void writeWords(const QByteArray& general)
    {
        QFile file(m_words.filePath("general.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(general);
    }
    QComboBox* words() { return m_form.findChild<QComboBox*>("words"); }
    // The message of the last check, closed once read.
    QString takeReport()
    {
        QMessageBox* box = m_form.findChild<QMessageBox*>("wordFolderReport");
        if (!box)
            return {};
        const QString text = box->text();
        delete box;
        return text;
    }

    QTemporaryDir m_data;
    QTemporaryDir m_words;
    GameStartForm m_form;
    QString m_picked;
    QString m_startedIn;
};

} // namespace

TEST_F(StartFormWords, LettersAreOffAndWordsBuiltInAtFirst)
{
    EXPECT_EQ(m_form.findChild<QCheckBox*>("revealLetters")->text(), "Reveal letters");
    EXPECT_FALSE(m_form.revealLettersChecked());
    QStringList items;
    for (int i = 0; i < words()->count(); ++i)
        items << words()->itemText(i);
    EXPECT_EQ(
        items,
        QString::fromUtf8("English|Deutsch|Français|Español|Português (Brasil)|From folder…").split('|'));
    EXPECT_EQ(words()->currentText(), "English");
    EXPECT_EQ(m_form.wordsLanguage(), "en");
    EXPECT_TRUE(m_form.wordFolder().isEmpty());
}

TEST_F(StartFormWords, TheLanguageChosenIsRememberedUnderAKeyOfItsOwnAndFillsWhatAFolderLacks)
{
    m_form.show();
    words()->setCurrentIndex(3);
    emit words()->activated(3);
    EXPECT_EQ(m_form.wordsLanguage(), "es");
    EXPECT_TRUE(m_form.wordFolder().isEmpty());
    EXPECT_EQ(loadWordsLanguage(settingsFilePath()), "es");
    // The keys a first-version copy reads are left as they were.
    EXPECT_EQ(loadSettings(settingsFilePath(), 0).textsize, 8);

    // A folder keeps the language for the categories it has no file for; a cancelled picker
    // goes back to the language.
    writeWords("zebra crossing\n");
    m_picked = m_words.path();
    words()->setCurrentIndex(5);
    emit words()->activated(5);
    takeReport();
    EXPECT_EQ(m_form.wordFolder(), m_words.path());
    EXPECT_EQ(m_form.wordsLanguage(), "es");
    words()->setCurrentIndex(4);
    emit words()->activated(4);
    EXPECT_TRUE(m_form.wordFolder().isEmpty());
    m_picked.clear();
    words()->setCurrentIndex(5);
    emit words()->activated(5);
    EXPECT_EQ(words()->currentText(), QString::fromUtf8("Português (Brasil)"));

    GameStartForm next;
    next.show();
    EXPECT_EQ(next.findChild<QComboBox*>("words")->currentIndex(), 4);
    EXPECT_EQ(next.wordsLanguage(), "pt_BR");
    // A code this version does not know is English.
    saveWordsLanguage(settingsFilePath(), "xx");
    EXPECT_EQ(loadWordsLanguage(settingsFilePath()), "en");
}

TEST_F(StartFormWords, AFolderIsCheckedWhenChosenAndItsMessageShown)
{
    writeWords("zebra crossing\n" + QByteArray(61, 'z') + "\ncry like a baby\n");
    m_picked = m_words.path();
    m_form.show();
    words()->setCurrentIndex(5);
    emit words()->activated(5);
    const QString report = takeReport();
    EXPECT_TRUE(report.contains("1 entry from general.txt.")) << report.toStdString();
    EXPECT_TRUE(report.contains("general.txt line 2: longer than 60 characters"));
    EXPECT_TRUE(report.contains("general.txt line 3:"));
    EXPECT_EQ(m_form.wordFolder(), m_words.path());
    EXPECT_EQ(loadWordFolder(settingsFilePath()), m_words.path());

    // A folder with nothing to deal is refused: the last good choice stays.
    QTemporaryDir empty;
    m_picked = empty.path();
    emit words()->activated(5);
    EXPECT_EQ(m_startedIn, m_words.path());
    EXPECT_TRUE(takeReport().contains("has no words to use"));
    EXPECT_EQ(m_form.wordFolder(), m_words.path());

    // The picker cancelled: nothing changes. Built-in: the folder is forgotten.
    m_picked.clear();
    emit words()->activated(5);
    EXPECT_TRUE(takeReport().isEmpty());
    EXPECT_EQ(m_form.wordFolder(), m_words.path());
    words()->setCurrentIndex(0);
    emit words()->activated(0);
    EXPECT_TRUE(m_form.wordFolder().isEmpty());
    EXPECT_TRUE(loadWordFolder(settingsFilePath()).isEmpty());
}

TEST_F(StartFormWords, TheRememberedFolderIsOfferedAgainAndAJoinedGameCannotUseIt)
{
    writeWords("zebra crossing\n");
    saveWordFolder(settingsFilePath(), m_words.path());
    m_form.show();
    EXPECT_EQ(words()->currentIndex(), 5);
    EXPECT_EQ(m_form.wordFolder(), m_words.path());
    EXPECT_TRUE(takeReport().isEmpty()); // no message without a choice

    m_form.setHostsGame(false);
    EXPECT_FALSE(words()->isEnabled());
    EXPECT_TRUE(m_form.wordFolder().isEmpty());
    EXPECT_EQ(m_form.findChild<QLabel*>("wordsNote")->text(),
              "Only the copy that hosts the game can use its own words.");
    m_form.setHostsGame(true);
    EXPECT_EQ(m_form.wordFolder(), m_words.path());
}
