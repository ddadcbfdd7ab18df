#include "client/turnview.h"

#include "board/boardcontroller.h"
#include "board/drawertoolbar.h"
#include "client/answerpanel.h"
#include "client/boardheader.h"
#include "client/categorychooser.h"
#include "client/gamemenus.h"
#include "client/model/gamemodel.h"
#include "client/seatpanelview.h"
#include "client/spectatorlist.h"
#include "client/winnerpanel.h"
#include "messaging/peertext.h"
#include "shell/gamestartform.h"

#include <QAction>

namespace pictova {

TurnView::TurnView(const GameModel& model, Views views, QObject* parent)
    : QObject(parent), m_model(model), m_views(views)
{
    connect(&model, &GameModel::phaseChanged, this, &TurnView::showPhase);
    connect(&model, &GameModel::settingsChanged, this, &TurnView::showSettings);
    connect(&model, &GameModel::startOfferedChanged, this,
            [this] { m_views.menus->startGame()->setEnabled(m_model.startMenuEnabled()); });
    connect(&model, &GameModel::gameMasterChanged, this, [this] {
        if (m_spectators)
            m_spectators->setRemovalEnabled(m_model.isGameMaster());
    });
}

void TurnView::setStartForm(GameStartForm* form)
{
    m_form = form;
    connect(form, &GameStartForm::valuesChanged, this, &TurnView::showChosenSettings);
    showChosenSettings();
}

void TurnView::setSpectatorList(SpectatorList* list)
{
    m_spectators = list;
}

void TurnView::showPhase()
{
    switch (m_model.phase()) {
    case GamePhase::NoGame:
        break;
    case GamePhase::Break:
        m_views.winner->hideAndStop();
        m_views.answer->hide();
        break;
    case GamePhase::Picking:
        showPicking();
        break;
    case GamePhase::Drawing:
        showDrawing();
        break;
    case GamePhase::Won:
        m_views.winner->showWinner(m_model.winner());
        m_views.seats->setTurnLine(tr("%1 won the game!").arg(peertext::isolated(m_model.winner())));
        break;
    }
}

void TurnView::showPicking()
{
    m_views.winner->hideAndStop();
    m_views.chooser->releaseButtons();
    // The last turn is over for everyone: its word, drawing and tools go while the next drawer
    // chooses.
    hideTurnTools();
    m_views.board->startTurn();
    const bool choosing = m_model.drawer() == m_model.mySeat();
    m_views.seats->setTurnLine(choosing
                                   ? tr("Your turn to choose a category")
                                   : tr("%1 is choosing a category").arg(m_model.seatName(m_model.drawer())));
    if (choosing)
        m_views.chooser->showChoosing();
}

void TurnView::showDrawing()
{
    m_views.winner->hideAndStop();
    m_views.chooser->hide();
    const bool drawing = m_model.isDrawing();
    m_views.seats->setTurnLine(drawing ? tr("Your turn to draw")
                                       : tr("%1's turn to draw.").arg(m_model.seatName(m_model.drawer())));
    m_views.header->showFullAnswer(drawing);
    m_views.toolbar->setVisible(drawing);
    if (drawing)
        m_views.answer->hide();
    else
        m_views.answer->showForGuesser(m_model.mySeat() <= kPlayerSeats);
}

void TurnView::hideTurnTools()
{
    m_views.header->showFullAnswer(false);
    m_views.toolbar->hide();
    m_views.answer->hide();
}

void TurnView::showNoTurn()
{
    hideTurnTools();
    m_views.chooser->hide();
    m_views.winner->hideAndStop();
    m_views.seats->resetForNewGame();
    m_views.header->resetForNewGame();
}

void TurnView::showSettings()
{
    if (m_model.settingsAnnouncement() == SettingsAnnouncement::None) {
        showChosenSettings();
        return;
    }
    // Every copy words the figures alike, whether it saw the game start or caught up with it.
    m_views.header->showSettings(m_model.playTo(), m_model.secondsPerTurn());
    if (m_model.settingsAnnouncement() != SettingsAnnouncement::GameStart)
        return;
    // A new game: nothing of the last one stays on the board or in the status.
    hideTurnTools();
    m_views.seats->setTurnLine({});
    m_views.board->startTurn();
    if (m_form)
        m_form->setAnnounced(m_model.playTo(), m_model.secondsPerTurn());
    m_views.menus->justWatch()->setEnabled(!m_model.teamGame());
}

void TurnView::showChosenSettings()
{
    if (m_model.settingsAnnouncement() != SettingsAnnouncement::None)
        return;
    // No game announced yet: the strip shows what a game started now would use, the start
    // dialog's values (a newcomer's countdown takes its time from there too).
    const StartChoices chosen = m_form ? m_form->choices() : StartChoices{};
    m_views.header->showSettings(chosen.playto, chosen.seconds);
}

} // namespace pictova
