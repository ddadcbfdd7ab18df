#include "chat/phrasebuttons.h"
#include "messaging/version.h"
#include "resources/artwork.h"
#include "shell/about.h"
#include "shell/dialogzoom.h"
#include "shell/help.h"
#include "shell/helppages.h"
#include "shell/zoomsetting.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTransform>

#include <gtest/gtest.h>

using namespace pictova;

namespace {

QString helpText(const QString& title)
{
    for (const HelpPage& page : helpPages()) {
        if (page.title == title) {
            QTextDocument document;
            document.setHtml(page.html);
            return document.toPlainText();
        }
    }
    return {};
}

QPushButton* buttonNamed(QWidget& window, const QString& text)
{
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

TEST(About, showsTheVersionAndOpensTheWebAddress)
{
    AboutBox about;
    EXPECT_EQ(about.windowTitle(), "Pictova - About");
    about.show();
    EXPECT_EQ(about.size(), QSize(AboutBox::kClientWidth, AboutBox::kClientHeight)); // its picture's
    EXPECT_EQ(about.versionText(), QString(kVersion));
    EXPECT_EQ(about.findChild<QLabel*>("version")->text(), "2.2.4");
    QStringList texts;
    for (QLabel* label : about.findChildren<QLabel*>())
        texts.append(label->text());
    EXPECT_TRUE(texts.contains("Pictova"));
    EXPECT_TRUE(texts.contains("Version"));
    EXPECT_TRUE(texts.contains(".1"));

    QStringList opened;
    bool accepts = true;
    about.setOpener([&](const QUrl& url) {
        opened.append(url.toString());
        return accepts;
    });
    about.show();
    auto* web = about.findChild<QLabel*>("webAddress");
    ASSERT_NE(web, nullptr);
    EXPECT_TRUE(web->font().underline() && web->font().bold() && web->font().italic());
    QTest::mouseClick(web, Qt::LeftButton);
    EXPECT_EQ(opened, QStringList{"http://www.quorix.example"});
    // An address the desktop refuses changes nothing in the box.
    accepts = false;
    QTest::mouseClick(web, Qt::LeftButton);
    EXPECT_EQ(opened, QStringList({"http://www.quorix.example", "http://www.quorix.example"}));
    EXPECT_TRUE(about.isVisible());

    buttonNamed(about, "Done")->click();
    EXPECT_FALSE(about.isVisible());
}

TEST(Help, opensOnTheOverviewAndSwitchesPagesByTag)
{
    HelpWindow help;
    EXPECT_EQ(help.windowTitle(), "Pictova - Help File");
    EXPECT_EQ(help.caption(), "Overview");
    EXPECT_EQ(help.currentPage()->objectName(), "memo1");

    const QList<QPair<QString, QString>> pages = {
        {"Overview", "memo1"},   {"Connecting", "memo2"},    {"Game Play", "memo3"}, {"Scoring", "memo4"},
        {"Snap Shots", "memo9"}, {"Documentation", "memo6"}, {"License", "memo5"},
    };
    for (const auto& [title, memo] : pages) {
        SCOPED_TRACE(title.toStdString());
        QPushButton* button = buttonNamed(help, title);
        ASSERT_NE(button, nullptr);
        button->click();
        EXPECT_EQ(help.caption(), title);
        EXPECT_EQ(help.currentPage()->objectName(), memo);
        EXPECT_TRUE(help.currentPage()->isReadOnly());
        // Each page opens by repeating its title.
        EXPECT_TRUE(help.currentPage()->toPlainText().startsWith(title));
    }

    // The window reopens on the page shown last.
    help.hide();
    help.show();
    EXPECT_EQ(help.currentPage()->objectName(), "memo5");
}

TEST(HelpPages, connectingGivesCommandLinesThatConnect)
{
    const QString text = helpText("Connecting");
    QStringList commands;
    for (const QString& line : text.split('\n'))
        if (line.trimmed().startsWith("pictova "))
            commands.append(line.trimmed());
    // A name and a host alone open a window that never connects: a third word is needed.
    ASSERT_EQ(commands.size(), 2) << text.toStdString();
    for (const QString& command : commands)
        EXPECT_EQ(command.split(' ', Qt::SkipEmptyParts).size(), 4) << command.toStdString();
    EXPECT_EQ(commands[0], "pictova Name 127.0.0.1 true");
    EXPECT_EQ(commands[1], "pictova Name host join");
}

TEST(HelpPages, phraseButtonsAreNamedAsTheGameNamesThem)
{
    const QString text = helpText("Overview");
    // Every line quoted for a phrase button is one the buttons carry, and the way to change
    // them is the menu item's own name.
    const QRegularExpression quoted("\"([^\"]+)\"");
    int found = 0;
    for (auto match = quoted.globalMatch(text); match.hasNext(); ++found)
        EXPECT_TRUE(PhraseButtons::builtInTexts().contains(match.next().captured(1)))
            << match.peekNext().captured(1).toStdString();
    EXPECT_GE(found, 2);
    EXPECT_TRUE(text.contains("View > Phrase Lists")) << text.toStdString();
}

TEST(About, noTextOverlapsThePictureOrOtherTextAndAllOfItFitsAtEveryScale)
{
    for (const int percent : {kZoomSteps.front(), kZoomSteps.back()}) {
        SCOPED_TRACE(percent);
        const qreal scale = percent / 100.0;
        DialogZoom::instance()->setZoom(scale);
        AboutBox about;
        about.show();
        const QPainterPath marks = QTransform::fromScale(scale, scale).map(artwork::aboutPictureMarks());
        ASSERT_FALSE(marks.isEmpty());
        struct Part
        {
            QString name;
            QRect place; // where it may not meet the picture's marks
            QRect ink;   // what may not meet another part
        };
        QList<Part> parts;
        for (QLabel* label : about.findChildren<QLabel*>()) {
            if (!label->isVisibleTo(&about) || label->text().isEmpty())
                continue;
            // The line box where the label puts its text, and the ink of the glyphs drawn from it.
            const QFontMetrics metrics(label->font());
            const QRect line = QStyle::alignedRect(Qt::LeftToRight, label->alignment(),
                                                   metrics.size(0, label->text()), label->geometry());
            const QRect ink =
                metrics.boundingRect(label->text()).translated(line.left(), line.top() + metrics.ascent());
            EXPECT_TRUE(label->geometry().contains(line))
                << label->text().toStdString() << " does not fit its place";
            parts.append({label->text(), line.united(ink), ink});
        }
        QPushButton* done = buttonNamed(about, "Done");
        ASSERT_NE(done, nullptr);
        parts.append({"Done", done->geometry(), done->geometry()});
        ASSERT_GE(parts.size(), 9);
        for (int i = 0; i < parts.size(); ++i) {
            const Part& part = parts[i];
            EXPECT_TRUE(QRect(QPoint(0, 0), about.size()).contains(part.place)) << part.name.toStdString();
            EXPECT_FALSE(marks.intersects(QRectF(part.place)))
                << part.name.toStdString() << " lies over the picture";
            for (int j = i + 1; j < parts.size(); ++j)
                EXPECT_FALSE(part.ink.intersects(parts[j].ink))
                    << part.name.toStdString() << " overlaps " << parts[j].name.toStdString();
        }
    }
    DialogZoom::instance()->setZoom(1.0);
}

TEST(Help, aboutAndDoneButtons)
{
    HelpWindow help;
    help.show();
    QSignalSpy about(&help, &HelpWindow::aboutRequested);
    buttonNamed(help, "About")->click();
    EXPECT_EQ(about.count(), 1);
    buttonNamed(help, "Done")->click();
    EXPECT_FALSE(help.isVisible());
}

TEST(Help, theChangeHistoryRunsFromThisVersionBackToTheFirstAlpha)
{
    QString documentation;
    for (const HelpPage& page : helpPages())
        if (page.tag == 6)
            documentation = page.html;
    const qsizetype newest = documentation.indexOf("2.2.4.1");
    const qsizetype oldest = documentation.indexOf("alpha");
    ASSERT_GE(newest, 0);
    ASSERT_GE(oldest, 0);
    EXPECT_LT(newest, oldest);
}

} // namespace

// The pages tell what the program does: a time-out costs the drawer a point on both pages that
// speak of it, and playing with others goes through the File menu's own items.
TEST(HelpPages, sayWhatTheGameDoes)
{
    const struct
    {
        const char* page;
        QStringList holds;
        QStringList never;
    } pages[] = {
        {"Game Play", {"the drawer loses 1 point"}, {"no points are given"}},
        {"Scoring", {"1 point when the time runs out"}, {}},
        {"Overview", {"File > Host a Game", "File > Join a Game"}, {"arranged through the Quorix Lobby"}},
    };
    for (const auto& page : pages) {
        const QString text = helpText(page.page).simplified();
        for (const QString& part : page.holds)
            EXPECT_TRUE(text.contains(part)) << page.page << ": " << part.toStdString();
        for (const QString& part : page.never)
            EXPECT_FALSE(text.contains(part)) << page.page << ": " << part.toStdString();
    }
}
