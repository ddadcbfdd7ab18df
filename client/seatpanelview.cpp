#include "client/seatpanelview.h"

#include "client/gameview.h"
#include "client/model/gamemodel.h"
#include "messaging/peertext.h"
#include "shell/designscale.h"

#include <QAction>
#include <QLabel>

namespace pictova {

namespace {
const QColor kBlack(Qt::black);
const QColor kMaroon(0x80, 0, 0);
const QColor kAwayGrey(0x90, 0x90, 0x90);

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}
} // namespace

SeatPanelView::SeatPanelView(const GameModel& model, GameView& view, QObject* parent)
    : QObject(parent), m_model(model), m_view(view)
{
    m_frame.setSingleShot(true);
    m_frame.setInterval(kFrameMs);
    connect(&m_frame, &QTimer::timeout, this, &SeatPanelView::flush);
    connect(&model, &GameModel::seatChanged, this, &SeatPanelView::seatChanged);
    connect(&model, &GameModel::mySeatChanged, this, &SeatPanelView::showTeams);
    connect(&model, &GameModel::turnCaptionChanged, this, &SeatPanelView::showTeams);
    connect(&model, &GameModel::turnSeatChanged, this, &SeatPanelView::showTurnSeat);
    connect(&model, &GameModel::awardChanged, this, &SeatPanelView::showAward);
    connect(&model, &GameModel::settingsChanged, this, [this] {
        showTeamColours();
        // Whether empty seats show points depends on the kind of game.
        showSeats();
        showTeams();
    });
}

void SeatPanelView::seatChanged(int seat)
{
    if (!isPlayerSeat(seat))
        return;
    m_changed.set(static_cast<size_t>(seat));
    // Started once for the frame, not again for each change: a steady stream still shows.
    if (!m_frame.isActive())
        m_frame.start();
}

void SeatPanelView::flush()
{
    m_frame.stop();
    if (m_changed.none())
        return;
    ++m_updates;
    // A side's points live in its first seat and show on every seat of the side.
    for (int seat = 1; seat <= kPlayerSeats; ++seat)
        if (m_model.teamGame() || m_changed.test(static_cast<size_t>(seat)))
            showSeat(seat);
    m_changed.reset();
    showTeams();
}

void SeatPanelView::setAway(bool away)
{
    if (away == m_away)
        return;
    m_away = away;
    QList<QLabel*> labels;
    for (int seat = 1; seat <= kPlayerSeats; ++seat)
        labels << m_view.label_playername[seat] << m_view.label_score[seat];
    if (away) {
        m_palettes.clear();
        for (QLabel* label : labels) {
            m_palettes << label->palette();
            setTextColour(label, kAwayGrey);
        }
        return;
    }
    for (qsizetype i = 0; i < labels.size() && i < m_palettes.size(); ++i)
        labels[i]->setPalette(m_palettes[i]);
    m_palettes.clear();
    showTeamColours();
    showSeats();
    showTeams();
}

void SeatPanelView::showSeat(int seat)
{
    if (!isPlayerSeat(seat) || m_away)
        return;
    const PlayerSeat& shown = m_model.seat(seat);
    m_view.label_playername[seat]->setText(shown.taken ? peertext::isolated(shown.name)
                                                       : QStringLiteral("<Waiting>"));
    // In a team game a seat shows its side's points, and a seat nobody plays on shows none: the
    // server's copies in the other seats lag behind a pass or a time-out, and reach empty seats.
    QString points = QString::number(shown.points);
    if (m_model.teamGame())
        points =
            shown.taken ? QString::number(m_model.teamStanding(GameModel::teamOf(seat)).points) : QString();
    m_view.label_score[seat]->setText(points);
    m_view.image_eyes[seat]->setVisible(shown.watching);
    if (seat == m_model.mySeat())
        m_view.JustWatch1->setChecked(shown.watching);
}

void SeatPanelView::showSeats()
{
    for (int seat = 1; seat <= kPlayerSeats; ++seat)
        showSeat(seat);
}

void SeatPanelView::showTeams()
{
    QLabel* totals = m_view.label_teamtotals;
    QLabel* mine = m_view.label_myteam;
    if (!totals || !mine || m_away)
        return;
    const bool team = m_model.teamGame();
    // The snapshot button offered after a turn lies on the same line; the seats still show the
    // points meanwhile.
    totals->setVisible(team && m_model.turnCaption().isEmpty());
    const Team myTeam = team ? GameModel::teamOf(m_model.mySeat()) : Team::None;
    mine->setText(GameModel::teamName(myTeam));
    mine->setVisible(myTeam != Team::None);
    setTextColour(mine, myTeam == Team::Black ? kBlack : kMaroon);
    if (!team) {
        totals->clear();
        totals->setToolTip({});
        mine->setToolTip({});
        return;
    }
    QStringList scores;
    QStringList rosters;
    for (Team side : {Team::Black, Team::Maroon}) {
        const TeamStanding standing = m_model.teamStanding(side);
        scores << QStringLiteral("%1 %2").arg(standing.name).arg(standing.points);
        // Names come from peers: the tip is rich text, so they are escaped.
        rosters << QStringLiteral("%1 (%2): %3")
                       .arg(standing.name)
                       .arg(standing.points)
                       .arg(standing.members.join(QStringLiteral(", ")).toHtmlEscaped());
    }
    totals->setText(scores.join(QStringLiteral(" \u00b7 ")));
    totals->setToolTip(QStringLiteral("<qt>") + rosters.join(QStringLiteral("<br>")) +
                       QStringLiteral("</qt>"));
    if (myTeam != Team::None)
        mine->setToolTip(QStringLiteral("<qt>") + rosters.value(myTeam == Team::Black ? 0 : 1) +
                         QStringLiteral("</qt>"));
}

void SeatPanelView::moveToRow(QWidget* widget, int seat, int offset) const
{
    if (!isPlayerSeat(seat) || !widget)
        return;
    design::move(widget, QPoint(design::geometry(widget).x(),
                                design::geometry(m_view.label_playername[seat]).y() + offset));
}

void SeatPanelView::showTurnSeat()
{
    moveToRow(m_view.image_arrow, m_model.turnSeat(), 2);
}

void SeatPanelView::showAward()
{
    const TurnAward& award = m_model.award();
    moveToRow(m_view.label_adrawer, award.drawerSeat, 0);
    moveToRow(m_view.label_aguesser, award.guesserSeat, 0);
    if (!award.drawerText.isEmpty())
        m_view.label_adrawer->setText(award.drawerText);
    if (!award.guesserText.isEmpty())
        m_view.label_aguesser->setText(award.guesserText);
    m_view.label_adrawer->setVisible(award.shown && isPlayerSeat(award.drawerSeat));
    m_view.label_aguesser->setVisible(award.shown && isPlayerSeat(award.guesserSeat));
}

void SeatPanelView::showTeamColours()
{
    if (m_away)
        return;
    // Odd seats play as the Black Team in a team game; even seats are always maroon.
    const QColor colour = m_model.teamGame() ? kBlack : kMaroon;
    for (int seat = 1; seat <= kPlayerSeats; seat += 2) {
        setTextColour(m_view.label_playername[seat], colour);
        setTextColour(m_view.label_score[seat], colour);
    }
}

} // namespace pictova
