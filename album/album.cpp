#include "album/album.h"

#include <QBuffer>
#include <QCoreApplication>

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
        return QCoreApplication::translate("pictova::Album", "%1 guessed it at %2")
            .arg(end.guesserName, when);
    case TurnEndKind::TimedOut:
        return QCoreApplication::translate("pictova::Album", "No one guessed (%1)").arg(when);
    case TurnEndKind::Passed:
        return QCoreApplication::translate("pictova::Album", "Passed at %1").arg(when);
    }
    return when;
}

QString AlbumEntry::byline() const
{
    return QCoreApplication::translate("pictova::Album", "%1 drew · %2").arg(end.drawerName, outcome());
}

QString AlbumGame::heading() const
{
    QString text = QCoreApplication::translate("pictova::Album", "Game %1").arg(number);
    if (!scores.isEmpty())
        text += QStringLiteral(" · ") + scores;
    return text + (turnsSeen == 1
                       ? QCoreApplication::translate("pictova::Album", " · 1 turn")
                       : QCoreApplication::translate("pictova::Album", " · %1 turns").arg(turnsSeen));
}

void Album::add(const TurnEnd& end, qint64 gameMs, const QImage& board, const drawing::TurnDrawing& strokes)
{
    AlbumEntry entry;
    AlbumGame& running = m_games.back();
    entry.turnNumber = ++running.turnsSeen;
    entry.game = running.number;
    entry.key = ++m_turnsSeen;
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
        // A game none of whose turns is left goes with its last one.
        const int oldestKept = m_entries.empty() ? m_games.back().number : m_entries.front().game;
        while (m_games.size() > 1 && m_games.front().number < oldestKept)
            m_games.pop_front();
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

void Album::startGame()
{
    if (m_games.back().turnsSeen == 0)
        m_games.back().scores.clear();
    else
        m_games.push_back(AlbumGame{m_games.back().number + 1, {}, 0});
    emit changed();
}

void Album::setScores(const QString& scores)
{
    if (m_games.back().scores == scores)
        return;
    m_games.back().scores = scores;
    emit changed();
}

const AlbumGame* Album::game(int number) const
{
    for (const AlbumGame& game : m_games)
        if (game.number == number)
            return &game;
    return nullptr;
}

void Album::clear()
{
    m_entries.clear();
    m_games = {AlbumGame{}};
    m_turnsSeen = 0;
    m_strokeBytes = 0;
    m_boardBytes = 0;
    emit changed();
}

QString Album::header() const
{
    QString text = m_turnsSeen == 1
                       ? QCoreApplication::translate("pictova::Album", "Album: 1 turn")
                       : QCoreApplication::translate("pictova::Album", "Album: %1 turns").arg(m_turnsSeen);
    const int games = m_games.back().number;
    if (games > 1)
        text += QCoreApplication::translate("pictova::Album", " in %1 games").arg(games);
    if (m_turnsSeen > size())
        text += QCoreApplication::translate("pictova::Album", ", the last %1 kept").arg(size());
    return text;
}

} // namespace pictova
