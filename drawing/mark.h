#pragma once

#include "drawing/pen.h"
#include "messaging/catalogue.h"

#include <QList>
#include <QString>
#include <optional>

namespace pictova::drawing {

// One stroke message of a turn, typed: a press starts a stroke, the batches after it carry it on,
// a wipe empties the board. A stroke is a press and the batches after it.
struct Mark
{
    enum class Kind : quint8 { Press, Batch, Wipe };

    Kind kind = Kind::Press;
    qint32 seat = 0;
    Pen pen;                    // unused by a wipe
    QList<parse::Point> points; // a press: its one point; a batch: the points the board draws
    qint64 atMs = 0;            // since the turn began, where the holder keeps times
    qsizetype bytes = 0;        // of its message as the server logs it: name, "+", payload
    QString text;               // that message itself, where it is sent on again (the server)

    bool isPress() const { return kind == Kind::Press; }
};

// A stroke message decoded; `offending` is the item of a batch that was no point: the board draws
// the points before it and no more.
struct DecodedMark
{
    Mark mark;
    std::optional<QString> offending;
};

// CMD_moveit, CMD_draw or CMD_clearmain (`name`) with its payload, as the board draws it. Throws
// the conversion error where the board draws nothing of the message.
DecodedMark decodeMark(const QString& name, const QString& payload);
// The size of a message as the server logs it.
inline qsizetype messageBytes(const QString& name, const QString& payload)
{
    return name.size() + 1 + payload.size();
}

// What strokes are drawn on: the board's bitmap, the album's replay picture.
class DrawingSurface
{
public:
    virtual ~DrawingSurface() = default;
    virtual void setPen(const Pen& pen) = 0;
    virtual void moveTo(qint32 x, qint32 y) = 0;
    // A line from the current position, which moves to the end; a zero-length line leaves a dot.
    virtual void lineTo(qint32 x, qint32 y) = 0;
    // Lines from the current position through every point in turn.
    virtual void lineThrough(const QList<parse::Point>& points) = 0;
    virtual void clear() = 0;
};

// Draws one mark with the same calls the board makes when the message arrives, so the pixels
// come out the same.
void play(DrawingSurface& surface, const Mark& mark);

} // namespace pictova::drawing
