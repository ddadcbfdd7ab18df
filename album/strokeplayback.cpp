#include "album/strokeplayback.h"

#include "board/surface.h"
#include "messaging/catalogue.h"
#include "messaging/colourtext.h"
#include "messaging/errors.h"
#include "messaging/integer.h"

namespace pictova {

namespace {

void moveit(Surface& surface, const QString& payload)
{
    const parse::StrokeStart start = parse::moveit(payload);
    const Pen pen{colourtext::read(start.colour), parseInteger(start.width)};
    const qint32 x = parseInteger(start.x);
    const qint32 y = parseInteger(start.y);
    surface.setPen(pen);
    surface.moveTo(x, y);
    surface.lineTo(x, y);
}

void drawit(Surface& surface, const QString& payload)
{
    const parse::StrokeBatch batch = parse::draw(payload);
    const Pen pen{colourtext::read(batch.colour), parseInteger(batch.width)};
    surface.setPen(pen);
    surface.lineThrough(parse::strokePointsPrefix(batch.points).points);
}

} // namespace

void playStrokeMessage(Surface& surface, const StrokeMessage& message)
{
    try {
        switch (message.kind) {
        case StrokeKind::Move:
            moveit(surface, message.payload);
            break;
        case StrokeKind::Draw:
            drawit(surface, message.payload);
            break;
        case StrokeKind::Clear:
            parse::seatOnly(message.payload);
            surface.clear();
            break;
        }
    } catch (const PictovaError&) {
        // The board dropped the rest of this message too.
    }
}

} // namespace pictova
