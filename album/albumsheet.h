#pragma once

#include "album/album.h"

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

namespace pictova {

// One picture of a whole game: a title line, then the boards at half size in rows of
// kSheetColumns, oldest first, each with its caption (turn and phrase, then drawer and outcome).
inline constexpr int kSheetColumns = 5;
inline constexpr int kSheetMargin = 10;
inline constexpr int kSheetTitleHeight = 32;
inline constexpr int kSheetCaptionHeight = 36;
inline constexpr QSize kSheetBoardSize{267, 185};

// The size of the sheet for `entries` boards.
QSize albumSheetSize(int entries);
// Where board `index` (0 for the oldest) sits on the sheet.
QRect albumSheetBoardRect(int index);
QImage renderAlbumSheet(const Album& album, const QString& title);
// The sheet of some of the album's turns (oldest first); turns of several games are captioned
// with their game.
QImage renderAlbumSheet(const std::vector<const AlbumEntry*>& entries, const QString& title);

// "album-<stamp>.png" and "album-<stamp>-turn<n>.jpg": the stamp is the time of saving, so saved
// albums and the manual snapshots ("snapshot<n>.jpg") never replace one another.
QString albumSheetFileName(const QDateTime& stamp);
QString albumBoardFileName(const QDateTime& stamp, int turnNumber);

// Write into `folder` (created if missing) and return the path; throw
// PictovaError("Cannot create file <path>").
QString saveAlbumSheet(const Album& album, const QString& folder, const QDateTime& stamp);
// The sheet of `entries` under the title "Pictova, <date> · <label>".
QString saveAlbumSheet(const std::vector<const AlbumEntry*>& entries, const QString& label,
                       const QString& folder, const QDateTime& stamp);
QString saveAlbumBoard(const AlbumEntry& entry, const QString& folder, const QDateTime& stamp);

} // namespace pictova
