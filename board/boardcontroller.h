#pragma once

#include "board/boardcontext.h"

#include <QObject>
#include <QString>

namespace pictova {

class BoardCanvas;
class DrawerToolbar;

// The stroke logic of the board: the local player's strokes and wipes (drawn at once and sent in
// batches), and the strokes and wipes of the drawer received from the server.
class BoardController : public QObject
{
    Q_OBJECT
public:
    // A stroke's moved points go out in batches of this many.
    static constexpr int kBatchPoints = 11;

    BoardController(BoardCanvas* canvas, DrawerToolbar* toolbar, BoardContext context,
                    QObject* parent = nullptr);

    // Handlers for the client's dispatch table; a malformed payload throws, as every handler may.
    void moveit(const QString& payload);
    void drawit(const QString& payload);
    void clearmain(const QString& payload);

    // Turn start: white board, brush black and "3".
    void startTurn();
    // A category pick abandons any stroke in progress.
    void cancelStroke() { m_pendown = false; }

    bool pendown() const { return m_pendown; }
    QString strokepoints() const { return m_strokepoints; }
    int strokecount() const { return m_strokecount; }

    // Pointer and button handlers of the board (the canvas and toolbar are wired to them).
    void image_mainMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void image_mainMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void image_mainMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void clearClick();

private:
    int myseat() const;
    bool mayDraw() const;
    bool loggedin() const;
    void send(const QByteArray& message) const;
    void pressAt(int x, int y);
    void sendBatch();

    BoardCanvas* m_canvas;
    DrawerToolbar* m_toolbar;
    BoardContext m_context;
    bool m_pendown = false;
    QString m_strokepoints;
    int m_strokecount = 0;
};

} // namespace pictova
