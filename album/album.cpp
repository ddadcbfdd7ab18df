#include "album/album.h"

#include <QBuffer>

namespace pictova {

QString gameClock(qint64 ms)
{
    const qint64 seconds = std::max<qint64>(ms, 0) / 1000;
    if (seconds >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(seconds / 3600)
            .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QImage AlbumEntry::board() const
{
    return QImage::fromData(boardPng, "PNG");
}

QString AlbumEntry::outcome() const
{
    const QString when = gameClock(gameMs);
    switch (end.kind) {
    case TurnEndKind::Answered:
        return QStringLiteral("%1 guessed it at %2").arg(end.guesserName, when);
    case TurnEndKind::TimedOut:
        return QStringLiteral("No one guessed (%1)").arg(when);
    case TurnEndKind::Passed:
        return QStringLiteral("Passed at %1").arg(when);
    }
    return when;
}

QString AlbumEntry::byline() const
{
    return QStringLiteral("%1 drew · %2").arg(end.drawerName, outcome());
}

void Album::add(const TurnEnd& end, qint64 gameMs, const QImage& board, const StrokeRecord& strokes)
{
    AlbumEntry entry;
    entry.turnNumber = ++m_turnsSeen;
    entry.end = end;
    entry.gameMs = gameMs;
    QBuffer png(&entry.boardPng);
    png.open(QIODevice::WriteOnly);
    board.save(&png, "PNG");
    // Three bytes a pixel: a thumbnail needs no more.
    entry.thumbnail = board.scaled(kThumbnailSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                          .convertToFormat(QImage::Format_RGB888);
    entry.packedStrokes = strokes.packed();
    m_strokeBytes += entry.packedStrokes.size();
    m_boardBytes += entry.boardPng.size();
    m_entries.push_back(std::move(entry));
    keepWithinBudgets();
    emit changed();
}

void Album::setBudgets(qsizetype strokes, qsizetype boards)
{
    m_strokeBudget = strokes;
    m_boardBudget = boards;
    keepWithinBudgets();
}

void Album::keepWithinBudgets()
{
    const auto dropOldest = [this] {
        m_strokeBytes -= m_entries.front().packedStrokes.size();
        m_boardBytes -= m_entries.front().boardPng.size();
        m_entries.pop_front();
    };
    while (m_entries.size() > static_cast<size_t>(kMaxEntries))
        dropOldest();
    // The newest turn always stays whole.
    while (m_boardBytes > m_boardBudget && m_entries.size() > 1)
        dropOldest();
    for (size_t i = 0; m_strokeBytes > m_strokeBudget && i + 1 < m_entries.size(); ++i) {
        m_strokeBytes -= m_entries[i].packedStrokes.size();
        m_entries[i].packedStrokes.clear();
    }
}

void Album::clear()
{
    m_entries.clear();
    m_turnsSeen = 0;
    m_strokeBytes = 0;
    m_boardBytes = 0;
    emit changed();
}

QString Album::header() const
{
    if (m_turnsSeen == 1)
        return QStringLiteral("Album: 1 turn");
    if (m_turnsSeen <= size())
        return QStringLiteral("Album: %1 turns").arg(m_turnsSeen);
    return QStringLiteral("Album: %1 turns, the last %2 kept").arg(m_turnsSeen).arg(size());
}

} // namespace pictova
