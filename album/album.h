#pragma once

#include "client/model/turnend.h"
#include "drawing/turndrawing.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <deque>

namespace pictova {

// One settled phrase: the board as it stood, who drew it, who found it and when, and the strokes
// that made it.
struct AlbumEntry
{
    int turnNumber = 0; // 1 for the first phrase this copy kept in the game
    int game = 1;       // the game of this run it belongs to, 1 for the first
    int key = 0;        // unique in the album, growing with every turn kept
    TurnEnd end;
    qint64 gameMs = 0; // time into the game
    QByteArray boardPng;
    QImage thumbnail;
    QByteArray packedStrokes; // TurnDrawing::packed(); empty once given up to the budget

    QImage board() const;
    drawing::TurnDrawing strokes() const { return drawing::TurnDrawing::fromPacked(packedStrokes); }
    bool hasReplay() const { return !packedStrokes.isEmpty(); }
    // "Bob guessed it at 3:05", "No one guessed (3:05)", "Passed at 3:05".
    QString outcome() const;
    // "Ann drew" and the outcome.
    QString byline() const;
};

// "m:ss", or "h:mm:ss" past the hour.
QString gameClock(qint64 ms);

// A game of this run whose turns the album holds; its scores as they last stood.
struct AlbumGame
{
    int number = 1;
    QString scores; // "Ann 20, Cid 12, Me 8"; empty until known
    int turnsSeen = 0;
    // "Game 2 · Ann 20, Cid 12, Me 8 · 5 turns"
    QString heading() const;
};

// The turns of every game of this run that this copy kept, oldest first, at most kMaxEntries of
// them: a long run drops its oldest turns (and a game once none of its turns is left). Drawers could fill
// every turn with noise and strokes up to the record's cap; past kStrokeBudget bytes of packed records the
// oldest turns lose their replays, and past kBoardBudget bytes of boards the oldest turns go. A plain game
// never comes near either.
class Album : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxEntries = 200;
    static constexpr QSize kThumbnailSize{200, 139};
    static constexpr qsizetype kStrokeBudget = 48 * 1024 * 1024;
    static constexpr qsizetype kBoardBudget = 48 * 1024 * 1024;

    explicit Album(QObject* parent = nullptr) : QObject(parent) {}
    // Tests try the budgets with small figures.
    void setBudgets(qsizetype strokes, qsizetype boards);

    // Keeps the board (as PNG, with a thumbnail) and the strokes of a settled phrase.
    void add(const TurnEnd& end, qint64 gameMs, const QImage& board, const drawing::TurnDrawing& strokes);
    void clear();
    // Another game begins: its turns go under a heading of their own (a game with no turn yet
    // simply carries on as the new one).
    void startGame();
    // The running game's scores, kept in its heading.
    void setScores(const QString& scores);

    const std::deque<AlbumEntry>& entries() const { return m_entries; }
    int size() const { return static_cast<int>(m_entries.size()); }
    // The games with turns kept, oldest first; the running game is always there.
    const std::deque<AlbumGame>& games() const { return m_games; }
    const AlbumGame* game(int number) const;
    qsizetype strokeBytes() const { return m_strokeBytes; }
    qsizetype boardBytes() const { return m_boardBytes; }
    // Every turn kept in this run, including those dropped since.
    int turnsSeen() const { return m_turnsSeen; }
    // The running count for the album's header.
    QString header() const;

signals:
    void changed();

private:
    void keepWithinBudgets();

    std::deque<AlbumEntry> m_entries;
    std::deque<AlbumGame> m_games{AlbumGame{}};
    int m_turnsSeen = 0;
    qsizetype m_strokeBytes = 0;
    qsizetype m_boardBytes = 0;
    qsizetype m_strokeBudget = kStrokeBudget;
    qsizetype m_boardBudget = kBoardBudget;
};

} // namespace pictova
