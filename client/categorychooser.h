#pragma once

#include <QFrame>
#include <array>

class QLabel;
class QToolButton;

namespace pictova {

// The panel over the board where the drawer picks the turn's category, `panel_pickcatagory`.
class CategoryChooser : public QFrame
{
    Q_OBJECT
public:
    // The category buttons from the top of the panel down.
    static constexpr int kButtonOrder[7] = {0, 6, 1, 3, 4, 5, 2};

    explicit CategoryChooser(QWidget* parent = nullptr);

    // Shown to the drawer, no button pressed.
    void showChoosing();
    void releaseButtons();
    // Puts the button up again: only the drawer picks.
    void releaseButton(int category);
    void drawPictures(qreal scale);

    QToolButton* button(int category) const { return m_buttons.at(static_cast<size_t>(category)); }
    QLabel* titleLine() const { return m_title; }
    QLabel* subtitleLine() const { return m_subtitle; }

signals:
    void categoryChosen(int category);

private:
    QLabel* m_picture;
    QLabel* m_title;
    QLabel* m_subtitle;
    std::array<QToolButton*, 7> m_buttons{};
};

} // namespace pictova
