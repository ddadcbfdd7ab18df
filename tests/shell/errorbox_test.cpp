#include "messaging/errors.h"
#include "shell/errorbox.h"
#include "tests/support/waitfor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include <gtest/gtest.h>

using namespace pictova;

namespace {

int openErrorBoxes()
{
    int open = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox*>(window) && window->isVisible())
            ++open;
    return open;
}

class ErrorBoxTest : public ::testing::Test
{
protected:
    void TearDown() override { setErrorReporter(nullptr); }
    QWidget m_mainWindow;
};

TEST_F(ErrorBoxTest, errorsGatherInOneBoxThatDoesNotBlockTheGame)
{
    m_mainWindow.show();
    ErrorBox* box = installErrorBox(&m_mainWindow);
    reportError("Send - Socket Not Connected");
    ASSERT_TRUE(box->isOpen());
    EXPECT_EQ(box->box()->windowTitle(), "Pictova");
    EXPECT_EQ(box->text(), "Send - Socket Not Connected");
    EXPECT_FALSE(box->box()->isModal());
    EXPECT_EQ(box->box()->windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    reportError("'x' is not a valid integer value");
    reportError("'x' is not a valid integer value");
    EXPECT_EQ(openErrorBoxes(), 1);
    EXPECT_EQ(box->text(), "Send - Socket Not Connected\n'x' is not a valid integer value");
    EXPECT_TRUE(test::waitFor([&] { return box->box()->text() == box->text(); }));

    // Once dismissed, the next error starts afresh.
    box->box()->button(QMessageBox::Ok)->click();
    EXPECT_FALSE(box->isOpen());
    reportError("Unable to write to /x/orvilobby.ini");
    EXPECT_EQ(box->text(), "Unable to write to /x/orvilobby.ini");
    EXPECT_EQ(openErrorBoxes(), 1);
}

TEST_F(ErrorBoxTest, aFloodOfErrorsStaysBoundedAndTextIsNeverMarkup)
{
    ErrorBox* box = installErrorBox(&m_mainWindow);
    for (int i = 0; i < 1000; ++i)
        reportError(QString("error %1 ").arg(i) + QString(2000, 'x'));
    EXPECT_EQ(box->text().count('\n'), ErrorBox::kMaxLines - 1);
    EXPECT_LE(box->text().size(), ErrorBox::kMaxLines * (ErrorBox::kMaxLineLength + 1));
    EXPECT_TRUE(box->text().startsWith("error 990 "));
    EXPECT_TRUE(test::waitFor([&] { return box->box()->text() == box->text(); }));
    EXPECT_EQ(box->box()->textFormat(), Qt::PlainText);
}

TEST_F(ErrorBoxTest, errorsAfterTheMainWindowIsGoneDoNotCrash)
{
    auto* window = new QWidget;
    installErrorBox(window);
    delete window;
    reportError("late error");
    SUCCEED();
}

} // namespace
