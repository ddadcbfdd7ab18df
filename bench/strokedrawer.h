#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QRandomGenerator>
#include <QString>
#include <QTimer>
#include <functional>

namespace pictova::bench {

// A drawer's mouse at 125 Hz, its points sent as the game's board sends them: a batch goes out
// when it holds BoardController::kBatchPoints points, when its oldest point has waited
// BoardController::kBatchAgeMs, or when the pen lifts. Each stroke is two seconds of drawing.
// `byCountAlone` drops the age rule (batches of 11 points only), as the board sent them before it
// had one: one message every 88 ms instead of every 16 to 24.
class StrokeDrawer : public QObject
{
    Q_OBJECT
public:
    using Send = std::function<void(const QByteArray& message)>;
    static constexpr int kMouseMs = 8; // 125 Hz

    StrokeDrawer(int seat, bool byCountAlone, Send send, QObject* parent = nullptr);

    void start();
    void stop();

    int strokes() const { return m_strokes; }
    qint64 messages() const { return m_messages; }
    // The mean time between two messages and their mean size, for floors paced as the drawer was.
    int meanIntervalMs() const;
    int meanBytes() const;

private:
    void mouseMoved();
    void sendBatch();
    QString colour();

    const int m_seat;
    const bool m_byCountAlone;
    Send m_send;
    QTimer m_mouse;
    QTimer m_age;
    QElapsedTimer m_clock;
    QRandomGenerator m_random{42};
    int m_x = 260, m_y = 180, m_points = 0, m_strokes = 0;
    quint32 m_counter = 0;
    QString m_batch;
    int m_batchPoints = 0;
    qint64 m_oldestAt = 0;
    qint64 m_messages = 0, m_bytes = 0, m_firstAt = -1, m_lastAt = -1;
};

} // namespace pictova::bench
