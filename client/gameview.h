#pragma once

#include <QString>
#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QToolButton;
class QWidget;
class QFrame;

namespace pictova {

class BoardController;
class ChatLog;
class DrawerToolbar;
class SoundCues;
class GameStartForm;
class Tspylist;
class WinnerPanel;

// The widgets of the game window that show the game model. The window builds them and fills this
// in; the views keep them in step with the model.
struct GameView
{
    // Seats 1..10 at index 1..10 (index 0 unused).
    std::array<QLabel*, 11> label_playername{};
    std::array<QLabel*, 11> label_score{};
    std::array<QLabel*, 11> image_eyes{};
    QLabel* image_arrow = nullptr;
    QLabel* label_turn = nullptr;
    // A team game's sides: their points and, on hover, their members; and this player's side.
    QLabel* label_teamtotals = nullptr;
    QLabel* label_myteam = nullptr;
    QLabel* label_adrawer = nullptr;
    QLabel* label_aguesser = nullptr;

    QFrame* panel_pickcatagory = nullptr;
    QLabel* label_pickcatagory = nullptr;
    QLabel* label_pickcatagory1 = nullptr;
    std::array<QToolButton*, 7> button_cat{};
    QLabel* image_cat = nullptr;

    QLabel* label_answer = nullptr;
    QLabel* label_fullanswer = nullptr;
    DrawerToolbar* panel_toolbar = nullptr;
    QWidget* panel_answer = nullptr;
    QLineEdit* edit_answer = nullptr;
    QLabel* label_answerlabel = nullptr;
    QListWidget* memo_myguessed = nullptr;
    QToolButton* button_pass = nullptr;
    QToolButton* button_start = nullptr;
    QWidget* button_snapshot = nullptr;
    QLabel* label_timer = nullptr;
    QLabel* image_timer = nullptr;
    QLabel* playtoscore = nullptr; // status bar
    QLabel* timeperturn = nullptr; // status bar

    QAction* StartGame1 = nullptr;
    QAction* JustWatch1 = nullptr;
    QMenu* popup_Kick = nullptr;
    QAction* removefromgame1 = nullptr;
    QAction* SettoJustWatch1 = nullptr;
    QAction* UnsetJustWatch1 = nullptr;

    ChatLog* mainchat = nullptr;
    WinnerPanel* winner = nullptr;
    BoardController* board = nullptr;
    GameStartForm* gamestartform = nullptr;
    Tspylist* spylist = nullptr;
    SoundCues* sounds = nullptr;
};

// What the board's top lines and the status strip read before any game.
inline const QString kGreetingLine = QStringLiteral("Welcome To");
inline const QString kTitleLine = QStringLiteral("Pictova By Quorix Software");
// The status strip's captions, before any game (from the start form's choices) and during one.
inline const QString kPlayToCaption = QStringLiteral("Play to score: %1");
inline const QString kTimeCaption = QStringLiteral("Time per turn: %1");

// The category buttons from the top of the pick panel down.
inline constexpr int kCategoryButtonOrder[7] = {0, 6, 1, 3, 4, 5, 2};

} // namespace pictova
