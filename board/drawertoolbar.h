#pragma once

#include "messaging/colourtext.h"

#include <QWidget>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace pictova {

class ColourButton;
class FieldUpDown;

// The drawer's tools under the board, `panel_toolbar`: the guesses made this turn, the brush
// colour, the brush width and the trash button. It holds no stroke logic; the board controller
// takes the brush from its state and listens to the trash button.
class DrawerToolbar : public QWidget
{
    Q_OBJECT
public:
    // Guesses are typed by peers; the list keeps the latest ones only.
    static constexpr int kMaxGuessLines = 1000;

    explicit DrawerToolbar(QWidget* parent = nullptr);

    void addGuessLine(const QString& line);
    void clearGuesses();
    // The glyphs drawn afresh for the window's zoom on a screen of the given density.
    void drawGlyphs(qreal zoom, qreal devicePixelRatio);

    ColourValue brushColour() const;
    void setBrushColour(ColourValue colour);
    // The brush's width, none while the field holds no number.
    std::optional<int> brushWidth() const;
    QString widthText() const;
    void setWidthText(const QString& text);
    // Black and "3", as at every turn start.
    void resetBrush();
    // The Undo button (Ctrl+Z) shows only where the server takes strokes back, and is enabled
    // while there is a stroke to take back.
    void setUndoState(bool offered, bool available);

    QPlainTextEdit* memo_guessed() const { return m_guessed; }
    ColourButton* colorButton() const { return m_colour; }
    QLineEdit* penw() const { return m_width; }
    FieldUpDown* upDown1() const { return m_upDown; }
    QToolButton* clearButton() const { return m_clear; }
    QToolButton* undoButton() const { return m_undo; }

signals:
    void clearClicked();
    void undoClicked();

private:
    QPlainTextEdit* m_guessed;
    ColourButton* m_colour;
    QLineEdit* m_width;
    FieldUpDown* m_upDown;
    QToolButton* m_clear;
    QToolButton* m_undo;
    QAction* m_undoAction = nullptr;
    std::optional<int> m_brushWidth;
};

} // namespace pictova
