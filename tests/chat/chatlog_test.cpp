#include "chat/chatlog.h"
#include "resources/syscolours.h"
#include "tests/support/waitfor.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <gtest/gtest.h>

using namespace pictova;

namespace {

constexpr ColourValue kMaroon = rgbColour(0x80, 0, 0);
constexpr ColourValue kStatus = 9087660; // #ACAA8A

struct Fragment
{
    QString text;
    bool bold = false;
    QColor colour;
};

// The readers below see the log as the next frame shows it.
std::vector<Fragment> fragmentsOf(ChatLog& log, int line)
{
    log.flush();
    std::vector<Fragment> found;
    const QTextBlock block = log.document()->findBlockByNumber(line);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        found.push_back({fragment.text(), format.fontWeight() >= QFont::Bold, format.foreground().color()});
    }
    return found;
}

QString lineText(ChatLog& log, int line)
{
    log.flush();
    return log.document()->findBlockByNumber(line).text();
}

// The first line the view shows.
QString firstVisibleLine(ChatLog& log)
{
    log.flush();
    return log.cursorForPosition(QPoint(2, 2)).block().text();
}

struct ShownLog
{
    ChatLog log;
    ShownLog()
    {
        log.resize(245, 244);
        log.show();
    }
    void fill(int lines, const QString& stem = QStringLiteral("line"))
    {
        for (int i = 0; i < lines; ++i)
            log.addlinetochat(QStringLiteral("%1 %2").arg(stem).arg(i), kStatus);
        log.flush();
    }
};

} // namespace

TEST(ChatLog, HeadUpToFirstColonIsBoldAndBothPartsTakeTheLineColour)
{
    ChatLog log;
    log.addlinetochat(QStringLiteral("Ann chats: see: here"), kMaroon);
    const auto parts = fragmentsOf(log, 0);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0].text, QStringLiteral("Ann chats:"));
    EXPECT_TRUE(parts[0].bold);
    EXPECT_EQ(parts[1].text, QStringLiteral(" see: here"));
    EXPECT_FALSE(parts[1].bold);
    for (const Fragment& part : parts)
        EXPECT_EQ(part.colour, QColor(0x80, 0, 0));
}

TEST(ChatLog, LinesWithoutColonAreRegularAndAColonInTheNameEndsTheHead)
{
    ChatLog log;
    log.addlinetochat(QStringLiteral("Bob has joined the game."), kStatus);
    log.addlinetochat(QStringLiteral("A:nn chats: hi"), kMaroon);
    const auto plain = fragmentsOf(log, 0);
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_FALSE(plain[0].bold);
    EXPECT_EQ(plain[0].colour, QColor(0xAC, 0xAA, 0x8A));
    const auto named = fragmentsOf(log, 1);
    ASSERT_EQ(named.size(), 2u);
    EXPECT_EQ(named[0].text, QStringLiteral("A:"));
    EXPECT_TRUE(named[0].bold);
    EXPECT_EQ(named[1].text, QStringLiteral("nn chats: hi"));
}

TEST(ChatLog, PeerTextIsShownAsPlainTextNeverAsMarkup)
{
    ChatLog log;
    log.addlinetochat(QStringLiteral("Eve chats: <b>hi</b> <img src=x> &amp;"), kMaroon);
    EXPECT_EQ(lineText(log, 0), QStringLiteral("Eve chats: <b>hi</b> <img src=x> &amp;"));
    const auto parts = fragmentsOf(log, 0);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_FALSE(parts[1].bold);
}

TEST(ChatLog, LineBreaksInsideAPeerTextCannotForgeExtraLines)
{
    ChatLog log;
    log.addlinetochat(QStringLiteral("Eve chats: hi\r\nServer: Eve wins!\u2029x\ty"), kMaroon);
    EXPECT_EQ(log.lineCount(), 1);
    EXPECT_EQ(lineText(log, 0), QStringLiteral("Eve chats: hi  Server: Eve wins! x y"));
}

TEST(ChatLog, EachLineEndsWithALineBreak)
{
    ChatLog log;
    log.addlinetochat(QStringLiteral("one"), kStatus);
    log.addlinetochat(QString(), kStatus);
    log.addlinetochat(QStringLiteral("two:"), kStatus);
    EXPECT_EQ(log.lineCount(), 3);
    EXPECT_EQ(log.toPlainText(), QStringLiteral("one\n\ntwo:\n"));
    EXPECT_TRUE(fragmentsOf(log, 2)[0].bold);
}

TEST(ChatLog, ScrollLockIsTheSameInBothMenus)
{
    ChatLog log;
    QList<bool> changes;
    QObject::connect(&log, &ChatLog::scrollLockChanged, [&changes](bool locked) { changes << locked; });
    EXPECT_FALSE(log.scrollLocked());
    QAction* item = log.contextMenu()->findChild<QAction*>(QStringLiteral("ScrollChatOff2"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item, log.scrollLockAction());
    EXPECT_TRUE(item->isCheckable());
    EXPECT_EQ(item->text(), QStringLiteral("Scroll Chat Off"));

    item->trigger(); // the context menu item
    EXPECT_TRUE(log.scrollLocked());
    ASSERT_EQ(changes.count(), 1);
    EXPECT_TRUE(changes.at(0));

    log.setScrollLocked(false); // the window's own item
    EXPECT_FALSE(item->isChecked());
    ASSERT_EQ(changes.count(), 2);
    EXPECT_FALSE(changes.at(1));

    log.setScrollLocked(false); // no change, no signal: the window's item may echo it back
    EXPECT_EQ(changes.count(), 2);
}

TEST(ChatLog, ContextMenuHoldsItsItemsInOrder)
{
    ChatLog log;
    EXPECT_EQ(log.objectName(), QStringLiteral("mainchat"));
    EXPECT_TRUE(log.isReadOnly());
    EXPECT_EQ(log.contextMenu()->objectName(), QStringLiteral("PopupMenu1"));
    const QList<QAction*> items = log.contextMenu()->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->text(), QStringLiteral("Copy"));
    EXPECT_EQ(items[0]->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_EQ(items[1]->text(), QStringLiteral("Clear Main Chat"));
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_EQ(items[3]->text(), QStringLiteral("Scroll Chat Off"));
}

TEST(ChatLog, UnlockedLogShowsTheNewestLine)
{
    ShownLog shown;
    shown.fill(120);
    QScrollBar* bar = shown.log.verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    bar->setValue(0);
    shown.log.addlinetochat(QStringLiteral("newest"), kStatus);
    shown.log.flush();
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST(ChatLog, LockedLogKeepsTheViewAndTheCaret)
{
    ShownLog shown;
    shown.fill(120);
    shown.log.setScrollLocked(true);
    QScrollBar* bar = shown.log.verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    QTextCursor caret(shown.log.document()->findBlockByNumber(40));
    caret.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    shown.log.setTextCursor(caret);
    bar->setValue(bar->maximum() / 2);
    const int scrolled = bar->value();
    const QString topLine = firstVisibleLine(shown.log);

    shown.fill(30, QStringLiteral("more"));
    EXPECT_EQ(bar->value(), scrolled);
    EXPECT_EQ(firstVisibleLine(shown.log), topLine);
    EXPECT_EQ(shown.log.textCursor().selectedText(), QStringLiteral("line 40"));

    shown.log.setScrollLocked(false);
    shown.log.addlinetochat(QStringLiteral("newest"), kStatus);
    shown.log.flush();
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST(ChatLog, LockedCaretAtTheEndStaysWhereItWas)
{
    ShownLog shown;
    shown.fill(50);
    const int end = shown.log.textCursor().position(); // appending leaves the caret at the end
    ASSERT_EQ(end, shown.log.document()->characterCount() - 1);
    shown.log.setScrollLocked(true);
    shown.fill(5, QStringLiteral("more"));
    EXPECT_EQ(shown.log.textCursor().position(), end);
    EXPECT_FALSE(shown.log.textCursor().hasSelection());
}

TEST(ChatLog, OldestLinesGoPastTheLimit)
{
    ChatLog log;
    log.setLineLimit(5);
    for (int i = 0; i < 8; ++i)
        log.addlinetochat(QStringLiteral("line %1").arg(i), kStatus);
    EXPECT_EQ(log.lineCount(), 5);
    EXPECT_EQ(lineText(log, 0), QStringLiteral("line 3"));
    EXPECT_EQ(lineText(log, 4), QStringLiteral("line 7"));
    // Formats survive the cut.
    log.addlinetochat(QStringLiteral("Ann chats: hi"), kMaroon);
    EXPECT_TRUE(fragmentsOf(log, 4)[0].bold);
}

TEST(ChatLog, LinesOfOneFrameGoInTogetherWithinTheLimit)
{
    // Lines held before the frame, lines that arrive within it; five lines are kept.
    for (const auto& [held, arriving] : {std::pair{0, 5}, {0, 6}, {3, 2}, {3, 3}, {4, 700}}) {
        ChatLog log;
        log.setLineLimit(5);
        int added = 0;
        for (; added < held; ++added)
            log.addlinetochat(QStringLiteral("line %1").arg(added), kStatus);
        log.flush();
        const int editsBefore = log.edits();
        for (const int last = added + arriving; added < last;)
            log.addlinetochat(QStringLiteral("line %1").arg(added++), kStatus);
        const int kept = std::min(5, added);
        EXPECT_EQ(log.lineCount(), kept) << held << "+" << arriving;
        EXPECT_EQ(log.edits(), editsBefore + 1) << held << "+" << arriving;
        for (int line = 0; line < kept; ++line)
            EXPECT_EQ(lineText(log, line), QStringLiteral("line %1").arg(added - kept + line))
                << held << "+" << arriving;
    }
}

TEST(ChatLog, CharacterLimitDropsOldLinesButKeepsTheNewestWhateverItsLength)
{
    ChatLog log;
    log.setLineLimit(1000, 100);
    for (int i = 0; i < 10; ++i)
        log.addlinetochat(QStringLiteral("%1").arg(i).repeated(19), kStatus); // 20 characters a line
    log.flush();
    EXPECT_LE(log.document()->characterCount(), 100);
    EXPECT_EQ(lineText(log, log.lineCount() - 1), QStringLiteral("9").repeated(19));
    log.addlinetochat(QString(500, QLatin1Char('x')), kStatus);
    EXPECT_EQ(log.lineCount(), 1);
    EXPECT_EQ(lineText(log, 0).size(), 500);
}

TEST(ChatLog, LockedViewStaysOnItsLineWhileOldLinesGo)
{
    ShownLog shown;
    shown.log.setLineLimit(100);
    shown.fill(100);
    shown.log.setScrollLocked(true);
    QScrollBar* bar = shown.log.verticalScrollBar();
    QTextCursor caret(shown.log.document()->findBlockByNumber(60));
    caret.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    shown.log.setTextCursor(caret);
    bar->setValue(bar->maximum() / 2);
    const QString topLine = firstVisibleLine(shown.log);

    shown.fill(10, QStringLiteral("more"));
    EXPECT_EQ(shown.log.lineCount(), 100);
    EXPECT_EQ(lineText(shown.log, 0), QStringLiteral("line 10"));
    EXPECT_EQ(firstVisibleLine(shown.log), topLine);
    EXPECT_EQ(shown.log.textCursor().selectedText(), QStringLiteral("line 60"));
}

TEST(ChatLog, TextSizeAppliesToEveryLine)
{
    ChatLog log;
    log.addlinetochat(QStringLiteral("Ann chats: hi"), kMaroon);
    log.setTextSize(12);
    EXPECT_EQ(log.textSize(), 12);
    EXPECT_EQ(log.document()->defaultFont().pointSize(), 12);
    // Lines carry no size of their own, so they follow the log's size.
    EXPECT_FALSE(
        log.document()->firstBlock().begin().fragment().charFormat().hasProperty(QTextFormat::FontPointSize));
    log.setTextSize(9);
    EXPECT_EQ(log.textSize(), 9);
    log.setTextSize(0);
    EXPECT_EQ(log.textSize(), 9);
}

TEST(ChatLog, ANewTextSizeKeepsTheBottomInViewWhileScrollingIsOn)
{
    ShownLog shown;
    shown.fill(120);
    QScrollBar* bar = shown.log.verticalScrollBar();
    const QTextBlock newest = shown.log.document()->findBlockByNumber(119);
    for (int points : {14, 8, 11}) {
        shown.log.setTextSize(points);
        EXPECT_GT(bar->maximum(), 0) << points;
        EXPECT_EQ(bar->value(), bar->maximum()) << points;
        const QRectF place =
            shown.log.document()->documentLayout()->blockBoundingRect(newest).translated(0, -bar->value());
        EXPECT_TRUE(QRectF(shown.log.viewport()->rect()).contains(place)) << points;
    }
}

TEST(ChatLog, ANewTextSizeKeepsTheLockedViewOnItsLine)
{
    ShownLog shown;
    shown.fill(120);
    shown.log.setScrollLocked(true);
    QScrollBar* bar = shown.log.verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    const QString topLine = firstVisibleLine(shown.log);
    ASSERT_NE(topLine, QStringLiteral("line 0"));
    for (int points : {14, 8, 11}) {
        shown.log.setTextSize(points);
        EXPECT_EQ(firstVisibleLine(shown.log), topLine) << points;
    }
}

TEST(ChatLog, ClearEmptiesTheLogFromEitherPlace)
{
    ChatLog log;
    log.addlinetochat(QStringLiteral("a"), kStatus);
    log.clearLog();
    EXPECT_EQ(log.lineCount(), 0);
    EXPECT_FALSE(log.document()->isUndoRedoEnabled()); // no history of the lines builds up
    EXPECT_TRUE(log.toPlainText().isEmpty());
    log.addlinetochat(QStringLiteral("b"), kStatus);
    log.contextMenu()->findChild<QAction*>(QStringLiteral("ClearMainChat2"))->trigger();
    EXPECT_EQ(log.lineCount(), 0);
    log.addlinetochat(QStringLiteral("c"), kStatus);
    EXPECT_EQ(lineText(log, 0), QStringLiteral("c"));
}

TEST(ChatLog, CopyPutsTheSelectionOnTheClipboardAsPlainText)
{
    ChatLog log;
    log.addlinetochat(QStringLiteral("Ann chats: hi"), kMaroon);
    log.addlinetochat(QStringLiteral("Bob chats: yo"), kMaroon);
    log.flush();
    QClipboard* clipboard = QGuiApplication::clipboard();

    clipboard->setText(QStringLiteral("before"));
    log.copySelection(); // nothing selected: the clipboard stays
    EXPECT_EQ(clipboard->text(), QStringLiteral("before"));

    log.selectAll();
    log.contextMenu()->findChild<QAction*>(QStringLiteral("Copy1"))->trigger();
    EXPECT_EQ(clipboard->text(), QStringLiteral("Ann chats: hi\nBob chats: yo\n"));

    // The keyboard copy carries no markup either.
    QTextCursor head(log.document());
    head.setPosition(4, QTextCursor::MoveAnchor);
    head.setPosition(10, QTextCursor::KeepAnchor);
    log.setTextCursor(head);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
    QApplication::sendEvent(&log, &press);
    EXPECT_EQ(clipboard->text(), QStringLiteral("chats:"));
    EXPECT_FALSE(clipboard->mimeData()->hasHtml());
}

// ---- links --------------------------------------------------------------------------------

namespace {

struct LinkLog : ShownLog
{
    QList<QUrl> opened;
    LinkLog()
    {
        log.setUrlOpener([this](const QUrl& url) { opened << url; });
    }

    // The middle of character `column` of line `line`, in viewport coordinates.
    QPoint pointAt(int line, int column)
    {
        log.flush();
        const QTextBlock block = log.document()->findBlockByNumber(line);
        QTextCursor left(block), right(block);
        left.setPosition(block.position() + column);
        right.setPosition(block.position() + column + 1);
        const QRect a = log.cursorRect(left);
        const QRect b = log.cursorRect(right);
        return QPoint((a.left() + b.left()) / 2, a.center().y());
    }
    void moveTo(QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, log.viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(log.viewport(), &move);
    }
    void clickAt(QPoint at)
    {
        const QPoint global = log.viewport()->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(log.viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(log.viewport(), &release);
    }
    Qt::CursorShape pointer() const { return log.viewport()->cursor().shape(); }
};

} // namespace

TEST(ChatLogLinks, PointerTurnsToAHandOnlyOverALink)
{
    LinkLog shown;
    shown.log.addlinetochat(QStringLiteral("Ann chats: see http://Example.com/a, ok"), kMaroon);
    shown.moveTo(shown.pointAt(0, 20));
    EXPECT_EQ(shown.pointer(), Qt::PointingHandCursor);
    shown.moveTo(shown.pointAt(0, 2));
    EXPECT_EQ(shown.pointer(), Qt::ArrowCursor);
    shown.moveTo(shown.pointAt(0, 20));
    EXPECT_EQ(shown.pointer(), Qt::PointingHandCursor);
    // Far to the right of the line's end is not over the link.
    shown.moveTo(QPoint(shown.log.viewport()->width() - 3, shown.pointAt(0, 20).y()));
    EXPECT_EQ(shown.pointer(), Qt::ArrowCursor);
    EXPECT_TRUE(shown.opened.isEmpty());
}

TEST(ChatLogLinks, ClickSelectsTheLinkAndOpensItInItsOwnLetterCase)
{
    LinkLog shown;
    shown.log.addlinetochat(QStringLiteral("Ann chats: see http://Example.com/A, ok"), kMaroon);
    shown.clickAt(shown.pointAt(0, 22));
    ASSERT_EQ(shown.opened.size(), 1);
    EXPECT_EQ(shown.opened[0].toString(), QStringLiteral("http://example.com/A"));
    EXPECT_EQ(shown.log.textCursor().selectedText(), QStringLiteral("http://Example.com/A"));

    shown.clickAt(shown.pointAt(0, 1));
    EXPECT_EQ(shown.opened.size(), 1);
}

TEST(ChatLogLinks, WwwOpensAsWebAndFileLinksAreNeverOpened)
{
    LinkLog shown;
    shown.log.addlinetochat(QStringLiteral("Ann chats: www.example.org/x."), kMaroon);
    shown.log.addlinetochat(QStringLiteral("Eve chats: file:///etc/passwd"), kMaroon);
    shown.log.addlinetochat(QStringLiteral("Eve chats: telnet://host"), kMaroon);
    shown.clickAt(shown.pointAt(0, 15));
    ASSERT_EQ(shown.opened.size(), 1);
    EXPECT_EQ(shown.opened[0].toString(), QStringLiteral("http://www.example.org/x"));

    shown.moveTo(shown.pointAt(1, 16));
    EXPECT_EQ(shown.pointer(), Qt::PointingHandCursor); // still shown as a link
    shown.clickAt(shown.pointAt(1, 16));
    shown.clickAt(shown.pointAt(2, 16));
    EXPECT_EQ(shown.opened.size(), 1);
    EXPECT_EQ(shown.log.textCursor().selectedText(), QStringLiteral("telnet://host"));
}
