#pragma once

#include <QFrame>

class QLabel;
class QToolButton;

namespace pictova {

class CountdownClock;
class CountdownView;
class GameModel;

// The strip over the board, `Panel_top`: the answer or greeting, the hint, the Start and Pass
// buttons, the player's side in a team game, and the status line with the category, the game's
// settings and the countdown.
class BoardHeader : public QFrame
{
    Q_OBJECT
public:
    BoardHeader(const GameModel& model, const CountdownClock& clock, QWidget* parent = nullptr);

    // The board's lines as between games: the greeting, no category.
    void resetForNewGame();
    void showFullAnswer(bool shown);
    // What a game started with these values would use, or the announced game's settings.
    void showSettings(int playTo, int seconds);
    void showCategory();
    void showOwnTeam();
    void drawPictures(qreal scale);

    QLabel* fullAnswerLine() const { return m_fullAnswer; }
    QLabel* hintLine() const { return m_hint; }
    QLabel* ownTeam() const { return m_ownTeam; }
    QToolButton* startButton() const { return m_start; }
    QToolButton* passButton() const { return m_pass; }
    QLabel* categoryBanner() const { return m_category; }
    QLabel* playToCaption() const { return m_playTo; }
    QLabel* timeCaption() const { return m_time; }
    CountdownView* countdown() const { return m_countdown; }

signals:
    void startClicked();
    void passClicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    // What the board's top lines read before any game.
    void showGreeting();
    void showTexts();

    const GameModel& m_model;
    QLabel* m_fullAnswer;
    QLabel* m_hint;
    QLabel* m_ownTeam;
    QToolButton* m_start;
    QToolButton* m_pass;
    QLabel* m_category;
    QLabel* m_playTo;
    QLabel* m_time;
    CountdownView* m_countdown;
    QLabel* m_timeCaption = nullptr;
    qreal m_scale = 1.0;
    bool m_greeting = true;
    int m_shownPlayTo = 0;
    int m_shownSeconds = 0;
};

} // namespace pictova
