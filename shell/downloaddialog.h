#pragma once

#include "shell/lobbydownloader.h"

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

namespace pictova {

// The window that offers a solo player the Quorix Lobby: download its installer, play on
// alone, or play with others: close the game and open the installed lobby, or, where there is no
// lobby, join a game from the game window.
class DownloadDialog : public QWidget
{
    Q_OBJECT
public:
    explicit DownloadDialog(QWidget* parent = nullptr);

    LobbyDownloader& downloader() { return m_downloader; }

    void startDownload();
    void stopDownload();
    void playSolo();
    void playWithOthers();
    void showSavedFile();

signals:
    void closeGameRequested();
    // "Play with Others" without the lobby program: the player joins a game from the window.
    void joinRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showState();
    void fitToText();

    LobbyDownloader m_downloader;
    QLabel* m_advert;
    QLabel* m_infolabel;
    QLabel* m_infolabel2;
    QLabel* m_infolabel3;
    QPushButton* m_getbutton;
    QPushButton* m_abortbutton;
    // Shown over the foot of the advert once a file is saved: where it is, and its folder.
    QFrame* m_savedPanel;
    QLabel* m_savedLabel;
    bool m_placed = false;
};

} // namespace pictova
