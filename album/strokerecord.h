#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <optional>

namespace pictova {

// The three messages that change a board.
enum class StrokeKind : quint8 { Move, Draw, Clear };

struct StrokeMessage
{
    qint64 atMs = 0; // since the turn started on this copy
    StrokeKind kind = StrokeKind::Move;
    QString payload;
};

// The stroke messages of one turn in the order they reached the board, with their times, packed
// into one buffer. A drawer could stream strokes for the whole turn: past kByteCap (the server's
// own cap on a turn's drawing log) nothing more is kept and the record says it was cut short.
class StrokeRecord
{
public:
    static constexpr qsizetype kByteCap = 2 * 1024 * 1024;

    // Returns false when the message did not fit and was not kept.
    bool append(qint64 atMs, StrokeKind kind, const QString& payload);
    // Empties the record for a turn whose board starts with its pen at `startPosition`: a batch
    // before any stroke start draws on from there.
    void clear(QPoint startPosition = {});
    QPoint startPosition() const { return m_startPosition; }

    qsizetype bytes() const { return m_data.size(); }
    qsizetype size() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }
    bool truncated() const { return m_truncated; }

    // The record squeezed into as few bytes as it will go, for keeping; and back.
    QByteArray packed() const;
    static StrokeRecord fromPacked(const QByteArray& packed);

    // Reads the messages in order.
    class Reader
    {
    public:
        explicit Reader(const StrokeRecord& record) : m_data(record.m_data) {}
        std::optional<StrokeMessage> next();
        void rewind() { m_offset = 0; }

    private:
        QByteArray m_data;
        qsizetype m_offset = 0;
    };

private:
    QByteArray m_data;
    qsizetype m_count = 0;
    bool m_truncated = false;
    QPoint m_startPosition;
};

} // namespace pictova
