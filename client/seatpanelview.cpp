#include "client/seatpanelview.h"

#include "client/model/gamemodel.h"
#include "client/viewparts.h"
#include "messaging/peertext.h"
#include "resources/artwork.h"
#include "translations/livetexts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace pictova {

using namespace viewparts;

namespace {
const QColor kBlack(Qt::black);
const QColor kAwayGrey(0x90, 0x90, 0x90);
constexpr int kEyesColumn = 0;
constexpr int kArrowColumn = 1;
constexpr int kNameColumn = 2;
constexpr int kPointsColumn = 3;
constexpr int kBadgeColumn = 4;

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}
} // namespace

SeatPanelView::SeatPanelView(const GameModel& model, QWidget* parent) : QFrame(parent), m_model(model)
{
    setObjectName(QStringLiteral("panel_score"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);

    m_grid = new QGridLayout;
    m_grid->setContentsMargins(2, 0, 0, 0);
    m_grid->setHorizontalSpacing(2);
    m_grid->setVerticalSpacing(1);
    m_arrow = new QLabel(this);
    m_arrow->setObjectName(QStringLiteral("image_arrow"));
    for (int seat = 1; seat <= kPlayerSeats; ++seat) {
        auto* eyes = new QLabel(this);
        eyes->setObjectName(QStringLiteral("image_eyes%1").arg(seat));
        eyes->hide();
        auto* name = label(QStringLiteral("label_playername%1").arg(seat), tr("<Waiting>"), this);
        auto* points = label(QStringLiteral("label_score%1").arg(seat), QStringLiteral("0"), this);
        points->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        name->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        for (QLabel* l : {name, points}) {
            setBold(l, 12);
            setColour(l, kMaroon);
        }
        name->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(name, &QLabel::customContextMenuRequested, this, [this, name, seat](const QPoint& pos) {
            emit seatMenuRequested(seat, name->mapToGlobal(pos));
        });
        m_grid->addWidget(eyes, seat - 1, kEyesColumn);
        m_grid->addWidget(name, seat - 1, kNameColumn);
        m_grid->addWidget(points, seat - 1, kPointsColumn);
        m_eyes[seat] = eyes;
        m_names[seat] = name;
        m_points[seat] = points;
    }
    m_grid->addWidget(m_arrow, 0, kArrowColumn);
    m_drawerBadge = label(QStringLiteral("label_adrawer"), QStringLiteral("+1"), this);
    m_guesserBadge = label(QStringLiteral("label_aguesser"), QStringLiteral("+2"), this);
    for (QLabel* badge : {m_drawerBadge, m_guesserBadge}) {
        setBold(badge, 11);
        setColour(badge, QColor(0, 0x80, 0));
        badge->hide();
        m_grid->addWidget(badge, 0, kBadgeColumn);
    }
    m_grid->setColumnMinimumWidth(kEyesColumn, 16);
    m_grid->setColumnMinimumWidth(kArrowColumn, 14);
    m_grid->setColumnStretch(kNameColumn, 1);
    m_grid->setColumnMinimumWidth(kPointsColumn, 30);
    m_grid->setColumnMinimumWidth(kBadgeColumn, 22);

    // Below the seats, where the snapshot button is offered between turns.
    m_teamTotals = label(QStringLiteral("label_teamtotals"), QString(), this);
    m_teamTotals->setAlignment(Qt::AlignCenter);
    setBold(m_teamTotals, 12);
    setColour(m_teamTotals, kMaroon);
    m_teamTotals->hide();
    m_snapshot = new QToolButton(this);
    m_snapshot->setObjectName(QStringLiteral("button_snapshot"));
    auto* texts = new LiveTexts(this);
    texts->add([this] {
        m_snapshot->setText(tr("Take A Snap Shot"));
        m_snapshot->setToolTip(tr("Take a Snapshot"));
    });
    m_snapshot->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_snapshot->setAutoRaise(true);
    m_snapshot->setIconSize(QSize(16, 16));
    setBold(m_snapshot, 12);
    setColour(m_snapshot, kMaroon);
    m_snapshot->hide();
    connect(m_snapshot, &QToolButton::clicked, this, &SeatPanelView::snapshotRequested);
    m_turnLine = label(QStringLiteral("label_turn"), QString(), this);
    m_turnLine->setAlignment(Qt::AlignCenter);
    setBold(m_turnLine, 13);
    setColour(m_turnLine, kMaroon);

    auto* extras = new QHBoxLayout;
    extras->addWidget(m_teamTotals, 1);
    extras->addWidget(m_snapshot, 0, Qt::AlignHCenter);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 4, 2, 2);
    column->setSpacing(2);
    column->addLayout(m_grid);
    column->addStretch(1);
    column->addLayout(extras);
    column->addWidget(m_turnLine);

    m_frame.setSingleShot(true);
    m_frame.setInterval(kFrameMs);
    connect(&m_frame, &QTimer::timeout, this, &SeatPanelView::flush);
    connect(&model, &GameModel::seatChanged, this, &SeatPanelView::seatChanged);
    connect(&model, &GameModel::mySeatChanged, this, &SeatPanelView::showTeams);
    connect(&model, &GameModel::turnCaptionChanged, this, [this] {
        m_snapshot->setVisible(!m_model.turnCaption().isEmpty());
        showTeams();
    });
    connect(&model, &GameModel::turnSeatChanged, this, &SeatPanelView::showTurnSeat);
    connect(&model, &GameModel::awardChanged, this, &SeatPanelView::showAward);
    connect(&model, &GameModel::settingsChanged, this, [this] {
        showTeamColours();
        // Whether empty seats show points depends on the kind of game.
        showSeats();
        showTeams();
    });
    // Empty seats and the team lines read in the new language.
    texts->add([this] {
        showSeats();
        showTeams();
    });
}

QString teamRosterTip(const TeamStanding& standing)
{
    // Names come from peers: the tip is rich text, so they are escaped.
    return QStringLiteral("%1 (%2): %3")
        .arg(standing.name)
        .arg(standing.points)
        .arg(standing.members.join(QStringLiteral(", ")).toHtmlEscaped());
}

void SeatPanelView::drawPictures(qreal scale)
{
    m_arrow->setPixmap(picture(m_arrow, scale, artwork::drawerArrowAt));
    for (int seat = 1; seat <= kPlayerSeats; ++seat)
        m_eyes[seat]->setPixmap(picture(m_eyes[seat], scale, artwork::watchingEyesAt));
    m_snapshot->setIcon(picture(m_snapshot, scale, artwork::cameraAt));
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
        labels << m_names[seat] << m_points[seat];
    if (away) {
        m_palettes.clear();
        for (QLabel* l : labels) {
            m_palettes << l->palette();
            setTextColour(l, kAwayGrey);
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

void SeatPanelView::setTurnLine(const QString& text)
{
    m_turnLine->setText(text);
}

void SeatPanelView::resetForNewGame()
{
    m_turnLine->clear();
}

void SeatPanelView::showSeat(int seat)
{
    if (!isPlayerSeat(seat) || m_away)
        return;
    const PlayerSeat& shown = m_model.seat(seat);
    m_names[seat]->setText(shown.taken ? peertext::isolated(shown.name) : tr("<Waiting>"));
    // In a team game a seat shows its side's points, and a seat nobody plays on shows none: the
    // server's copies in the other seats lag behind a pass or a time-out, and reach empty seats.
    QString points = QString::number(shown.points);
    if (m_model.teamGame())
        points =
            shown.taken ? QString::number(m_model.teamStanding(GameModel::teamOf(seat)).points) : QString();
    m_points[seat]->setText(points);
    m_eyes[seat]->setVisible(shown.watching);
}

void SeatPanelView::showSeats()
{
    for (int seat = 1; seat <= kPlayerSeats; ++seat)
        showSeat(seat);
}

void SeatPanelView::showTeams()
{
    if (m_away)
        return;
    const bool team = m_model.teamGame();
    // The snapshot button offered after a turn lies on the same line; the seats still show the
    // points meanwhile.
    m_teamTotals->setVisible(team && m_model.turnCaption().isEmpty());
    emit ownTeamChanged();
    if (!team) {
        m_teamTotals->clear();
        m_teamTotals->setToolTip({});
        return;
    }
    QStringList scores;
    QStringList rosters;
    for (Team side : {Team::Black, Team::Maroon}) {
        const TeamStanding standing = m_model.teamStanding(side);
        scores << QStringLiteral("%1 %2").arg(standing.name).arg(standing.points);
        rosters << teamRosterTip(standing);
    }
    m_teamTotals->setText(scores.join(QStringLiteral(" \u00b7 ")));
    m_teamTotals->setToolTip(QStringLiteral("<qt>") + rosters.join(QStringLiteral("<br>")) +
                             QStringLiteral("</qt>"));
}

int SeatPanelView::rowOf(const QWidget* widget) const
{
    int row = -1;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
    const int index = m_grid->indexOf(widget);
    if (index >= 0)
        m_grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    return row;
}

void SeatPanelView::moveToRow(QWidget* widget, int seat, int column)
{
    if (!isPlayerSeat(seat) || rowOf(widget) == seat - 1)
        return;
    m_grid->removeWidget(widget);
    m_grid->addWidget(widget, seat - 1, column);
    // Placed at once, as the labels' texts are: the next frame shows both.
    layout()->activate();
}

void SeatPanelView::showTurnSeat()
{
    // No turn (a game joined afresh): the arrow goes back to the first seat, where a new window
    // has it, rather than stay on the last game's drawer.
    moveToRow(m_arrow, std::max(1, m_model.turnSeat()), kArrowColumn);
}

void SeatPanelView::showAward()
{
    const TurnAward& award = m_model.award();
    moveToRow(m_drawerBadge, award.drawerSeat, kBadgeColumn);
    moveToRow(m_guesserBadge, award.guesserSeat, kBadgeColumn);
    if (!award.drawerText.isEmpty())
        m_drawerBadge->setText(award.drawerText);
    if (!award.guesserText.isEmpty())
        m_guesserBadge->setText(award.guesserText);
    m_drawerBadge->setVisible(award.shown && isPlayerSeat(award.drawerSeat));
    m_guesserBadge->setVisible(award.shown && isPlayerSeat(award.guesserSeat));
}

void SeatPanelView::showTeamColours()
{
    if (m_away)
        return;
    // Odd seats play as the Black Team in a team game; even seats are always maroon.
    const QColor colour = m_model.teamGame() ? kBlack : kMaroon;
    for (int seat = 1; seat <= kPlayerSeats; seat += 2) {
        setTextColour(m_names[seat], colour);
        setTextColour(m_points[seat], colour);
    }
}

} // namespace pictova
