#pragma once

#include "board/boardcanvas.h"
#include "board/boardcontroller.h"
#include "board/drawertoolbar.h"
#include "messaging/errors.h"
#include "messaging/wire.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>

namespace pictova::test {

// A board as the game window wires it, with the window's state held here and every message the
// board sends recorded as text (terminator removed).
struct BoardRig
{
    int myseat = 2;
    int drawerseat = 2;
    bool loggedin = true;
    int passHidden = 0;
    bool undoOffered = false; // the server announced undo
    bool undoAnswered = true; // and names the stroke it took back
    QStringList sent;
    QStringList errors;
    qint64 nowMs = 0; // the board's clock: still unless a test moves it

    BoardCanvas canvas;
    DrawerToolbar toolbar;
    BoardController controller;

    BoardRig()
        : controller(&canvas, &toolbar,
                     BoardContext{[this] { return myseat; }, [this] { return drawerseat; },
                                  [this] { return loggedin; },
                                  [this](const QByteArray& message) {
                                      EXPECT_TRUE(message.endsWith(kTerminator));
                                      sent << fromWire(message.chopped(1));
                                  },
                                  [this] { ++passHidden; }, [this] { return undoOffered; },
                                  [this] { return undoAnswered; }})
    {
        setErrorReporter([this](const QString& text) { errors << text; });
        controller.setManualClock([this] { return nowMs; });
    }
    ~BoardRig() { setErrorReporter(nullptr); }

    QImage& bitmap() { return canvas.backup(); }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(at), QPointF(canvas.mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &event);
    }
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        mouse(QEvent::MouseButtonPress, at, button, button);
    }
    void drag(QPoint at, Qt::MouseButtons held = Qt::LeftButton)
    {
        mouse(QEvent::MouseMove, at, Qt::NoButton, held);
    }
    void hover(QPoint at) { mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton); }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        mouse(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    }
};

inline bool isWhite(const QImage& image, int x, int y)
{
    return image.pixel(x, y) == qRgb(255, 255, 255);
}
inline bool isInk(const QImage& image, int x, int y, QRgb ink = qRgb(0, 0, 0))
{
    return image.pixel(x, y) == ink;
}

inline int inkCount(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += isWhite(image, x, y) ? 0 : 1;
    return count;
}

inline bool allWhite(const QImage& image)
{
    return inkCount(image) == 0;
}

} // namespace pictova::test
