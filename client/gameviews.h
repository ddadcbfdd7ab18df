#pragma once

#include <QWidget>

namespace pictova {

class AnswerPanel;
class BoardCanvas;
class BoardHeader;
class BoardView;
class CategoryChooser;
class ChatInput;
class ChatLog;
class ClientSession;
class DrawerToolbar;
class PhraseButtons;
class SeatPanelView;
class WinnerPanel;

// The size of the game window's inside, under the menu bar, at 100 % and by default: the board
// at 533 by 369 pixels.
inline constexpr int kWindowWidth = 784;
inline constexpr int kWindowHeight = 518;

// The game window's inside, `clientarea`: the board's column (the header, the board with the
// category chooser and the winner over it, the answer field or the drawer's tools) beside the
// chat's column (the seats, the phrase buttons, the chat). The board takes whatever room the
// window has beyond what the text and controls need.
class GameViews : public QWidget
{
    Q_OBJECT
public:
    explicit GameViews(ClientSession& session, QWidget* parent = nullptr);

    BoardHeader& header() const { return *m_header; }
    SeatPanelView& seatPanel() const { return *m_seats; }
    BoardView& boardView() const { return *m_board; }
    BoardCanvas* canvas() const;
    CategoryChooser& categoryChooser() const { return *m_chooser; }
    WinnerPanel& winner() const { return *m_winner; }
    AnswerPanel& answerPanel() const { return *m_answer; }
    DrawerToolbar& toolbar() const { return *m_toolbar; }
    PhraseButtons& phraseButtons() const { return *m_phrases; }
    ChatLog& chatLog() const { return *m_log; }
    ChatInput& chatInput() const { return *m_input; }

    // The pictures drawn afresh for the window's UI scale and screen.
    void drawPictures(qreal scale);
    // The guesses of the last turn go; the board is cleared by its controller.
    void clearGuesses();

protected:
    // Pictures with words on them (the category banners, Start and Pass) follow the language.
    void changeEvent(QEvent* event) override;

private:
    qreal m_pictureScale = 1.0;
    void layOut();

    BoardHeader* m_header;
    SeatPanelView* m_seats;
    BoardView* m_board;
    CategoryChooser* m_chooser;
    WinnerPanel* m_winner;
    AnswerPanel* m_answer;
    DrawerToolbar* m_toolbar;
    PhraseButtons* m_phrases;
    ChatLog* m_log;
    ChatInput* m_input;
};

} // namespace pictova
