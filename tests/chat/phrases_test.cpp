#include "chat/phrasebuttons.h"
#include "chat/phraseeditor.h"
#include "tests/chat/sentmessages.h"
#include "tests/support/waitfor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace pictova;
using pictova::test::ErrorBox;
using pictova::test::SentMessages;
using pictova::test::waitFor;

namespace {

struct Row
{
    SentMessages sent;
    PhraseButtons buttons;
    ColourValue action = 0;
    qint64 nowMs = 5000; // the cool-down's clock, moved by hand
    Row()
    {
        sent.seat = 2;
        buttons.setContext(sent.context());
        buttons.setActionColourSource([this] { return action; });
        buttons.setCooldownClock([this] { return nowMs; });
    }
};

} // namespace

TEST(PhraseButtons, TenNamedButtonsCarryTheBuiltInTextsAsTooltips)
{
    Row row;
    const QStringList expected = {"Way To Go!",          "Good One!", "Nice Try!", "Excellent!",
                                  "Brilliant!",          "Wow, WTG!", "Thanks!",   "Nice Roll!",
                                  "Good Game Everyone!", "See ya!"};
    EXPECT_EQ(row.buttons.phraseTexts(), expected);
    for (int n = 1; n <= 10; ++n) {
        auto* button = row.buttons.findChild<QToolButton*>(QStringLiteral("b_phrase%1").arg(n));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolTip(), expected[n - 1]);
        EXPECT_EQ(button->size(), QSize(25, 19));
    }
    row.buttons.setPhraseText(3, QStringLiteral("Close!"));
    EXPECT_EQ(row.buttons.button(3)->toolTip(), QStringLiteral("Close!"));
    row.buttons.setPhraseText(0, QStringLiteral("x"));
    row.buttons.setPhraseText(11, QStringLiteral("x"));
    EXPECT_TRUE(row.buttons.phraseText(11).isEmpty());
    EXPECT_EQ(row.buttons.phraseTexts().size(), 10);
}

TEST(PhraseButtons, ClickSendsTheSaysActionInTheActionColour)
{
    Row row;
    row.action = rgbColour(0x80, 0, 0x80);
    row.buttons.button(3)->click();
    EXPECT_EQ(row.sent.messages(), QStringList{QStringLiteral("CMD_action+2+says: Nice Try!|clPurple")});
}

TEST(PhraseButtons, ClicksDuringTheCoolDownAreIgnoredUntilItRunsOut)
{
    Row row;
    row.buttons.onPhraseButton(1);
    row.buttons.onPhraseButton(2);
    row.buttons.onPhraseButton(1);
    EXPECT_EQ(row.sent.raw.size(), 1);
    EXPECT_FALSE(row.buttons.phraseready());

    // Exactly at the cool-down's length it still runs; one past it, it is over.
    row.nowMs += PhraseCooldown::kDefaultMs;
    EXPECT_FALSE(row.buttons.phraseready());
    row.buttons.onPhraseButton(2);
    EXPECT_EQ(row.sent.raw.size(), 1);
    row.nowMs += 1;
    EXPECT_TRUE(row.buttons.phraseready());
    row.buttons.onPhraseButton(2);
    EXPECT_EQ(row.sent.messages(), (QStringList{QStringLiteral("CMD_action+2+says: Way To Go!|clBlack"),
                                                QStringLiteral("CMD_action+2+says: Good One!|clBlack")}));
    EXPECT_FALSE(row.buttons.phraseready());
}

TEST(PhraseCooldown, ReadyAtStartAndOnlyPastItsLengthAfterEachStart)
{
    qint64 now = -40; // any starting point of the clock
    PhraseCooldown cooldown(10, [&] { return now; });
    EXPECT_TRUE(cooldown.ready());
    cooldown.start();
    now += 10;
    EXPECT_FALSE(cooldown.ready());
    now += 1;
    EXPECT_TRUE(cooldown.ready());
    cooldown.start(); // a new start counts from now
    EXPECT_FALSE(cooldown.ready());
    now += 11;
    EXPECT_TRUE(cooldown.ready());
}

TEST(PhraseButtons, MePhrasesAndEmptyPhrasesFollowTheSendingRules)
{
    Row row;
    row.buttons.setPhraseText(1, QStringLiteral("/me dances"));
    row.buttons.setPhraseText(2, QString());
    row.buttons.setPhraseText(3, QStringLiteral("   "));
    row.buttons.setPhraseText(4, QStringLiteral("/me"));
    row.buttons.setPhraseText(5, QStringLiteral("/me "));
    row.buttons.onPhraseButton(1);
    row.nowMs += PhraseCooldown::kDefaultMs + 1;
    // A phrase with nothing to say sends nothing and leaves the buttons ready.
    for (int n = 2; n <= 5; ++n) {
        row.buttons.onPhraseButton(n);
        EXPECT_TRUE(row.buttons.phraseready()) << n;
    }
    EXPECT_EQ(row.sent.messages(), QStringList{QStringLiteral("CMD_action+2+dances|clBlack")});
    row.buttons.setPhraseText(2, QStringLiteral(" x"));
    row.buttons.onPhraseButton(2);
    EXPECT_EQ(row.sent.messages().last(), QStringLiteral("CMD_action+2+says:  x|clBlack"));
}

TEST(PhraseButtons, SendFailureIsReportedAndStartsNoCoolDown)
{
    ErrorBox box;
    Row row;
    row.sent.connected = false;
    row.buttons.onPhraseButton(5);
    EXPECT_EQ(box.shown, QStringList{QStringLiteral("Send - Socket Not Connected")});
    EXPECT_TRUE(row.buttons.phraseready());
    row.sent.connected = true;
    row.buttons.onPhraseButton(5);
    EXPECT_EQ(row.sent.messages(), QStringList{QStringLiteral("CMD_action+2+says: Brilliant!|clBlack")});
}

// ---- the editor ---------------------------------------------------------------------------

namespace {
struct Editor : Row
{
    PhraseEditor editor{buttons};
    QList<QStringList> stored;
    Editor()
    {
        editor.setStorePhrases([this](const QStringList& texts) { stored << texts; });
    }
};
} // namespace

TEST(PhraseEditor, FieldsAreLabelledAndHoldAtMostFiftyCharacters)
{
    Editor e;
    EXPECT_EQ(e.editor.windowTitle(), QStringLiteral("Pictova - Phrase Buttons"));
    EXPECT_FALSE(e.editor.isModal());
    QStringList labels;
    for (const QLabel* label : e.editor.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("Phrase Button 1:")));
    EXPECT_TRUE(labels.contains(QStringLiteral("Phrase Button 9:")));
    EXPECT_TRUE(labels.contains(QStringLiteral("Phrase Button 0:")));
    EXPECT_FALSE(labels.contains(QStringLiteral("Phrase Button 10:")));
    auto* done = e.editor.findChild<QPushButton*>(QStringLiteral("doneButton"));
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(done->text(), QStringLiteral("Done"));

    QLineEdit* field = e.editor.findChild<QLineEdit*>(QStringLiteral("phrase10"));
    ASSERT_NE(field, nullptr);
    field->setText(QString(50, QLatin1Char('a')));
    EXPECT_EQ(field->text().size(), 50);
    QKeyEvent more(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
    QApplication::sendEvent(field, &more);
    EXPECT_EQ(field->text(), QString(50, QLatin1Char('a')));
    field->setText(QString(51, QLatin1Char('c')));
    EXPECT_EQ(field->text().size(), 50);
}

TEST(PhraseEditor, OpeningCopiesTheButtonsAndDoneCopiesBackAndStores)
{
    Editor e;
    e.buttons.setPhraseText(4, QStringLiteral("Superb!"));
    e.editor.showPhrases();
    EXPECT_TRUE(e.editor.isVisible());
    EXPECT_EQ(e.editor.field(4)->text(), QStringLiteral("Superb!"));
    EXPECT_EQ(e.editor.field(10)->text(), QStringLiteral("See ya!"));

    e.editor.field(1)->setText(QStringLiteral("/me bows"));
    e.editor.field(2)->clear();
    e.editor.findChild<QPushButton*>(QStringLiteral("doneButton"))->click();
    EXPECT_FALSE(e.editor.isVisible());
    EXPECT_EQ(e.buttons.phraseText(1), QStringLiteral("/me bows"));
    EXPECT_EQ(e.buttons.phraseText(2), QString());
    ASSERT_EQ(e.stored.size(), 1);
    EXPECT_EQ(e.stored[0], e.buttons.phraseTexts());
    EXPECT_EQ(e.stored[0].size(), 10);

    // The emptied button sends nothing.
    e.buttons.onPhraseButton(2);
    EXPECT_TRUE(e.sent.raw.isEmpty());
}

TEST(PhraseEditor, ClosingWithoutDoneLeavesTheButtonsAlone)
{
    Editor e;
    e.editor.showPhrases();
    e.editor.field(1)->setText(QStringLiteral("changed"));
    e.editor.close();
    EXPECT_FALSE(e.editor.isVisible());
    EXPECT_EQ(e.buttons.phraseText(1), QStringLiteral("Way To Go!"));
    EXPECT_TRUE(e.stored.isEmpty());
    // Reopening shows the buttons' texts again, not the abandoned edit.
    e.editor.showPhrases();
    EXPECT_EQ(e.editor.field(1)->text(), QStringLiteral("Way To Go!"));
}

TEST(PhraseEditor, StoreFailureIsReportedAndKeepsTheEditorOpen)
{
    ErrorBox box;
    Editor e;
    e.editor.setStorePhrases([](const QStringList&) {
        throw PictovaError(QStringLiteral("Unable to write to /ro/orvilobby.ini"));
    });
    e.editor.showPhrases();
    e.editor.field(3)->setText(QStringLiteral("New"));
    e.editor.keepPhrases();
    EXPECT_EQ(box.shown, QStringList{QStringLiteral("Unable to write to /ro/orvilobby.ini")});
    EXPECT_TRUE(e.editor.isVisible());
    EXPECT_EQ(e.buttons.phraseText(3), QStringLiteral("New"));
}
