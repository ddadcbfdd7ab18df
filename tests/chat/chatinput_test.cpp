#include "chat/chatinput.h"
#include "tests/chat/sentmessages.h"
#include "tests/support/waitfor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <gtest/gtest.h>

using namespace pictova;
using pictova::test::ErrorBox;
using pictova::test::SentMessages;

namespace {

void press(QWidget& widget, int key, const QString& text = {},
           Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(&widget, &up);
}

void type(QWidget& widget, const QString& text)
{
    for (const QChar c : text)
        press(widget, c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - u'A') : Qt::Key_unknown,
              QString(c));
}

struct Field
{
    SentMessages sent;
    ChatInput input;
    Field() { input.setContext(sent.context()); }
    // Types `text` into the untouched field and presses Enter.
    void enter(const QString& text)
    {
        type(input, text);
        press(input, Qt::Key_Return, QStringLiteral("\r"));
    }
};

// Accepts (or cancels) the colour dialog as soon as it is up, choosing `colour`.
void answerColourDialog(const QColor& colour, bool accept)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, colour, accept] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        dialog->setCurrentColor(colour);
        accept ? dialog->accept() : dialog->reject();
    });
    poll->start(5);
}

} // namespace

TEST(ChatInput, StartsWithThePromptAndTheFirstKeyEmptiesIt)
{
    Field field;
    EXPECT_EQ(field.input.objectName(), QStringLiteral("mychat"));
    EXPECT_EQ(field.input.text(), QStringLiteral("<Enter Chat Here>"));
    EXPECT_TRUE(field.input.placeholderText().isEmpty());
    type(field.input, QStringLiteral("h"));
    EXPECT_EQ(field.input.text(), QStringLiteral("h"));
    // Only the untouched prompt is emptied, not text that merely looks like it later on.
    type(field.input, QStringLiteral("i"));
    EXPECT_EQ(field.input.text(), QStringLiteral("hi"));
}

TEST(ChatInput, EnterSendsAChatLineInTheTextColourAndClears)
{
    Field field;
    field.enter(QStringLiteral("hello there"));
    EXPECT_EQ(field.sent.messages(), QStringList{QStringLiteral("CMD_chat+3+hello there|clMaroon")});
    EXPECT_TRUE(field.input.text().isEmpty());
}

TEST(ChatInput, EnterOnTheUntouchedPromptSendsNothing)
{
    Field field;
    press(field.input, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(field.sent.raw.isEmpty());
    EXPECT_TRUE(field.input.text().isEmpty());
    press(field.input, Qt::Key_Enter, QStringLiteral("\r"));
    EXPECT_TRUE(field.sent.raw.isEmpty());
}

TEST(ChatInput, MeCommandsBecomeActionsAndOtherCommandsAreDropped)
{
    Field field;
    field.input.setActionColour(rgbColour(0xBF, 0xD7, 0xBF));
    field.input.setText(QStringLiteral("/me waves"));
    field.input.sendit();
    field.input.setText(QStringLiteral("/me"));
    field.input.sendit();
    field.input.setText(QStringLiteral("/mewaves"));
    field.input.sendit();
    field.input.setText(QStringLiteral("/help"));
    field.input.sendit();
    EXPECT_TRUE(field.input.text().isEmpty());
    field.input.setText(QStringLiteral("/ME shouts")); // the command is lower case only
    field.input.sendit();
    EXPECT_EQ(field.sent.messages(), (QStringList{QStringLiteral("CMD_action+3+waves|$00BFD7BF"),
                                                  QStringLiteral("CMD_action+3+|$00BFD7BF"),
                                                  QStringLiteral("CMD_action+3+aves|$00BFD7BF")}));
}

TEST(ChatInput, NothingLeavesBeforeTheLogIn)
{
    Field field;
    field.sent.loggedin = false;
    field.enter(QStringLiteral("early"));
    EXPECT_TRUE(field.sent.raw.isEmpty());
    EXPECT_EQ(field.input.text(), QStringLiteral("early"));
    field.sent.loggedin = true;
    press(field.input, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(field.sent.messages(), QStringList{QStringLiteral("CMD_chat+3+early|clMaroon")});
}

TEST(ChatInput, TerminatorByteNeverTravelsInsideALine)
{
    Field field;
    field.input.setText(QStringLiteral("a\u00FF") + QStringLiteral("CMD_kickhim+1+2+"));
    field.input.sendit();
    ASSERT_EQ(field.sent.raw.size(), 1);
    EXPECT_EQ(field.sent.raw[0].count('\xFF'), 1);
    EXPECT_EQ(field.sent.messages(), QStringList{QStringLiteral("CMD_chat+3+aCMD_kickhim+1+2+|clMaroon")});

    field.input.setText(QStringLiteral("\u00FF")); // nothing left to send
    field.input.sendit();
    EXPECT_EQ(field.sent.raw.size(), 1);
}

TEST(ChatInput, BarInTheTextTravelsAsTyped)
{
    Field field;
    field.input.setText(QStringLiteral("a|b"));
    field.input.sendit();
    EXPECT_EQ(field.sent.messages(), QStringList{QStringLiteral("CMD_chat+3+a|b|clMaroon")});
}

TEST(ChatInput, TextColourColoursTheFieldAndTheLines)
{
    Field field;
    EXPECT_EQ(field.input.textColour(), ChatInput::kDefaultTextColour);
    EXPECT_EQ(field.input.actionColour(), ChatInput::kDefaultActionColour);
    EXPECT_EQ(field.input.palette().color(QPalette::Text), QColor(0x80, 0, 0));
    field.input.setTextColour(rgbColour(255, 0, 0));
    EXPECT_EQ(field.input.palette().color(QPalette::Text), QColor(255, 0, 0));
    field.input.setText(QStringLiteral("hi"));
    field.input.sendit();
    EXPECT_EQ(field.sent.messages(), QStringList{QStringLiteral("CMD_chat+3+hi|clRed")});
}

TEST(ChatInput, FailedSendIsReportedAndKeepsTheLine)
{
    ErrorBox box;
    Field field;
    field.sent.connected = false;
    field.enter(QStringLiteral("lost"));
    EXPECT_EQ(box.shown, QStringList{QStringLiteral("Send - Socket Not Connected")});
    EXPECT_EQ(field.input.text(), QStringLiteral("lost"));
}

TEST(ChatInput, PasteReplacesTheWholeField)
{
    Field field;
    EXPECT_EQ(field.input.contextMenu()->objectName(), QStringLiteral("PopupMenu2"));
    QAction* paste = field.input.contextMenu()->findChild<QAction*>(QStringLiteral("Paste1"));
    ASSERT_NE(paste, nullptr);
    EXPECT_EQ(paste->text(), QStringLiteral("Paste"));

    field.input.setText(QStringLiteral("abc"));
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    paste->trigger();
    EXPECT_EQ(field.input.text(), QStringLiteral("pasted"));

    field.input.setText(QStringLiteral("<Enter Chat Here>"));
    QGuiApplication::clipboard()->setText(QStringLiteral("keys"));
    press(field.input, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
    EXPECT_EQ(field.input.text(), QStringLiteral("keys"));

    QGuiApplication::clipboard()->clear();
    paste->trigger();
    EXPECT_EQ(field.input.text(), QStringLiteral("keys"));
}

TEST(ChatInput, ColourDialogsChangeTheColourOnlyWhenConfirmed)
{
    Field field;
    answerColourDialog(QColor(0, 0, 255), true);
    EXPECT_TRUE(field.input.chooseTextColour());
    EXPECT_EQ(field.input.textColour(), rgbColour(0, 0, 255));
    EXPECT_EQ(field.input.palette().color(QPalette::Text), QColor(0, 0, 255));

    answerColourDialog(QColor(0, 255, 0), false);
    EXPECT_FALSE(field.input.chooseTextColour());
    EXPECT_EQ(field.input.textColour(), rgbColour(0, 0, 255));

    answerColourDialog(QColor(0, 128, 0), true);
    EXPECT_TRUE(field.input.chooseActionColour());
    EXPECT_EQ(field.input.actionColour(), rgbColour(0, 128, 0));
    field.input.setText(QStringLiteral("/me ok"));
    field.input.sendit();
    EXPECT_EQ(field.sent.messages(), QStringList{QStringLiteral("CMD_action+3+ok|clGreen")});
}

// A server cuts a line past 400 characters: the field stops there, typed or pasted.
TEST(ChatInput, TheFieldHoldsAtMostFourHundredCharacters)
{
    Field field;
    type(field.input, QString(399, QLatin1Char('a')));
    type(field.input, QStringLiteral("bc"));
    EXPECT_EQ(field.input.text(), QString(399, QLatin1Char('a')) + QLatin1Char('b'));
    press(field.input, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(field.sent.messages(),
              QStringList{QStringLiteral("CMD_chat+3+%1b|clMaroon").arg(QString(399, QLatin1Char('a')))});

    QGuiApplication::clipboard()->setText(QString(401, QLatin1Char('z')));
    field.input.contextMenu()->findChild<QAction*>(QStringLiteral("Paste1"))->trigger();
    EXPECT_EQ(field.input.text(), QString(400, QLatin1Char('z')));
}
