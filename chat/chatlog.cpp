#include "chat/chatlog.h"

#include "chat/links.h"
#include "resources/syscolours.h"
#include "translations/livetexts.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>

namespace pictova {

namespace {
constexpr int kDesignedPointSize = 10;

// A line break inside a peer's text would start what looks like a line of its own (a forged
// status line); control characters show as blanks, so one call always makes one line.
QString asOneLine(const QString& text)
{
    QString line = text;
    for (QChar& c : line)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c == QChar::ParagraphSeparator ||
            c == QChar::LineSeparator)
            c = QLatin1Char(' ');
    return line;
}
} // namespace

ChatLog::ChatLog(QWidget* parent)
    : QTextEdit(parent), m_openUrl([](const QUrl& url) { QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("mainchat"));
    setReadOnly(true);
    setAcceptRichText(false);
    setUndoRedoEnabled(false); // an undo history of appended lines would only grow
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    viewport()->setMouseTracking(true);

    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    // The selection stays visible when the log loses the focus.
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);

    QFont designed = font();
    designed.setPointSize(kDesignedPointSize);
    setFont(designed);
    m_textPoints = kDesignedPointSize;

    m_frame.setSingleShot(true);
    m_frame.setInterval(kFrameMs);
    connect(&m_frame, &QTimer::timeout, this, &ChatLog::flush);

    buildMenu();
}

void ChatLog::buildMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("PopupMenu1"));

    QAction* copy = m_menu->addAction(QString());
    copy->setObjectName(QStringLiteral("Copy1"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &ChatLog::copySelection);

    QAction* clear = m_menu->addAction(QString());
    clear->setObjectName(QStringLiteral("ClearMainChat2"));
    connect(clear, &QAction::triggered, this, &ChatLog::clearLog);

    m_menu->addSeparator();

    m_scrollAction = m_menu->addAction(QString());
    auto* texts = new LiveTexts(this);
    texts->add([this, copy, clear] {
        copy->setText(tr("Copy"));
        clear->setText(tr("Clear Main Chat"));
        m_scrollAction->setText(tr("Scroll Chat Off"));
    });
    m_scrollAction->setObjectName(QStringLiteral("ScrollChatOff2"));
    m_scrollAction->setCheckable(true);
    connect(m_scrollAction, &QAction::toggled, this, &ChatLog::setScrollLocked);
}

void ChatLog::setScrollLocked(bool locked)
{
    if (locked == m_scrollLocked)
        return;
    // Lines that came before the change are shown as the view was then.
    flush();
    m_scrollLocked = locked;
    m_scrollAction->setChecked(locked);
    emit scrollLockChanged(locked);
}

void ChatLog::setTextSize(int points)
{
    if (points <= 0)
        return;
    flush();
    // Re-laying out the text moves the view; the reader keeps the line they were on, or the
    // newest line while the log follows it.
    const QTextBlock topBlock = cursorForPosition(QPoint(0, 0)).block();
    const QRectF oldPlace = document()->documentLayout()->blockBoundingRect(topBlock);
    // How far into its top line the view starts, as a share of that line's height.
    const qreal into =
        oldPlace.height() > 0 ? (verticalScrollBar()->value() - oldPlace.top()) / oldPlace.height() : 0.0;
    m_textPoints = points;
    QFont sized = font();
    if (m_zoom == 1.0)
        sized.setPointSize(points);
    else
        sized.setPointSizeF(points * m_zoom);
    setFont(sized);

    // The new layout is made lazily; laying out to the end gives the scroll bar its real range.
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    layout->blockBoundingRect(document()->lastBlock());
    QScrollBar* bar = verticalScrollBar();
    if (!m_scrollLocked || !topBlock.isValid()) {
        bar->setValue(bar->maximum());
        return;
    }
    const QRectF place = layout->blockBoundingRect(topBlock);
    bar->setValue(qRound(place.top() + into * place.height()));
}

int ChatLog::textSize() const
{
    return m_textPoints;
}

void ChatLog::setZoom(qreal zoom)
{
    if (!(zoom > 0.0) || zoom == m_zoom)
        return;
    m_zoom = zoom;
    setTextSize(m_textPoints);
}

void ChatLog::clearLog()
{
    m_frame.stop();
    m_pending.clear();
    m_pendingCharacters = 0;
    clear();
}

void ChatLog::copySelection()
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return;
    QGuiApplication::clipboard()->setText(cursor.selection().toPlainText());
}

QMimeData* ChatLog::createMimeDataFromSelection() const
{
    // Copy and drag carry plain text only.
    auto* mime = new QMimeData;
    mime->setText(textCursor().selection().toPlainText());
    return mime;
}

int ChatLog::lineCount()
{
    flush();
    return heldLines();
}

void ChatLog::setLineLimit(int lines, int characters)
{
    flush(); // lines that came before are kept or dropped by the limits they came under
    m_lineLimit = std::max(1, lines);
    m_characterLimit = std::max(1, characters);
}

void ChatLog::setUrlOpener(UrlOpener opener)
{
    m_openUrl = std::move(opener);
}

void ChatLog::addlinetochat(const QString& text, ColourValue colour)
{
    PendingLine line{asOneLine(text), toQColor(colour)};
    m_pendingCharacters += line.text.size() + 1;
    m_pending.push_back(std::move(line));
    trimPending();
    // Started once for the frame, not again for each line: a steady stream still shows.
    if (!m_frame.isActive())
        m_frame.start();
}

void ChatLog::trimPending()
{
    // The document's closing empty line counts one character, as in oldestToDrop().
    while (m_pending.size() > 1 &&
           (std::ssize(m_pending) > m_lineLimit || m_pendingCharacters + 1 > m_characterLimit)) {
        m_pendingCharacters -= m_pending.front().text.size() + 1;
        m_pending.pop_front();
    }
}

void ChatLog::flush()
{
    m_frame.stop();
    if (m_pending.empty())
        return;
    ++m_edits;
    setUpdatesEnabled(false);

    QScrollBar* bar = verticalScrollBar();
    const int keptScroll = bar->value();
    const QTextCursor caret = textCursor();
    const int keptAnchor = caret.anchor();
    const int keptPosition = caret.position();
    // Measured before the lines go, so a locked view can stay on the same line.
    const Trimmed removed = oldestToDrop();

    // Dropping the oldest lines and adding the new ones is one change to the document, laid out
    // once.
    QTextCursor edit(document());
    edit.beginEditBlock();
    if (removed.characters > 0) {
        edit.setPosition(removed.characters, QTextCursor::KeepAnchor);
        edit.removeSelectedText();
    }
    edit.movePosition(QTextCursor::End);
    for (const PendingLine& line : m_pending) {
        QTextCharFormat format;
        format.setForeground(line.colour);
        const qsizetype colon = line.text.indexOf(QLatin1Char(':'));
        if (colon >= 0) {
            format.setFontWeight(QFont::Bold);
            edit.insertText(line.text.left(colon + 1), format);
        }
        format.setFontWeight(QFont::Normal);
        edit.insertText(colon < 0 ? line.text : line.text.mid(colon + 1), format);
        edit.insertBlock(QTextBlockFormat(), format);
    }
    edit.endEditBlock();
    m_pending.clear();
    m_pendingCharacters = 0;

    if (m_scrollLocked) {
        QTextCursor restored(document());
        restored.setPosition(std::max(0, keptAnchor - removed.characters));
        restored.setPosition(std::max(0, keptPosition - removed.characters), QTextCursor::KeepAnchor);
        // The caret first: placing it scrolls to it, and the remembered view must win.
        setTextCursor(restored);
        bar->setValue(keptScroll - removed.height);
    } else {
        QTextCursor atEnd(document());
        atEnd.movePosition(QTextCursor::End);
        setTextCursor(atEnd);
        ensureCursorVisible();
        bar->setValue(bar->maximum());
    }

    setUpdatesEnabled(true);
    viewport()->update();
}

ChatLog::Trimmed ChatLog::oldestToDrop() const
{
    QTextDocument* doc = document();
    const int held = heldLines();
    const int waiting = static_cast<int>(m_pending.size());
    // trimPending() keeps the waiting lines within the limits, so only held lines ever go.
    const int overLimit = std::max(0, held + waiting - m_lineLimit);
    qsizetype characters = doc->characterCount() + m_pendingCharacters;
    int dropped = 0;
    QTextBlock block = doc->firstBlock();
    for (; dropped < overLimit && dropped < held; ++dropped) {
        characters -= block.length();
        block = block.next();
    }
    // The newest line always stays, however long it is.
    while (characters > m_characterLimit && dropped < held && (dropped + 1 < held || waiting > 0)) {
        characters -= block.length();
        block = block.next();
        ++dropped;
    }
    if (dropped == 0 || !block.isValid())
        return {};

    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    Trimmed trimmed;
    trimmed.height =
        qRound(layout->blockBoundingRect(block).top() - layout->blockBoundingRect(doc->firstBlock()).top());
    trimmed.characters = block.position();
    return trimmed;
}

std::optional<ChatLog::FoundLink> ChatLog::linkUnder(const QPoint& viewportPos) const
{
    const QPoint documentPos =
        viewportPos + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    // Only a pointer over the text itself, not beside a line's end or below the last line.
    const int hit = document()->documentLayout()->hitTest(documentPos, Qt::ExactHit);
    if (hit < 0)
        return std::nullopt;
    const QTextBlock block = document()->findBlock(hit);
    if (!block.isValid())
        return std::nullopt;
    const std::optional<LinkSpan> link = linkAt(block.text(), hit - block.position());
    if (!link)
        return std::nullopt;
    return FoundLink{block.position() + static_cast<int>(link->start), link->text};
}

void ChatLog::mouseMoveEvent(QMouseEvent* event)
{
    QTextEdit::mouseMoveEvent(event);
    viewport()->setCursor(linkUnder(event->position().toPoint()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void ChatLog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (const std::optional<FoundLink> link = linkUnder(event->position().toPoint())) {
            QTextCursor selection(document());
            selection.setPosition(link->documentStart);
            selection.setPosition(link->documentStart + link->text.size(), QTextCursor::KeepAnchor);
            setTextCursor(selection);
            if (const std::optional<QUrl> url = urlToOpen(link->text))
                m_openUrl(*url);
            event->accept();
            return;
        }
    }
    QTextEdit::mousePressEvent(event);
}

void ChatLog::contextMenuEvent(QContextMenuEvent* event)
{
    m_menu->exec(event->globalPos());
    event->accept();
}

} // namespace pictova
