#include "drawing/mark.h"

#include "messaging/colourtext.h"
#include "messaging/errors.h"
#include "messaging/integer.h"

namespace pictova::drawing {

DecodedMark decodeMark(const QString& name, const QString& payload)
{
    DecodedMark decoded;
    Mark& mark = decoded.mark;
    mark.bytes = messageBytes(name, payload);
    // Every field is read before anything is drawn, so a malformed message changes no pen.
    if (name == cmd::moveit) {
        const parse::StrokeStart start = parse::moveit(payload);
        mark.kind = Mark::Kind::Press;
        mark.seat = start.seat;
        mark.pen = Pen{colourtext::read(start.colour), parseInteger(start.width)};
        mark.points = {parse::Point{parseInteger(start.x), parseInteger(start.y)}};
    } else if (name == cmd::draw) {
        const parse::StrokeBatch batch = parse::draw(payload);
        mark.kind = Mark::Kind::Batch;
        mark.seat = batch.seat;
        mark.pen = Pen{colourtext::read(batch.colour), parseInteger(batch.width)};
        parse::PointsPrefix points = parse::strokePointsPrefix(batch.points);
        mark.points = std::move(points.points);
        decoded.offending = std::move(points.offending);
    } else if (name == cmd::clearmain) {
        mark.kind = Mark::Kind::Wipe;
        mark.seat = parse::seatOnly(payload);
    } else {
        throw ConversionError(name);
    }
    return decoded;
}

void play(DrawingSurface& surface, const Mark& mark)
{
    switch (mark.kind) {
    case Mark::Kind::Press:
        if (mark.points.isEmpty())
            return;
        surface.setPen(mark.pen);
        surface.moveTo(mark.points.first().x, mark.points.first().y);
        surface.lineTo(mark.points.first().x, mark.points.first().y);
        return;
    case Mark::Kind::Batch:
        surface.setPen(mark.pen);
        surface.lineThrough(mark.points);
        return;
    case Mark::Kind::Wipe:
        surface.clear();
        return;
    }
}

} // namespace pictova::drawing
