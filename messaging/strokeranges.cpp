#include "messaging/strokeranges.h"

#include "messaging/catalogue.h"
#include "messaging/colourtext.h"
#include "messaging/errors.h"
#include "messaging/integer.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace pictova::strokes {

namespace {

bool onBoard(qint32 x, qint32 y)
{
    return x >= -kReach && x < kBoardWidth + kReach && y >= -kReach && y < kBoardHeight + kReach;
}

} // namespace

Fit fit(const QString& name, const QString& payload)
{
    const Fit result = Fit::Malformed;
    QString colour;
    std::optional<qint32> width;
    QList<parse::Point> points;
    bool within = true;
    bool malformed = false;
    try {
        if (name == cmd::moveit) {
            const parse::StrokeStart start = parse::moveit(payload);
            const std::optional<qint32> x = tryParseInteger(start.x);
            const std::optional<qint32> y = tryParseInteger(start.y);
            if (!x || !y)
                return result;
            colour = start.colour;
            width = tryParseInteger(start.width);
            points = {parse::Point{*x, *y}};
        } else if (name == cmd::draw) {
            const parse::StrokeBatch batch = parse::draw(payload);
            parse::PointsPrefix prefix = parse::strokePointsPrefix(batch.points, kMaxPoints + 1);
            if (prefix.points.size() > kMaxPoints)
                return Fit::OutOfRange;
            // What comes before a bad item is still drawn.
            malformed = prefix.offending.has_value();
            colour = batch.colour;
            width = tryParseInteger(batch.width);
            points = std::move(prefix.points);
        } else {
            return result;
        }
        colourtext::read(colour);
    } catch (const PictovaError&) {
        return result;
    }
    if (!width)
        return result;
    for (const parse::Point& point : points)
        within = within && onBoard(point.x, point.y);
    if (!within || *width < 0 || *width > kMaxWidth)
        return Fit::OutOfRange;
    return malformed ? Fit::Malformed : Fit::InRange;
}

qint64 drawingArea(const QString& name, const QString& payload)
{
    // As a board draws it: the width cut to the toolbar's, every point up to a bad item.
    qint32 width = 0;
    QList<parse::Point> points;
    bool press = name == cmd::moveit;
    try {
        if (press) {
            const parse::StrokeStart start = parse::moveit(payload);
            width = parseInteger(start.width);
            points = {parse::Point{parseInteger(start.x), parseInteger(start.y)}};
        } else if (name == cmd::draw) {
            const parse::StrokeBatch batch = parse::draw(payload);
            width = parseInteger(batch.width);
            points = parse::strokePointsPrefix(batch.points).points;
        }
    } catch (const PictovaError&) {
        return 0;
    }
    const double across = std::clamp(width, 0, kMaxWidth) + 1.0;
    const double longest = std::hypot(kBoardWidth, kBoardHeight);
    double area = 0.0;
    std::optional<parse::Point> previous;
    for (const parse::Point& point : points) {
        // A batch's first segment starts where the last one ended: counted as the longest.
        const double length =
            previous
                ? std::min(std::hypot(double(point.x) - previous->x, double(point.y) - previous->y), longest)
                : (press ? 0.0 : longest);
        area += (length + across) * across;
        previous = point;
    }
    return static_cast<qint64>(area);
}

} // namespace pictova::strokes
