#pragma once

#include <QDialog>
#include <QStringList>
#include <array>
#include <functional>

class QLineEdit;
class QPushButton;

namespace pictova {

class PhraseButtons;

// The phrase editor: one field per phrase button. "Done" hands the texts to the
// buttons and stores them; closing it any other way leaves the buttons as they were.
class PhraseEditor : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kMaxPhraseLength = 50;

    explicit PhraseEditor(PhraseButtons& buttons, QWidget* parent = nullptr);

    // Writes "Phrase1".."Phrase10"; may throw PictovaError when the settings cannot be written.
    void setStorePhrases(std::function<void(const QStringList&)> store) { m_storePhrases = std::move(store); }

    // "Phrase Lists": fills the fields from the buttons and shows the editor (not modal).
    void showPhrases();
    // "Done".
    void keepPhrases();

    QLineEdit* field(int n) const;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void applyBackground();

    PhraseButtons& m_buttons;
    std::function<void(const QStringList&)> m_storePhrases;
    std::array<QLineEdit*, 10> m_fields{};
    QPushButton* m_done = nullptr;
};

} // namespace pictova
