#include "board/raster.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace pictova::raster {

namespace {

// Polylines up to this many segments are filled segment by segment.
constexpr qsizetype kDirectSegments = 32;
// Longer ones are filled this many segments at a time, spans merged per row.
constexpr qsizetype kChunkSegments = 512;

struct Span
{
    double left;
    double right;
};

std::optional<Span> discSpan(QPointF centre, double radius, double y)
{
    const double dy = y - centre.y();
    const double squared = radius * radius - dy * dy;
    if (squared < 0.0)
        return std::nullopt;
    const double half = std::sqrt(squared);
    return Span{centre.x() - half, centre.x() + half};
}

// The x range where low <= slope * x + offset <= high.
std::optional<Span> linearSpan(double slope, double offset, double low, double high)
{
    if (slope == 0.0) {
        if (offset < low || offset > high)
            return std::nullopt;
        return Span{-HUGE_VAL, HUGE_VAL};
    }
    double first = (low - offset) / slope;
    double second = (high - offset) / slope;
    if (first > second)
        std::swap(first, second);
    return Span{first, second};
}

// The part of the row y inside the band swept by the disc along the segment (ends excluded).
std::optional<Span> bandSpan(QPointF a, QPointF b, double radius, double y)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double lengthSquared = dx * dx + dy * dy;
    if (lengthSquared == 0.0)
        return std::nullopt;
    const double length = std::sqrt(lengthSquared);
    const double ry = y - a.y();
    // Along the segment: 0 <= (P - a) . d <= |d|^2; across it: |(P - a) x d| <= radius |d|.
    const auto along = linearSpan(dx, -a.x() * dx + ry * dy, 0.0, lengthSquared);
    const auto across = linearSpan(dy, -a.x() * dy - ry * dx, -radius * length, radius * length);
    if (!along || !across)
        return std::nullopt;
    const Span both{std::max(along->left, across->left), std::min(along->right, across->right)};
    if (both.left > both.right)
        return std::nullopt;
    return both;
}

struct Columns
{
    int first;
    int last;
};

// The pixels of row `row` covered by the capsule, within [0, width).
std::optional<Columns> rowColumns(QPointF a, QPointF b, double radius, int row, int width)
{
    const double y = row + 0.5;
    // The shape is convex, so its row is one span: the hull of the three pieces' spans.
    std::optional<Span> span;
    for (const auto& piece : {discSpan(a, radius, y), discSpan(b, radius, y), bandSpan(a, b, radius, y)}) {
        if (!piece)
            continue;
        span = span ? Span{std::min(span->left, piece->left), std::max(span->right, piece->right)} : *piece;
    }
    if (!span)
        return std::nullopt;
    // Pixels whose centre (column + 0.5) lies in the span.
    const double left = std::max(-1.0, std::ceil(span->left - 0.5));
    const double right = std::min<double>(width, std::floor(span->right - 0.5));
    const int first = std::max(0, static_cast<int>(left));
    const int last = std::min(width - 1, static_cast<int>(right));
    if (first > last)
        return std::nullopt;
    return Columns{first, last};
}

// The rows whose centre may lie inside the capsule, within [0, height).
std::pair<int, int> capsuleRows(QPointF a, QPointF b, double radius, int height)
{
    const double top = std::min(a.y(), b.y()) - radius;
    const double bottom = std::max(a.y(), b.y()) + radius;
    const int first = std::max(0, static_cast<int>(std::max(-1.0, std::ceil(top - 0.5))));
    const int last =
        std::min(height - 1, static_cast<int>(std::min<double>(height, std::floor(bottom - 0.5))));
    return {first, last};
}

void fillColumns(QImage& image, int row, Columns columns, quint32 pixel)
{
    auto* line = reinterpret_cast<quint32*>(image.scanLine(row));
    std::fill(line + columns.first, line + columns.last + 1, pixel);
}

bool usable(const QImage& image, double radius)
{
    return !image.isNull() && image.format() == QImage::Format_RGB32 && radius >= 0.0;
}

} // namespace

void fillCapsule(QImage& image, QPointF a, QPointF b, double radius, QRgb colour)
{
    if (!usable(image, radius))
        return;
    const quint32 pixel = 0xFF000000u | colour;
    const auto [firstRow, lastRow] = capsuleRows(a, b, radius, image.height());
    for (int row = firstRow; row <= lastRow; ++row) {
        if (const auto columns = rowColumns(a, b, radius, row, image.width()))
            fillColumns(image, row, *columns, pixel);
    }
}

void fillPolyline(QImage& image, const QPolygonF& points, double radius, QRgb colour)
{
    if (points.isEmpty() || !usable(image, radius))
        return;
    if (points.size() == 1) {
        fillCapsule(image, points.first(), points.first(), radius, colour);
        return;
    }
    const qsizetype segments = points.size() - 1;
    if (segments <= kDirectSegments) {
        for (qsizetype i = 1; i < points.size(); ++i)
            fillCapsule(image, points[i - 1], points[i], radius, colour);
        return;
    }
    const quint32 pixel = 0xFF000000u | colour;
    std::vector<std::vector<Columns>> rows(static_cast<size_t>(image.height()));
    for (qsizetype chunk = 0; chunk < segments; chunk += kChunkSegments) {
        const qsizetype end = std::min(segments, chunk + kChunkSegments);
        for (qsizetype i = chunk; i < end; ++i) {
            const QPointF a = points[i];
            const QPointF b = points[i + 1];
            const auto [firstRow, lastRow] = capsuleRows(a, b, radius, image.height());
            for (int row = firstRow; row <= lastRow; ++row) {
                if (const auto columns = rowColumns(a, b, radius, row, image.width()))
                    rows[static_cast<size_t>(row)].push_back(*columns);
            }
        }
        for (int row = 0; row < image.height(); ++row) {
            auto& spans = rows[static_cast<size_t>(row)];
            if (spans.empty())
                continue;
            std::sort(spans.begin(), spans.end(), [](Columns x, Columns y) { return x.first < y.first; });
            Columns merged = spans.front();
            for (const Columns& span : spans) {
                if (span.first > merged.last + 1) {
                    fillColumns(image, row, merged, pixel);
                    merged = span;
                } else {
                    merged.last = std::max(merged.last, span.last);
                }
            }
            fillColumns(image, row, merged, pixel);
            spans.clear();
        }
    }
}

} // namespace pictova::raster
