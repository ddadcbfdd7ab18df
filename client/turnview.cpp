#include "client/turnview.h"

#include "board/boardcontroller.h"
#include "board/drawertoolbar.h"
#include "client/gameview.h"
#include "client/model/gamemodel.h"
#include "client/spylist.h"
#include "client/winnerpanel.h"
#include "messaging/peertext.h"
#include "resources/artwork.h"
#include "shell/designscale.h"
#include "shell/gamestartform.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace pictova {

TurnView::TurnView(const GameModel& model, GameView& view, QObject* parent)
    : QObject(parent), m_model(model), m_view(view)
{
    connect(&model, &GameModel::phaseChanged, this, &TurnView::showPhase);
    connect(&model, &GameModel::hintChanged, this, [this] { m_view.label_answer->setText(m_model.hint()); });
    connect(&model, &GameModel::fullAnswerChanged, this,
            [this] { m_view.label_fullanswer->setText(m_model.fullAnswer()); });
    connect(&model, &GameModel::categoryChanged, this, &TurnView::showCategory);
    connect(&model, &GameModel::settingsChanged, this, &TurnView::showSettings);
    connect(&model, &GameModel::passOfferedChanged, this,
            [this] { m_view.button_pass->setVisible(m_model.passOffered()); });
    connect(&model, &GameModel::startOfferedChanged, this, &TurnView::showStartOffer);
    connect(&model, &GameModel::turnCaptionChanged, this,
            [this] { m_view.button_snapshot->setVisible(!m_model.turnCaption().isEmpty()); });
    connect(&model, &GameModel::gameMasterChanged, this, [this] {
        if (m_view.spylist)
            m_view.spylist->setRemovalEnabled(m_model.isGameMaster());
    });
}

void TurnView::showPhase()
{
    switch (m_model.phase()) {
    case GamePhase::NoGame:
        break;
    case GamePhase::Break:
        m_view.winner->hideAndStop();
        m_view.panel_answer->hide();
        break;
    case GamePhase::Picking:
        showPicking();
        break;
    case GamePhase::Drawing:
        showDrawing();
        break;
    case GamePhase::Won:
        m_view.winner->showWinner(m_model.winner());
        m_view.label_turn->setText(peertext::isolated(m_model.winner()) + QStringLiteral(" won the game!"));
        break;
    }
}

void TurnView::resetCategoryButtons()
{
    for (QToolButton* button : m_view.button_cat) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

void TurnView::showPicking()
{
    m_view.winner->hideAndStop();
    resetCategoryButtons();
    // The last turn is over for everyone: its word, drawing and tools go while the next drawer
    // chooses.
    hideTurnTools();
    if (m_view.board)
        m_view.board->startTurn();
    const bool choosing = m_model.drawer() == m_model.mySeat();
    m_view.label_turn->setText(choosing ? QStringLiteral("Your turn to choose a category")
                                        : m_model.seatName(m_model.drawer()) +
                                              QStringLiteral(" is choosing a category"));
    if (!choosing)
        return;
    m_view.label_pickcatagory->setText(QStringLiteral("Your turn to"));
    m_view.label_pickcatagory1->setText(QStringLiteral("choose a category"));
    m_view.panel_pickcatagory->show();
    m_view.panel_pickcatagory->raise();
}

void TurnView::showDrawing()
{
    GameView& v = m_view;
    v.winner->hideAndStop();
    v.panel_pickcatagory->hide();
    const bool drawing = m_model.isDrawing();
    v.label_turn->setText(drawing ? QStringLiteral("Your turn to draw")
                                  : m_model.seatName(m_model.drawer()) + QStringLiteral("'s turn to draw."));
    v.label_fullanswer->setVisible(drawing);
    if (v.panel_toolbar)
        v.panel_toolbar->setVisible(drawing);
    v.panel_answer->setVisible(!drawing);
    if (!drawing) {
        const bool player = m_model.mySeat() <= kPlayerSeats;
        v.edit_answer->setVisible(player);
        v.label_answerlabel->setVisible(player);
        // Ready to type a guess, unless the player is in the middle of a chat line.
        auto* typing = qobject_cast<QLineEdit*>(v.edit_answer->window()->focusWidget());
        if (player && (!typing || typing->text().isEmpty()))
            v.edit_answer->setFocus();
    }
}

void TurnView::hideTurnTools()
{
    m_view.label_fullanswer->hide();
    if (m_view.panel_toolbar)
        m_view.panel_toolbar->hide();
    m_view.panel_answer->hide();
}

void TurnView::showCategory()
{
    const int category = m_model.category();
    m_view.image_cat->setPixmap(
        category >= 0 && category <= 6
            ? design::picture(m_view.image_cat,
                              [category](qreal scale) { return artwork::categoryBannerAt(category, scale); })
            : QPixmap());
}

void TurnView::showSettings()
{
    if (m_model.settingsAnnouncement() == SettingsAnnouncement::None) {
        showChosenSettings();
        return;
    }
    const bool started = m_model.settingsAnnouncement() == SettingsAnnouncement::GameStart;
    // Every copy words the figures alike, whether it saw the game start or caught up with it.
    m_view.playtoscore->setText(kPlayToCaption.arg(m_model.playTo()));
    m_view.timeperturn->setText(kTimeCaption.arg(m_model.secondsPerTurn()));
    if (!started)
        return;
    // A new game: nothing of the last one stays on the board or in the status.
    hideTurnTools();
    m_view.label_turn->clear();
    if (m_view.board)
        m_view.board->startTurn();
    if (m_view.gamestartform)
        m_view.gamestartform->setAnnounced(m_model.playTo(), m_model.secondsPerTurn());
    m_view.JustWatch1->setEnabled(!m_model.teamGame());
}

void TurnView::showChosenSettings()
{
    if (m_model.settingsAnnouncement() != SettingsAnnouncement::None)
        return;
    // No game announced yet: the strip shows what a game started now would use, the start
    // dialog's values (a newcomer's countdown takes its time from there too).
    const StartChoices chosen = m_view.gamestartform ? m_view.gamestartform->choices() : StartChoices{};
    m_view.playtoscore->setText(kPlayToCaption.arg(chosen.playto));
    m_view.timeperturn->setText(kTimeCaption.arg(chosen.seconds));
}

void TurnView::showStartOffer()
{
    m_view.button_start->setVisible(m_model.startOffered());
    m_view.StartGame1->setEnabled(m_model.startMenuEnabled());
}

} // namespace pictova
