#pragma once

#include <QObject>

namespace pictova {

class GameModel;
struct GameView;

// Keeps the score panel in step with the model: names, points, the watching eyes, the turn
// marker, the points badges, the team colours and a team game's standings.
class SeatPanelView : public QObject
{
    Q_OBJECT
public:
    SeatPanelView(const GameModel& model, GameView& view, QObject* parent = nullptr);

private:
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
};

} // namespace pictova
