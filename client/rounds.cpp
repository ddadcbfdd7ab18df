#include "client/rounds.h"

#include "board/boardcontroller.h"
#include "board/drawertoolbar.h"
#include "client/countdown.h"
#include "client/soundcues.h"
#include "client/winnerpanel.h"
#include "messaging/catalogue.h"
#include "messaging/integer.h"
#include "resources/artwork.h"
#include "resources/syscolours.h"
#include "shell/gamestartform.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

namespace pictova {

namespace {
constexpr quint32 kBlack = 0x000000;
constexpr quint32 kMaroon = 0x000080;

void setTextColour(QLabel* label, quint32 colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, toQColor(colour));
    label->setPalette(palette);
}

QString guesserPoints(int category) { return category >= 2 && category <= 5 ? QStringLiteral("+3") : QStringLiteral("+2"); }
} // namespace

void RoundsHandler::moveToRow(QWidget* widget, int seat, int offset) const
{
    if (!isPlayerSeat(seat) || !widget)
        return;
    widget->move(widget->x(), m_ctx.view.label_playername[seat]->y() + offset);
}

void RoundsHandler::startthegame(const QString& payload)
{
    const parse::StartGameAnnounce game = parse::startgameAnnounce(payload);
    GameView& v = m_ctx.view;
    v.label_aguesser->hide();
    v.label_adrawer->hide();
    v.winner->hideAndStop();
    v.button_start->hide();
    v.JustWatch1->setChecked(false);
    for (int seat = 1; seat <= kPlayerSeats; ++seat) {
        v.label_score[seat]->setText(QStringLiteral("0"));
        v.image_eyes[seat]->hide();
    }
    if (v.gamestartform)
        v.gamestartform->setAnnounced(game.playto, game.seconds);
    v.playtoscore->setText(QStringLiteral("Play to score: %1").arg(game.playto));
    v.timeperturn->setText(QStringLiteral("Time per turn: %1").arg(game.seconds));
    v.JustWatch1->setEnabled(!game.team);
    // Odd seats play as the Black Team in a team game; even seats are always maroon.
    for (int seat = 1; seat <= kPlayerSeats; seat += 2) {
        setTextColour(v.label_playername[seat], game.team ? kBlack : kMaroon);
        setTextColour(v.label_score[seat], game.team ? kBlack : kMaroon);
    }
    const QString announcement = game.team ? QStringLiteral("started a TEAM game.") : QStringLiteral("started a game.");
    m_ctx.chatLine(m_ctx.seatName(game.seat) + QStringLiteral(" has ") + announcement, kWatchColour);
}

void RoundsHandler::pickcatagory(const QString& payload)
{
    const int drawer = parseInteger(payload);
    GameView& v = m_ctx.view;
    if (v.board)
        v.board->cancelStroke();
    v.winner->hideAndStop();
    for (QToolButton* button : v.button_cat) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    m_ctx.state.drawerseat = drawer;
    moveToRow(v.image_arrow, drawer, 2);
    if (drawer == m_ctx.state.myseat) {
        v.sounds->playsounds(QStringLiteral("turn"));
        v.label_pickcatagory->setText(QStringLiteral("Your turn to"));
        v.label_pickcatagory1->setText(QStringLiteral("choose a catagory"));
        v.panel_pickcatagory->show();
        v.panel_pickcatagory->raise();
    }
    v.countdown->restart(Countdown::Pause, 10);
}

void RoundsHandler::button_cat1Click(int category)
{
    if (category < 0 || category > 6)
        return;
    if (m_ctx.state.drawerseat != m_ctx.state.myseat) {
        QToolButton* button = m_ctx.view.button_cat[category];
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
        return;
    }
    if (m_ctx.state.loggedin)
        m_ctx.send(toserver::pickcatagory(m_ctx.state.myseat, category));
}

void RoundsHandler::getnextplayer(const QString& payload)
{
    const parse::NextPlayer next = parse::nextplayer(payload);
    GameView& v = m_ctx.view;
    v.winner->hideAndStop();
    v.label_fullanswer->clear();
    v.memo_myguessed->clear();
    if (v.panel_toolbar)
        v.panel_toolbar->clearGuesses();
    v.button_snapshot->hide();
    m_ctx.state.turncaption.clear();
    v.panel_pickcatagory->hide();
    // Clears the board and puts the brush back to black, width 3.
    if (v.board)
        v.board->startTurn();

    m_ctx.state.drawerseat = next.drawer;
    v.sounds->playsounds(QStringLiteral("cat%1").arg(next.category));

    v.label_adrawer->hide();
    v.label_aguesser->hide();
    moveToRow(v.label_adrawer, next.drawer, 0);
    v.label_adrawer->setText(QStringLiteral("+1"));
    v.label_aguesser->setText(guesserPoints(next.category));

    v.image_cat->setPixmap(next.category >= 0 && next.category <= 6 ? artwork::categoryBanner(next.category)
                                                                     : QPixmap());
    v.label_answer->setText(next.hint);

    const bool drawing = next.drawer == m_ctx.state.myseat;
    if (drawing) {
        v.label_turn->setText(QStringLiteral("Your turn to draw"));
        v.label_fullanswer->show();
        if (v.panel_toolbar)
            v.panel_toolbar->show();
        v.panel_answer->hide();
        v.button_pass->show();
        moveToRow(v.image_arrow, next.drawer, 2);
    } else {
        v.label_turn->setText(m_ctx.seatName(next.drawer) + QStringLiteral("'s turn to draw."));
        v.label_fullanswer->hide();
        if (v.panel_toolbar)
            v.panel_toolbar->hide();
        v.panel_answer->show();
        const bool player = m_ctx.state.myseat <= kPlayerSeats;
        v.edit_answer->setVisible(player);
        v.label_answerlabel->setVisible(player);
        v.button_pass->hide();
    }
    const int seconds = v.gamestartform ? v.gamestartform->timeText().toInt() : 120;
    v.countdown->continueWith(Countdown::Drawing, seconds);
}

void RoundsHandler::givedraweranswer(const QString& payload) { m_ctx.view.label_fullanswer->setText(payload); }

void RoundsHandler::button_passClick()
{
    if (m_ctx.state.drawerseat == m_ctx.state.myseat && m_ctx.state.loggedin)
        m_ctx.send(toserver::pass(m_ctx.state.myseat));
    m_ctx.view.button_pass->hide();
}

void RoundsHandler::passed(const QString& payload)
{
    const parse::SeatAndNumber pass = parse::seatAndNumber(payload);
    m_ctx.view.sounds->playsounds(QStringLiteral("pass"));
    if (isPlayerSeat(pass.seat))
        m_ctx.view.label_score[pass.seat]->setText(QString::number(pass.number));
    m_ctx.statusLine(m_ctx.seatName(pass.seat) + QStringLiteral(" has bought a different phrase for one point."));
}

} // namespace pictova
