#pragma once

#include "resources/wordlists.h"
#include "shell/settings.h"
#include "shell/steppedrange.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pictova {

class UpDown;

// The host's start dialog. Its two fields also keep the running game's settings on every client:
// the announced score and time are written back into them.
class GameStartForm : public QWidget
{
    Q_OBJECT
public:
    explicit GameStartForm(QWidget* parent = nullptr);

    QString playtoText() const;
    QString timeText() const;
    bool teamChecked() const;

    // "Reveal letters": offered only when the game's server announced it knows the option.
    void setRevealLettersOffered(bool offered);
    bool revealLettersChecked() const;

    // "Words": the built-in words in one of kWordLanguages, or a folder of own words. Only a copy
    // that hosts the game can hand its words to its server; a joined copy sees the choice
    // disabled and why.
    void setHostsGame(bool hosts);
    // What the game window learns from a word folder: the message for the player, and whether
    // anything in it can be dealt.
    struct WordFolderCheck
    {
        QString report;
        bool usable = false;
    };
    void setWordFolderCheck(std::function<WordFolderCheck(const QString& folder)> check);
    // The folder picker (a folder chooser unless a test brings its own); empty: cancelled.
    void setFolderPicker(std::function<QString(const QString& startIn)> picker);
    // A folder was picked: it is checked, the check's message is shown, and a folder with words
    // becomes the choice (and is remembered in the settings file).
    void chooseWordFolder(const QString& folder);
    // The folder to deal from; empty for the built-in words (and in a joined game).
    QString wordFolder() const;
    // The language of the built-in words chosen last (a code of kWordLanguages): dealt when no
    // folder is chosen, and for the categories a folder has no file for.
    QString wordsLanguage() const { return m_language; }

    // A game was announced: show its values (kept within the fields' limits and steps).
    void setAnnounced(int playto, int seconds);

    // What the player chose, and the choices of an earlier run to start from (numbers are kept
    // within the fields' limits and steps).
    StartChoices choices() const;
    void setChoices(const StartChoices& choices);

    // "Start Game".
    void startGame();

signals:
    // "Start Game" was pressed; the game window sends the request from the fields.
    void startRequested();
    // Closed with its close box: no game was asked for.
    void dismissed();
    // The score or the time shown changed.
    void valuesChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitToText();
    void showValues();
    // Numbers typed into the fields count once the typing is done: kept within the fields' limits
    // and steps, or the field's value back when it holds no number.
    void takeTyped();
    void wordsChoiceActivated(int index);
    void showWordsNote();
    void loadRememberedFolder();
    // The item of the chosen language; the folder's item comes after the languages.
    int languageIndex() const;
    static constexpr int kFolderIndex = static_cast<int>(kWordLanguages.size());

    SteppedRange m_playto{20, 100, 5, 20};
    SteppedRange m_time{60, 120, 5, 120};
    QLineEdit* m_playtoscore;
    UpDown* m_playtoArrows;
    QLineEdit* m_timeperturn;
    UpDown* m_timeArrows;
    QCheckBox* m_team;
    QCheckBox* m_revealLetters;
    QComboBox* m_words;
    QLabel* m_wordsNote;
    QPushButton* m_start;
    bool m_hostsGame = true;
    bool m_rememberedLoaded = false;
    QString m_folder; // the folder in use when "From folder" is chosen
    QString m_language = QString::fromLatin1(kDefaultWordLanguage);
    int m_folderEntries = 0;
    std::function<WordFolderCheck(const QString&)> m_check;
    std::function<QString(const QString&)> m_picker;
};

} // namespace pictova
