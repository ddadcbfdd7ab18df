#pragma once

#include "shell/desktop.h"
#include "shell/httpdownload.h"

#include <QObject>
#include <QSaveFile>
#include <QString>

#include <memory>

namespace pictova {

// What the lobby download dialog decides: fetching the lobby installer, its progress texts, and
// handing the installed lobby to the desktop. The dialog only shows the texts.
//
// A downloaded installer is never opened or run: it may have come over plain http, where anyone
// on the way can swap it. The player is told where it is and may open its folder.
class LobbyDownloader : public QObject
{
    Q_OBJECT
public:
    enum State { NotStarted = 0, Started = 1, Stopped = 2 };

    explicit LobbyDownloader(QObject* parent = nullptr);
    ~LobbyDownloader() override;

    static QString defaultUrl(); // PICTOVA_LOBBY_URL when set
    static constexpr const char* kDefaultUrl = "http://lobby.quorix.example/lobby/zvmsetup.exe";
    static constexpr const char* kDefaultLobbyPath = "/opt/quorix/QuorixLobby";

    void setUrl(const QString& url) { m_url = url; }
    QString url() const { return m_url; }
    void setFolder(const QString& folder) { m_folder = folder; } // empty: the game's data folder
    void setLobbyPath(const QString& path) { m_lobbyPath = path; }
    void setOpener(UrlOpener opener) { m_opener = std::move(opener); }
    void setLauncher(ProgramLauncher launcher) { m_launcher = std::move(launcher); }
    void setMessageSink(MessageSink sink) { m_message = std::move(sink); }

    // Download and keep the file; "Cannot create file <path>" goes to the error box when the
    // file cannot be made. A download that does not complete leaves no file behind.
    void download();
    void stop();
    void openLobby();
    // Whether the lobby program is there to open.
    bool lobbyInstalled() const;
    // Opens the folder that holds the downloaded file (never the file itself).
    void showInFolder();

    State state() const { return m_state; }
    QString infoText() const { return m_info; }     // infolabel
    QString fileName() const { return m_fileName; } // infolabel2
    QString phaseText() const { return m_phase; }   // infolabel3
    // After a complete download: where the file is, and a warning when it came over plain http.
    QString savedText() const { return m_saved; }
    bool hasSavedFile() const { return !m_saved.isEmpty(); }
    bool getEnabled() const { return m_getEnabled; }
    bool abortEnabled() const { return m_abortEnabled; }
    bool isDownloading() const { return m_http.isRunning(); }
    QString filePath() const;
    QString folderPath() const;

    // The last part of the URL's path, made safe to use as a file name in our folder.
    static QString fileNameFromUrl(const QString& url);

signals:
    void changed();
    // The lobby took over: the game should close.
    void closeGameRequested();

private:
    void setInfo(const QString& text);
    void ended(bool ok);

    HttpDownload m_http;
    // Written beside the target and renamed into place only when complete, so a failed download
    // leaves nothing (and an earlier complete copy stays whole).
    std::unique_ptr<QSaveFile> m_file;
    QString m_url;
    QString m_folder;
    QString m_lobbyPath = QString::fromLatin1(kDefaultLobbyPath);
    UrlOpener m_opener = openWithDesktop;
    ProgramLauncher m_launcher = launchDetached;
    MessageSink m_message;

    State m_state = NotStarted;
    QString m_info;
    QString m_fileName;
    QString m_phase;
    QString m_saved;
    bool m_getEnabled = true;
    bool m_abortEnabled = true;
};

} // namespace pictova
