#pragma once

#include <QObject>

namespace pictova {

class BoardCanvas;
class ChatInput;
class ChatLog;
class GameMenus;
class GameModel;
class PhraseButtons;
class SoundCues;

// The player's choices the window keeps in the settings file: the chat's text size and colours,
// the phrase buttons' texts, the sounds, and the snapshots' numbering.
class WindowSettings : public QObject
{
    Q_OBJECT
public:
    struct Parts
    {
        ChatLog* log = nullptr;
        ChatInput* input = nullptr;
        PhraseButtons* phrases = nullptr;
        SoundCues* sounds = nullptr;
        GameMenus* menus = nullptr;
        BoardCanvas* canvas = nullptr;
    };
    WindowSettings(const GameModel& model, Parts parts, QObject* parent = nullptr);

    void load();
    void save();
    int snapshotCounter() const { return m_snapshotCounter; }

    void setChatTextSize(int size);
    void onPlaySoundsToggled();
    void chooseTextColour();
    void chooseActionColour();
    // Shows the window in `code` (empty: the system's language) at once and remembers it.
    void chooseUiLanguage(const QString& code);
    // Saves the board of the turn just over to the snapshot folder.
    void takeSnapshot();

private:
    const GameModel& m_model;
    Parts m_parts;
    int m_snapshotCounter = 0;
};

} // namespace pictova
