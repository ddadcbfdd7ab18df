#pragma once

#include <QString>
#include <QtGlobal>

namespace pictova::strokes {

// The ranges of the stroke messages: what the drawer's toolbar and board produce. A server relays
// only messages within them. A client draws at a width of at most kMaxWidth, clipped to the board,
// and counts what the messages waiting for it will cost to draw.

// The width field takes whole numbers from 0 to 100.
inline constexpr qint32 kMaxWidth = 100;
// Points in one batch: the board sends 11 at most, fewer when a slow stroke sends them by age.
inline constexpr int kMaxPoints = 64;
inline constexpr qint32 kBoardWidth = 533;
inline constexpr qint32 kBoardHeight = 369;
// A drag that leaves the board reports the pointer where it is, off the board, and the line
// towards it is drawn up to the edge: coordinates may lie this far beyond any edge.
inline constexpr qint32 kReach = 16384;

enum class Fit { InRange, OutOfRange, Malformed };

// Where a CMD_moveit or CMD_draw (`name`) payload stands: a field that does not read as its kind
// (seat, colour, width, a coordinate) makes it malformed; a width, point or number of points past
// the ranges, out of range. A malformed message within the ranges is still drawn up to its fault.
Fit fit(const QString& name, const QString& payload);

// About how many board pixels a client drawing the message fills (a band of the pen's width along
// each segment, as long as the board at most), so a receiver can tell what the messages waiting for
// it will cost; 0 for other messages and for strokes a board draws nothing of.
qint64 drawingArea(const QString& name, const QString& payload);

} // namespace pictova::strokes
