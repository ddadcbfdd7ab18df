#pragma once

#include <QObject>
#include <QPointer>

namespace pictova {

class AnswerPanel;
class BoardController;
class BoardHeader;
class CategoryChooser;
class DrawerToolbar;
class GameMenus;
class GameModel;
class SeatPanelView;
class SpectatorList;
class GameStartForm;
class WinnerPanel;

// Leads the views through a turn as the model's game moves on: which of the category chooser,
// the drawer's tools, the answer field and the winner show, the turn line, the board's fresh
// start, and the game's settings in the status strip.
class TurnView : public QObject
{
    Q_OBJECT
public:
    struct Views
    {
        BoardHeader* header = nullptr;
        SeatPanelView* seats = nullptr;
        CategoryChooser* chooser = nullptr;
        AnswerPanel* answer = nullptr;
        DrawerToolbar* toolbar = nullptr;
        WinnerPanel* winner = nullptr;
        BoardController* board = nullptr;
        GameMenus* menus = nullptr;
    };
    TurnView(const GameModel& model, Views views, QObject* parent = nullptr);

    void setStartForm(GameStartForm* form);
    void setSpectatorList(SpectatorList* list);
    // Before any game: what a game started now would use, the start dialog's values.
    void showChosenSettings();
    // No turn on the board: no word, no tools, no chooser, no winner.
    void showNoTurn();

private:
    void showPhase();
    void showPicking();
    void showDrawing();
    void showSettings();
    void hideTurnTools();

    const GameModel& m_model;
    Views m_views;
    QPointer<GameStartForm> m_form;
    QPointer<SpectatorList> m_spectators;
};

} // namespace pictova
