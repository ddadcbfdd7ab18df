#pragma once

#include <QFrame>
#include <QPalette>
#include <QTimer>
#include <QVector>
#include <array>
#include <bitset>

class QGridLayout;
class QLabel;
class QToolButton;

namespace pictova {

class GameModel;
struct TeamStanding;

// A side's name, points and members, for a rich-text tool tip.
QString teamRosterTip(const TeamStanding& standing);

// The score panel, `panel_score`: each seat's name, points and watching eyes, the turn marker,
// the points badges, the team colours and a team game's standings, the snapshot button offered
// after a turn, and the turn line under them. Seats that change are shown once a frame, however
// many messages changed them: a crowd coming and going costs the window one update, not one per
// arrival and departure.
class SeatPanelView : public QFrame
{
    Q_OBJECT
public:
    static constexpr int kFrameMs = 16;

    explicit SeatPanelView(const GameModel& model, QWidget* parent = nullptr);

    // Shows the seats that changed since the last frame now, as the next frame would.
    void flush();
    // How many times seats that changed were shown.
    int updates() const { return m_updates; }
    // While the copy is out of the game and trying to get back in, the panel keeps what it last
    // showed, greyed, instead of the empty seats of a model that waits for the new log-in.
    void setAway(bool away);
    bool away() const { return m_away; }

    void setTurnLine(const QString& text);
    void resetForNewGame();
    // The pictures drawn afresh for the window's UI scale.
    void drawPictures(qreal scale);

    QLabel* nameLabel(int seat) const { return m_names.at(static_cast<size_t>(seat)); }
    QLabel* scoreLabel(int seat) const { return m_points.at(static_cast<size_t>(seat)); }
    QLabel* eyes(int seat) const { return m_eyes.at(static_cast<size_t>(seat)); }
    QLabel* turnArrow() const { return m_arrow; }
    QLabel* drawerBadge() const { return m_drawerBadge; }
    QLabel* guesserBadge() const { return m_guesserBadge; }
    QLabel* teamTotals() const { return m_teamTotals; }
    QToolButton* snapshotButton() const { return m_snapshot; }
    QLabel* turnLine() const { return m_turnLine; }
    // The row a seat's name, points and marks sit on.
    int rowOf(const QWidget* widget) const;

signals:
    void snapshotRequested();
    // The seat's name was right-clicked at `globalPos`.
    void seatMenuRequested(int seat, const QPoint& globalPos);
    // The player's own side, its name and members, changed (a team game's caption for the header).
    void ownTeamChanged();

private:
    void seatChanged(int seat);
    void showSeat(int seat);
    void showSeats();
    void showTurnSeat();
    void showAward();
    void showTeamColours();
    void showTeams();
    void moveToRow(QWidget* widget, int seat, int column);

    const GameModel& m_model;
    QGridLayout* m_grid = nullptr;
    std::array<QLabel*, 11> m_names{};
    std::array<QLabel*, 11> m_points{};
    std::array<QLabel*, 11> m_eyes{};
    QLabel* m_arrow = nullptr;
    QLabel* m_drawerBadge = nullptr;
    QLabel* m_guesserBadge = nullptr;
    QLabel* m_teamTotals = nullptr;
    QToolButton* m_snapshot = nullptr;
    QLabel* m_turnLine = nullptr;
    QTimer m_frame;
    std::bitset<16> m_changed;
    int m_updates = 0;
    bool m_away = false;
    QVector<QPalette> m_palettes; // the labels' own colours, put back on return
};

} // namespace pictova
