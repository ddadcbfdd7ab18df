#pragma once

#include <QImage>
#include <QPointF>
#include <QPolygonF>

namespace pictova::raster {

// Paints every pixel of `image` whose centre lies within `radius` of the segment a-b: a line
// with round ends, so consecutive segments join round and a zero-length one leaves a dot.
// Coordinates are in pixel units with (0, 0) the top-left corner of the top-left pixel; the
// image must be Format_RGB32. Only rows and columns inside the image are touched.
void fillCapsule(QImage& image, QPointF a, QPointF b, double radius, QRgb colour);

// The same for every segment of a polyline (a single point leaves a dot). Long polylines are
// filled in chunks whose spans are merged row by row first, so a batch of thousands of wide
// segments over the same place writes each pixel a few times rather than thousands of times.
void fillPolyline(QImage& image, const QPolygonF& points, double radius, QRgb colour);

} // namespace pictova::raster
