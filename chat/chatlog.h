#pragma once

#include "messaging/colourtext.h"

#include <QColor>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <deque>
#include <functional>
#include <optional>

class QAction;
class QMenu;

namespace pictova {

// The chat log "mainchat": every chat, action and status line of the game, read-only, with a
// scroll lock, a text size, a context menu and clickable links. Lines that arrive within a frame
// go into the document together, in one edit: a crowd coming and going, or a peer sending lines
// as fast as it can, costs the log one layout a frame, not one a line.
class ChatLog : public QTextEdit
{
    Q_OBJECT
public:
    // A peer could otherwise grow the log without end; the oldest lines go first.
    static constexpr int kDefaultLineLimit = 5000;
    static constexpr int kDefaultCharacterLimit = 2'000'000;
    static constexpr int kFrameMs = 16;

    explicit ChatLog(QWidget* parent = nullptr);

    // Appends one line: the head up to and including the first ":" in bold, the rest regular,
    // both in `colour`. The text is shown as it stands, never read as markup; control characters
    // (line breaks included) show as blanks.
    // The line is in the document by the next frame, or at once with flush().
    void addlinetochat(const QString& text, ColourValue colour);

    // Puts the lines that arrived since the last frame into the document now, as the next frame
    // would.
    void flush();
    // How many edits put arrived lines into the document.
    int edits() const { return m_edits; }

    void setScrollLocked(bool locked);
    bool scrollLocked() const { return m_scrollLocked; }

    void setTextSize(int points);
    int textSize() const;
    // The window's zoom: the text is shown `zoom` times its size, which stays the chosen one.
    void setZoom(qreal zoom);

    void clearLog();
    void copySelection();

    // Number of lines held (each added line ends with a line break), those of this frame included.
    int lineCount();
    void setLineLimit(int lines, int characters = kDefaultCharacterLimit);

    // How links are opened; the desktop's handler unless a test puts its own in place.
    using UrlOpener = std::function<void(const QUrl&)>;
    void setUrlOpener(UrlOpener opener);

    QMenu* contextMenu() const { return m_menu; }
    QAction* scrollLockAction() const { return m_scrollAction; }

signals:
    // Emitted whenever the lock changes, so the window's own menu item can show the same state.
    void scrollLockChanged(bool locked);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    struct FoundLink
    {
        int documentStart = 0;
        QString text;
    };
    std::optional<FoundLink> linkUnder(const QPoint& viewportPos) const;
    struct PendingLine
    {
        QString text;
        QColor colour;
    };
    struct Trimmed
    {
        int characters = 0;
        int height = 0; // pixels the remaining lines moved up
    };
    // Drops the oldest waiting lines that the limits would drop anyway, so a flood held for a
    // frame stays within them too.
    void trimPending();
    // Where the document's oldest lines past the limits end, with the waiting lines counted in.
    Trimmed oldestToDrop() const;
    int heldLines() const { return document()->blockCount() - 1; }
    void buildMenu();

    bool m_scrollLocked = false;
    int m_textPoints = 0;
    qreal m_zoom = 1.0;
    int m_lineLimit = kDefaultLineLimit;
    int m_characterLimit = kDefaultCharacterLimit;
    std::deque<PendingLine> m_pending;
    qsizetype m_pendingCharacters = 0; // line breaks included
    QTimer m_frame;
    int m_edits = 0;
    UrlOpener m_openUrl;
    QMenu* m_menu = nullptr;
    QAction* m_scrollAction = nullptr;
};

} // namespace pictova
