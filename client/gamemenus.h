#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;

namespace pictova {
class LiveTexts;
}

namespace pictova {

// The game window's menu bar and the seat menu; each item says what the player asked for.
class GameMenus : public QObject
{
    Q_OBJECT
public:
    explicit GameMenus(QMainWindow* window);

    QMenu* viewMenu() const { return m_view; }
    QAction* startGame() const { return m_startGame; }
    QAction* justWatch() const { return m_justWatch; }
    QAction* playSounds() const { return m_playSounds; }
    QAction* scrollChatOff() const { return m_scrollChatOff; }
    // Ticks the chat's text size the settings hold.
    void showTextSize(int size);
    // Ticks the window's language the settings hold; empty for the system's.
    void showUiLanguage(const QString& code);
    QList<QAction*> languageItems() const { return m_languages; }

    QMenu* seatMenu() const { return m_seatMenu; }
    QAction* removeFromGame() const { return m_removeFromGame; }
    // In a listed room: a vote to remove the player (shown only there).
    QAction* voteToRemove() const { return m_voteToRemove; }
    QAction* setToJustWatch() const { return m_setToJustWatch; }
    QAction* unsetJustWatch() const { return m_unsetJustWatch; }

signals:
    void hostRequested();
    void joinRequested();
    void inviteRequested();
    void startRequested();
    void exitRequested();
    void playSoundsToggled();
    void textColourRequested();
    void textSizeChosen(int size);
    void actionColourRequested();
    void clearChatRequested();
    // The tick follows the server's confirmation, not the click.
    void justWatchRequested();
    void snapshotsRequested();
    void albumRequested();
    void spectatorsRequested();
    void phraseListsRequested();
    void helpRequested();
    void aboutRequested();
    // A code of kUiLanguages, or empty for the system's language.
    void uiLanguageChosen(const QString& code);

private:
    void buildLanguageMenu(QMenu* options);
    QAction* item(QMenu* menu, const QString& name, const char* text, void (GameMenus::*signal)());

    LiveTexts* m_texts = nullptr;
    QMenu* m_view = nullptr;
    QAction* m_startGame = nullptr;
    QAction* m_justWatch = nullptr;
    QAction* m_playSounds = nullptr;
    QAction* m_scrollChatOff = nullptr;
    QList<QAction*> m_textSizes;
    QList<QAction*> m_languages;
    QMenu* m_seatMenu = nullptr;
    QAction* m_removeFromGame = nullptr;
    QAction* m_voteToRemove = nullptr;
    QAction* m_setToJustWatch = nullptr;
    QAction* m_unsetJustWatch = nullptr;
};

} // namespace pictova
