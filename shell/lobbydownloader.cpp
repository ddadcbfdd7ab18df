#include "shell/lobbydownloader.h"

#include "messaging/errors.h"
#include "shell/apppaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace pictova {

namespace {

QString aborted()
{
    return QCoreApplication::translate("pictova::LobbyDownloader", "Download Aborted");
}

QString startFailed()
{
    return QCoreApplication::translate("pictova::LobbyDownloader", "An Error has Occurred.");
}

QString noLobby()
{
    return QCoreApplication::translate("pictova::LobbyDownloader",
                                       "Please close the game and open the Quorix Lobby using the icon on "
                                       "your desktop or using the your Window's "
                                       "start-up menu.");
}

QString complete()
{
    return QCoreApplication::translate("pictova::LobbyDownloader", "Download Complete");
}

} // namespace

LobbyDownloader::LobbyDownloader(QObject* parent) : QObject(parent), m_url(defaultUrl())
{
    connect(&m_http, &HttpDownload::headerLine, this, [this] { setInfo(m_info + QLatin1Char('.')); });
    connect(&m_http, &HttpDownload::documentBegin, this, [this] {
        m_phase = tr("Downloading: %1").arg(m_fileName);
        emit changed();
    });
    connect(&m_http, &HttpDownload::documentData, this,
            [this](qint64 total) { setInfo(tr("%1 bytes").arg(total)); });
    connect(&m_http, &HttpDownload::finished, this, [this](bool ok, int, const QString&) { ended(ok); });
}

LobbyDownloader::~LobbyDownloader()
{
    // The transfer must stop writing before the file goes.
    m_http.blockSignals(true);
    m_http.abort();
}

QString LobbyDownloader::defaultUrl()
{
    const QString overridden = qEnvironmentVariable("PICTOVA_LOBBY_URL");
    return overridden.isEmpty() ? QString::fromLatin1(kDefaultUrl) : overridden;
}

QString LobbyDownloader::fileNameFromUrl(const QString& url)
{
    const QString path = QUrl(url).path();
    // Only the last part, never "..": the server's choice of name must not pick our folder.
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('\\')))
        return QStringLiteral("download");
    return name;
}

QString LobbyDownloader::folderPath() const
{
    return m_folder.isEmpty() ? dataFolder() : m_folder;
}

QString LobbyDownloader::filePath() const
{
    return QDir(folderPath()).filePath(m_fileName);
}

void LobbyDownloader::setInfo(const QString& text)
{
    m_info = text;
    emit changed();
}

void LobbyDownloader::download()
{
    if (m_http.isRunning())
        return;
    m_state = Started;
    m_fileName = fileNameFromUrl(m_url);
    m_saved.clear();
    auto file = std::make_unique<QSaveFile>(filePath());
    // Only a rename into place counts: never write straight into the target.
    file->setDirectWriteFallback(false);
    if (!file->open(QIODevice::WriteOnly)) {
        emit changed();
        reportError(tr("Cannot create file %1").arg(QDir::toNativeSeparators(filePath())));
        return;
    }
    m_file = std::move(file);
    m_getEnabled = false;
    m_abortEnabled = true;
    m_info = tr("Loading");
    emit changed();
    if (!m_http.start(m_url, m_file.get()))
        ended(false);
}

void LobbyDownloader::stop()
{
    // Ending a running download reports its end through `ended`, after the texts below, so the
    // status line finishes on "Download Aborted".
    m_info = tr("Download has been aborted.");
    m_state = Stopped;
    m_phase = aborted();
    emit changed();
    m_http.abort();
}

void LobbyDownloader::ended(bool ok)
{
    const QString path = filePath();
    if (ok && m_file && m_state != Stopped) {
        const qint64 size = m_file->size();
        if (m_file->commit()) {
            m_info = tr("Received %1 bytes").arg(size);
            m_phase = complete();
            const QString shownPath = QDir::toNativeSeparators(path);
            m_saved = (HttpDownload::isSecure(m_url)
                           ? tr("Saved to %1. Check it before you run it.")
                           : tr("Saved to %1 (fetched over plain http: anyone on the way could have "
                                "changed it). Check it before you run it."))
                          .arg(shownPath);
        } else {
            m_info = tr("Download Aborted: the file could not be saved");
            m_state = Stopped;
        }
    } else {
        const QString why = m_http.failureText();
        m_info = why.isEmpty() ? aborted() : tr("Download Aborted: %1").arg(why);
        m_state = Stopped;
    }
    m_getEnabled = true;
    m_abortEnabled = false;
    // Without a commit the partial file is removed here.
    m_file.reset();
    emit changed();
}

void LobbyDownloader::showInFolder()
{
    if (m_saved.isEmpty())
        return;
    if (!m_opener || !m_opener(QUrl::fromLocalFile(folderPath()))) {
        if (m_message)
            m_message(startFailed());
    }
}

bool LobbyDownloader::lobbyInstalled() const
{
    return QFileInfo::exists(m_lobbyPath);
}

void LobbyDownloader::openLobby()
{
    if (!lobbyInstalled()) {
        if (m_message)
            m_message(noLobby());
        return;
    }
    // A lobby that will not start must not take the game down with it.
    if (!m_launcher || !m_launcher(m_lobbyPath)) {
        if (m_message)
            m_message(startFailed());
        return;
    }
    emit closeGameRequested();
}

} // namespace pictova
