#include "album/albumsheet.h"

#include "board/jpegcodec.h"
#include "messaging/errors.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QSaveFile>

namespace pictova {

namespace {

constexpr int kJpegQuality = 90;
const QColor kSheetBackground(0xF4, 0xF1, 0xE8);

int cellWidth()
{
    return kSheetBoardSize.width() + kSheetMargin;
}

int cellHeight()
{
    return kSheetBoardSize.height() + kSheetCaptionHeight + kSheetMargin;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    // Written aside and renamed into place, so a full disk never leaves half a picture behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw PictovaError(QCoreApplication::translate("pictova::errors", "Cannot create file %1")
                               .arg(QDir::toNativeSeparators(path)));
}

// Peer text (names, phrases) is drawn as plain text on one line, cut to the room there is.
void drawLine(QPainter& painter, const QRect& box, const QString& text)
{
    const QString fitted = painter.fontMetrics().elidedText(text, Qt::ElideRight, box.width());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, fitted);
}

std::vector<const AlbumEntry*> allOf(const Album& album)
{
    std::vector<const AlbumEntry*> entries;
    for (const AlbumEntry& entry : album.entries())
        entries.push_back(&entry);
    return entries;
}

} // namespace

QSize albumSheetSize(int entries)
{
    const int columns = std::clamp(entries, 1, kSheetColumns);
    const int rows = std::max(1, (entries + kSheetColumns - 1) / kSheetColumns);
    return {kSheetMargin + columns * cellWidth(), kSheetTitleHeight + rows * cellHeight()};
}

QRect albumSheetBoardRect(int index)
{
    const int column = index % kSheetColumns;
    const int row = index / kSheetColumns;
    return {QPoint(kSheetMargin + column * cellWidth(), kSheetTitleHeight + row * cellHeight()),
            kSheetBoardSize};
}

QImage renderAlbumSheet(const Album& album, const QString& title)
{
    return renderAlbumSheet(allOf(album), title);
}

QImage renderAlbumSheet(const std::vector<const AlbumEntry*>& entries, const QString& title)
{
    const bool severalGames = !entries.empty() && entries.front()->game != entries.back()->game;
    QImage sheet(albumSheetSize(static_cast<int>(entries.size())), QImage::Format_RGB32);
    sheet.fill(kSheetBackground);
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(16);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    drawLine(painter, QRect(kSheetMargin, 0, sheet.width() - 2 * kSheetMargin, kSheetTitleHeight), title);

    font.setPixelSize(12);
    int index = 0;
    for (const AlbumEntry* shown : entries) {
        const AlbumEntry& entry = *shown;
        const QRect board = albumSheetBoardRect(index++);
        painter.drawImage(
            board, entry.board().scaled(kSheetBoardSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        painter.setPen(Qt::gray);
        painter.drawRect(board.adjusted(-1, -1, 0, 0));
        painter.setPen(Qt::black);
        const int lineHeight = kSheetCaptionHeight / 2;
        font.setBold(true);
        painter.setFont(font);
        drawLine(painter, QRect(board.left(), board.bottom() + 1, board.width(), lineHeight),
                 (severalGames ? QCoreApplication::translate("pictova::Album", "Game %1, ").arg(entry.game)
                               : QString()) +
                     QStringLiteral("%1. %2").arg(entry.turnNumber).arg(entry.end.phrase));
        font.setBold(false);
        painter.setFont(font);
        drawLine(painter, QRect(board.left(), board.bottom() + 1 + lineHeight, board.width(), lineHeight),
                 entry.byline());
    }
    return sheet;
}

QString albumSheetFileName(const QDateTime& stamp)
{
    return QStringLiteral("album-%1.png").arg(stamp.toString(QStringLiteral("yyyyMMdd-HHmmss")));
}

QString albumBoardFileName(const QDateTime& stamp, int turnNumber)
{
    return QStringLiteral("album-%1-turn%2.jpg")
        .arg(stamp.toString(QStringLiteral("yyyyMMdd-HHmmss")))
        .arg(turnNumber);
}

QString saveAlbumSheet(const Album& album, const QString& folder, const QDateTime& stamp)
{
    return saveAlbumSheet(allOf(album), album.header(), folder, stamp);
}

QString saveAlbumSheet(const std::vector<const AlbumEntry*>& entries, const QString& label,
                       const QString& folder, const QDateTime& stamp)
{
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(albumSheetFileName(stamp));
    const QString title = QCoreApplication::translate("pictova::Album", "Pictova, %1 · %2")
                              .arg(stamp.toString(QStringLiteral("yyyy-MM-dd HH:mm")), label);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    renderAlbumSheet(entries, title).save(&buffer, "PNG");
    writeFile(path, png);
    return path;
}

QString saveAlbumBoard(const AlbumEntry& entry, const QString& folder, const QDateTime& stamp)
{
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(albumBoardFileName(stamp, entry.turnNumber));
    writeFile(path, encodeJpeg(entry.board(), kJpegQuality));
    return path;
}

} // namespace pictova
