#include "client/guessing.h"

#include "board/drawertoolbar.h"
#include "client/countdown.h"
#include "client/soundcues.h"
#include "client/winnerpanel.h"
#include "messaging/catalogue.h"
#include "messaging/wire.h"

#include <QAction>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QToolButton>

namespace pictova {

QString GuessingHandler::today() { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); }

void GuessingHandler::edit_answerKeyPress()
{
    QLineEdit* field = m_ctx.view.edit_answer;
    if (m_ctx.state.loggedin)
        m_ctx.send(toserver::answer(m_ctx.state.myseat, withoutTerminator(field->text())));
    field->clear();
}

void GuessingHandler::guessed(const QString& payload)
{
    const parse::SeatAndText guess = parse::seatAndText(payload);
    if (m_ctx.view.panel_toolbar)
        m_ctx.view.panel_toolbar->addGuessLine(m_ctx.seatName(guess.seat) + QStringLiteral(" guessed: ") + guess.text);
}

void GuessingHandler::myguessed(const QString& payload)
{
    const parse::SeatAndText guess = parse::seatAndText(payload);
    auto* item = new QListWidgetItem(m_ctx.seatName(guess.seat) + QStringLiteral(" answered: ") + guess.text);
    m_ctx.view.memo_myguessed->addItem(item);
    // A long turn of guesses stays bounded; the oldest go first.
    while (m_ctx.view.memo_myguessed->count() > 500)
        delete m_ctx.view.memo_myguessed->takeItem(0);
    m_ctx.view.memo_myguessed->scrollToBottom();
}

void GuessingHandler::endOfTurn()
{
    m_ctx.state.drawerseat = 0;
    m_ctx.view.panel_answer->hide();
    m_ctx.view.button_snapshot->show();
    // The turn is over: a pass now would only cost the drawer a point.
    m_ctx.view.button_pass->hide();
}

void GuessingHandler::updateanswer(const QString& payload)
{
    const parse::UpdateAnswer update = parse::updateanswer(payload);
    if (update.flag == QLatin1String("true")) {
        m_ctx.view.sounds->playsounds(QStringLiteral("noanswer"));
        m_ctx.statusLine(QStringLiteral("No one guessed!"));
        m_ctx.state.turncaption =
            today() + QStringLiteral(": ") + m_ctx.seatName(m_ctx.state.drawerseat) + QLatin1Char('-') + update.text;
        endOfTurn();
        m_ctx.view.countdown->restart(Countdown::Pause, 10);
    }
    m_ctx.view.label_answer->setText(update.text);
}

void GuessingHandler::correctanswer(const QString& payload)
{
    const parse::CorrectAnswer right = parse::correctanswer(payload);
    GameView& v = m_ctx.view;
    m_ctx.state.turncaption = today() + QStringLiteral(": ") + m_ctx.seatName(m_ctx.state.drawerseat) + QLatin1Char('-');
    v.countdown->restart(Countdown::Pause, 10);
    endOfTurn();
    if (isPlayerSeat(right.guesser))
        v.label_score[right.guesser]->setText(QString::number(right.guesserScore));
    if (isPlayerSeat(right.drawer))
        v.label_score[right.drawer]->setText(QString::number(right.drawerScore));
    m_ctx.statusLine(m_ctx.seatName(right.guesser) + QStringLiteral(" has guessed the answer!"));
    if (right.guesser == m_ctx.state.myseat || right.drawer == m_ctx.state.myseat)
        v.sounds->playsounds(QStringLiteral("correct"));
    if (isPlayerSeat(right.guesser))
        v.label_aguesser->move(v.label_aguesser->x(), v.label_playername[right.guesser]->y());
    v.label_adrawer->show();
    v.label_aguesser->show();
    v.label_answer->setText(right.phrase);
    m_ctx.state.turncaption += right.phrase;
}

void GuessingHandler::setScores(const QList<qint32>& scores)
{
    for (int i = 0; i < scores.size() && i < kPlayerSeats; ++i)
        m_ctx.view.label_score[i + 1]->setText(QString::number(scores[i]));
}

void GuessingHandler::teamscore(const QString& payload) { setScores(parse::teamscore(payload)); }

void GuessingHandler::gamestats(const QString& payload)
{
    const parse::GameStats stats = parse::gamestats(payload);
    m_ctx.view.playtoscore->setText(QStringLiteral("Play to Score: %1").arg(stats.playto));
    m_ctx.view.timeperturn->setText(QStringLiteral("Time Per Turn: %1").arg(stats.seconds));
    setScores(stats.scores);
}

void GuessingHandler::winner(const QString& payload)
{
    m_ctx.view.sounds->playsounds(QStringLiteral("gameover"));
    m_ctx.statusLine(payload + QStringLiteral(" has Won the Game!"));
    m_ctx.view.winner->showWinner(payload);
    if (m_ctx.state.ishost) {
        m_ctx.view.button_start->show();
        m_ctx.view.StartGame1->setEnabled(true);
    }
}

} // namespace pictova
