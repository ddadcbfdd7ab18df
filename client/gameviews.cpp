#include "client/gameviews.h"

#include "board/boardcanvas.h"
#include "board/drawertoolbar.h"
#include "chat/chatinput.h"
#include "chat/chatlog.h"
#include "chat/phrasebuttons.h"
#include "client/answerpanel.h"
#include "client/boardheader.h"
#include "client/boardview.h"
#include "client/categorychooser.h"
#include "client/model/clientsession.h"
#include "client/seatpanelview.h"
#include "client/viewparts.h"
#include "client/winnerpanel.h"
#include "resources/artwork.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace pictova {

GameViews::GameViews(ClientSession& session, QWidget* parent)
    : QWidget(parent), m_header(new BoardHeader(session.model(), session.countdown(), this)),
      m_seats(new SeatPanelView(session.model(), this)), m_board(new BoardView(this)),
      m_chooser(new CategoryChooser), m_winner(new WinnerPanel), m_answer(new AnswerPanel(this)),
      m_toolbar(new DrawerToolbar(this)), m_phrases(new PhraseButtons(this)), m_log(new ChatLog(this)),
      m_input(new ChatInput(this))
{
    setObjectName(QStringLiteral("clientarea"));
    setAutoFillBackground(true);
    m_board->addCentred(m_chooser);
    m_board->addCentred(m_winner);
    m_toolbar->hide();
    // The board and the chat log follow the scale their own way.
    canvas()->setProperty("uiOwnScale", true);
    m_log->setProperty("uiOwnScale", true);
    layOut();
}

BoardCanvas* GameViews::canvas() const
{
    return m_board->canvas();
}

void GameViews::layOut()
{
    auto* boardColumn = new QWidget(this);
    boardColumn->setObjectName(QStringLiteral("panel_board"));
    // The header and the strip under the board keep their height at a scale; the board grows.
    m_header->setFixedHeight(68);
    QFrame* bottom = viewparts::panel(QStringLiteral("FlatPanel2"), boardColumn);
    bottom->setFixedHeight(77);
    auto* turnTools = new QVBoxLayout(bottom);
    turnTools->setContentsMargins(0, 0, 0, 0);
    turnTools->addWidget(m_answer);
    turnTools->addWidget(m_toolbar);
    auto* board = new QVBoxLayout(boardColumn);
    board->setContentsMargins(1, 1, 1, 0);
    board->setSpacing(0);
    board->addWidget(m_header);
    board->addSpacing(1);
    board->addWidget(m_board, 1);
    board->addWidget(bottom);

    auto* chatColumn = new QWidget(this);
    chatColumn->setObjectName(QStringLiteral("panel_chat"));
    chatColumn->setFixedWidth(247);
    m_seats->setFixedHeight(228);
    m_phrases->setFixedHeight(19);
    // Ten buttons side by side within the column, the last one not cut off.
    for (int n = 1; n <= PhraseButtons::kCount; ++n)
        m_phrases->button(n)->setFixedSize(24, 19);
    m_input->setFixedHeight(22);
    auto* chat = new QVBoxLayout(chatColumn);
    chat->setContentsMargins(1, 1, 1, 0);
    chat->setSpacing(1);
    chat->addWidget(m_seats);
    chat->addWidget(m_phrases);
    chat->addWidget(m_log, 1);
    chat->addWidget(m_input);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(boardColumn, 1);
    row->addWidget(chatColumn);
}

void GameViews::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        drawPictures(m_pictureScale);
}

void GameViews::drawPictures(qreal scale)
{
    m_pictureScale = scale;
    QPalette palette = this->palette();
    const QColor sand(0xAC, 0xAA, 0x8A);
    palette.setColor(QPalette::Window, sand);
    const QPixmap tile = viewparts::picture(this, scale, artwork::backgroundTileAt);
    if (!tile.isNull())
        palette.setBrush(QPalette::Window, QBrush(sand, tile));
    setPalette(palette);
    m_header->drawPictures(scale);
    m_seats->drawPictures(scale);
    m_chooser->drawPictures(scale);
    m_winner->setUiScale(scale);
    m_board->centreOverlays();
    for (int n = 1; n <= PhraseButtons::kCount; ++n) {
        QToolButton* button = m_phrases->button(n);
        button->setIcon(
            viewparts::picture(button, scale, [n](qreal at) { return artwork::phraseGlyphAt(n, at); }));
    }
    m_toolbar->drawGlyphs(scale, devicePixelRatioF());
    m_log->setZoom(scale);
    // A window not shown yet has no room to fit the board in: it keeps its size until then.
    if (m_board->isVisible())
        m_board->refit();
}

void GameViews::clearGuesses()
{
    m_answer->clearGuesses();
    m_toolbar->clearGuesses();
}

} // namespace pictova
