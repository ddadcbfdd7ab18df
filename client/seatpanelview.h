#pragma once

#include <QObject>
#include <QPalette>
#include <QTimer>
#include <QVector>
#include <bitset>

namespace pictova {

class GameModel;
struct GameView;

// Keeps the score panel in step with the model: names, points, the watching eyes, the turn
// marker, the points badges, the team colours and a team game's standings. Seats that change
// are shown once a frame, however many messages changed them: a crowd coming and going costs the
// window one update, not one per arrival and departure.
class SeatPanelView : public QObject
{
    Q_OBJECT
public:
    static constexpr int kFrameMs = 16;

    SeatPanelView(const GameModel& model, GameView& view, QObject* parent = nullptr);

    // Shows the seats that changed since the last frame now, as the next frame would.
    void flush();
    // How many times seats that changed were shown.
    int updates() const { return m_updates; }
    // While the copy is out of the game and trying to get back in, the panel keeps what it last
    // showed, greyed, instead of the empty seats of a model that waits for the new log-in.
    void setAway(bool away);
    bool away() const { return m_away; }

private:
    void seatChanged(int seat);
    void showSeat(int seat);
    void showSeats();
    void showTurnSeat();
    void showAward();
    void showTeamColours();
    // The sides' points and members, and this player's side; hidden outside team games.
    void showTeams();
    void moveToRow(QWidget* widget, int seat, int offset) const;

    const GameModel& m_model;
    GameView& m_view;
    QTimer m_frame;
    std::bitset<16> m_changed;
    int m_updates = 0;
    bool m_away = false;
    QVector<QPalette> m_palettes; // the labels' own colours, put back on return
};

} // namespace pictova
