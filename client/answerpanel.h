#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;

namespace pictova {

// Where a guesser types answers and sees the guesses made this turn, `panel_answer`.
class AnswerPanel : public QWidget
{
    Q_OBJECT
public:
    // A long turn of guesses stays bounded; the oldest go first.
    static constexpr int kMaxGuessLines = 500;

    explicit AnswerPanel(QWidget* parent = nullptr);

    void addGuessLine(const QString& line);
    void clearGuesses();
    // Shown for a guesser: players get the field (and the focus, unless they are typing a chat
    // line); watchers only see the guesses.
    void showForGuesser(bool player);

    QLineEdit* field() const { return m_field; }
    QLabel* caption() const { return m_caption; }
    QListWidget* guesses() const { return m_guesses; }

signals:
    // Return in the field; the field empties once the guess is sent.
    void guessEntered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_caption;
    QLineEdit* m_field;
    QListWidget* m_guesses;
};

} // namespace pictova
