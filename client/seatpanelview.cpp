#include "client/seatpanelview.h"

#include "client/gameview.h"
#include "client/model/gamemodel.h"

#include <QAction>
#include <QLabel>

namespace pictova {

namespace {
const QColor kBlack(Qt::black);
const QColor kMaroon(0x80, 0, 0);

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
    connect(&model, &GameModel::seatChanged, this, &SeatPanelView::showSeat);
    connect(&model, &GameModel::turnSeatChanged, this, &SeatPanelView::showTurnSeat);
    connect(&model, &GameModel::awardChanged, this, &SeatPanelView::showAward);
    connect(&model, &GameModel::settingsChanged, this, &SeatPanelView::showTeamColours);
}

void SeatPanelView::showSeat(int seat)
{
    if (!isPlayerSeat(seat))
        return;
    const PlayerSeat& shown = m_model.seat(seat);
    m_view.label_playername[seat]->setText(shown.taken ? shown.name : QStringLiteral("<Waiting>"));
    m_view.label_score[seat]->setText(QString::number(shown.points));
    m_view.image_eyes[seat]->setVisible(shown.watching);
    if (seat == m_model.mySeat())
        m_view.JustWatch1->setChecked(shown.watching);
}

void SeatPanelView::moveToRow(QWidget* widget, int seat, int offset) const
{
    if (!isPlayerSeat(seat) || !widget)
        return;
    widget->move(widget->x(), m_view.label_playername[seat]->y() + offset);
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
    m_view.label_adrawer->setVisible(award.shown);
    m_view.label_aguesser->setVisible(award.shown);
}

void SeatPanelView::showTeamColours()
{
    // Odd seats play as the Black Team in a team game; even seats are always maroon.
    const QColor colour = m_model.teamGame() ? kBlack : kMaroon;
    for (int seat = 1; seat <= kPlayerSeats; seat += 2) {
        setTextColour(m_view.label_playername[seat], colour);
        setTextColour(m_view.label_score[seat], colour);
    }
}

} // namespace pictova
