#pragma once

#include "album/albumrecorder.h"
#include "messaging/errors.h"

namespace pictova::test {

// Records a stroke message of `kind` as the album's recorder does when it arrives: what the board
// draws nothing of is left out.
inline void record(drawing::TurnDrawing& drawing, qint64 atMs, StrokeKind kind, const QString& payload)
{
    const QString name = kind == StrokeKind::Move   ? cmd::moveit
                         : kind == StrokeKind::Draw ? cmd::draw
                                                    : cmd::clearmain;
    try {
        drawing::Mark mark = drawing::decodeMark(name, payload).mark;
        mark.atMs = atMs;
        drawing.append(std::move(mark));
    } catch (const PictovaError&) {
    }
}

inline drawing::TurnDrawing turnRecord()
{
    return drawing::TurnDrawing(drawing::TurnDrawing::Keeping::WholeTurn);
}

} // namespace pictova::test
