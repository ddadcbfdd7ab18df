#pragma once

#include <QObject>

namespace pictova {

class GameModel;
struct GameView;

// Keeps the board's surroundings in step with the model's game: the hint and answer, the
// category, the pick panel, the drawer's tools or the answer field, the winner, the Start and
// Pass buttons, and the game's settings in the status strip.
class TurnView : public QObject
{
    Q_OBJECT
public:
    TurnView(const GameModel& model, GameView& view, QObject* parent = nullptr);

    // The category's banner, drawn for the window's zoom.
    void showCategory();
    // Before any game: what a game started now would use, the start dialog's values.
    void showChosenSettings();

private:
    void showPhase();
    void showPicking();
    void showDrawing();
    void showSettings();
    void showStartOffer();
    void resetCategoryButtons();
    void hideTurnTools();

    const GameModel& m_model;
    GameView& m_view;
};

} // namespace pictova
