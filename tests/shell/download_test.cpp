#include "messaging/errors.h"
#include "shell/downloaddialog.h"
#include "shell/lobbydownloader.h"
#include "tests/shell/httpstub.h"
#include "tests/support/waitfor.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslKey>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <optional>

#include <gtest/gtest.h>

using namespace pictova;
using pictova::test::HttpStub;
using pictova::test::waitFor;

namespace {

QByteArray sampleBody(int size)
{
    QByteArray body;
    body.reserve(size);
    for (int i = 0; i < size; ++i)
        body.append(static_cast<char>((i * 7 + i / 251) & 0xFF));
    return body;
}

// A certificate for 127.0.0.1 that no authority signed, made fresh for the test run.
std::optional<QSslConfiguration> selfSignedTls(const QString& folder)
{
    const QString openssl = QStandardPaths::findExecutable("openssl");
    if (openssl.isEmpty())
        return std::nullopt;
    const QString certPath = folder + "/cert.pem";
    const QString keyPath = folder + "/key.pem";
    QProcess make;
    make.start(openssl, {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                         "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1", "-addext",
                         "subjectAltName=IP:127.0.0.1", "-keyout", keyPath, "-out", certPath});
    if (!make.waitForFinished(30000) || make.exitCode() != 0)
        return std::nullopt;
    QFile certFile(certPath);
    QFile keyFile(keyPath);
    if (!certFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QSslCertificate cert(certFile.readAll(), QSsl::Pem);
    const QSslKey key(keyFile.readAll(), QSsl::Ec, QSsl::Pem);
    if (cert.isNull() || key.isNull())
        return std::nullopt;
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(cert);
    tls.setPrivateKey(key);
    tls.setPeerVerifyMode(QSslSocket::VerifyNone);
    return tls;
}

// Everything in a folder, hidden and temporary files included.
QStringList folderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// A downloader with the desktop replaced: opening, launching and messages are only recorded.
class LobbyDownload : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_downloader.setFolder(m_folder.path());
        m_downloader.setOpener([this](const QUrl& url) {
            m_opened.append(url);
            return m_openSucceeds;
        });
        m_downloader.setLauncher([this](const QString& program) {
            m_launched.append(program);
            return m_launchSucceeds;
        });
        m_downloader.setMessageSink([this](const QString& text) { m_messages.append(text); });
        QObject::connect(&m_downloader, &LobbyDownloader::changed, [this] {
            if (m_infoTexts.isEmpty() || m_infoTexts.last() != m_downloader.infoText())
                m_infoTexts.append(m_downloader.infoText());
        });
        QObject::connect(&m_downloader, &LobbyDownloader::closeGameRequested, [this] { ++m_closeRequests; });
    }

    bool runToEnd()
    {
        return waitFor([this] { return !m_downloader.isDownloading(); }, 10000);
    }
    QByteArray fileBytes() const
    {
        QFile file(m_downloader.filePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void expectIdleButtons() const
    {
        EXPECT_TRUE(m_downloader.getEnabled());
        EXPECT_FALSE(m_downloader.abortEnabled());
    }

    QTemporaryDir m_folder;
    LobbyDownloader m_downloader;
    QList<QUrl> m_opened;
    QStringList m_launched;
    QStringList m_messages;
    QStringList m_infoTexts;
    int m_closeRequests = 0;
    bool m_openSucceeds = true;
    bool m_launchSucceeds = true;
};

TEST_F(LobbyDownload, fetchesTheInstallerWithTheExpectedRequestAndOnlyKeepsIt)
{
    const QByteArray body = sampleBody(300 * 1024);
    HttpStub server(HttpStub::Serve, body);
    m_downloader.setUrl(server.url());

    m_downloader.download();
    EXPECT_EQ(m_downloader.state(), LobbyDownloader::Started);
    EXPECT_EQ(m_downloader.fileName(), "zvmsetup.exe");
    EXPECT_FALSE(m_downloader.getEnabled());
    EXPECT_TRUE(m_downloader.abortEnabled());
    ASSERT_TRUE(runToEnd());

    const QByteArray request = server.request();
    // Qt's HTTP client asks in HTTP/1.1 (with "Connection: close": one request a connection).
    EXPECT_TRUE(request.startsWith("GET /lobby/zvmsetup.exe HTTP/1.1\r\n")) << request.constData();
    EXPECT_TRUE(request.contains("\r\nConnection: close\r\n")) << request.constData();
    EXPECT_TRUE(request.contains("\r\nUser-Agent: Mozilla/3.0 (compatible)\r\n")) << request.constData();
    EXPECT_TRUE(request.contains("\r\nAccept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n"))
        << request.constData();
    EXPECT_EQ(request.count("Accept:"), 1);

    EXPECT_EQ(fileBytes(), body);
    EXPECT_EQ(folderEntries(m_folder.path()), QStringList{"zvmsetup.exe"});
    // One dot per header line of the reply, then the running count of body bytes.
    ASSERT_GE(m_infoTexts.size(), 5);
    EXPECT_EQ(m_infoTexts.mid(0, 4), QStringList({"Loading", "Loading.", "Loading..", "Loading..."}));
    EXPECT_TRUE(m_infoTexts.contains(QString::number(body.size()) + " bytes"));
    EXPECT_EQ(m_downloader.infoText(), QString("Received %1 bytes").arg(body.size()));
    EXPECT_EQ(m_downloader.phaseText(), "Download Complete");
    expectIdleButtons();

    // Nothing is opened or run, and the game stays.
    EXPECT_TRUE(m_opened.isEmpty());
    EXPECT_TRUE(m_launched.isEmpty());
    EXPECT_EQ(m_closeRequests, 0);
    EXPECT_TRUE(m_messages.isEmpty());
    ASSERT_TRUE(m_downloader.hasSavedFile());
    EXPECT_EQ(m_downloader.savedText(),
              "Saved to " + m_downloader.filePath() +
                  " (fetched over plain http: anyone on the way could have changed it). Check it "
                  "before you run it.");

    // The folder is offered, never the file.
    m_downloader.showInFolder();
    EXPECT_EQ(m_opened, QList<QUrl>{QUrl::fromLocalFile(m_folder.path())});
    EXPECT_EQ(m_closeRequests, 0);
    EXPECT_EQ(fileBytes(), body);
}

TEST_F(LobbyDownload, aFolderTheDesktopCannotOpenLeavesTheGameRunning)
{
    m_openSucceeds = false;
    HttpStub server(HttpStub::Serve, sampleBody(1000));
    m_downloader.setUrl(server.url());
    m_downloader.showInFolder(); // nothing saved yet: nothing to show
    EXPECT_TRUE(m_opened.isEmpty());
    m_downloader.download();
    ASSERT_TRUE(runToEnd());
    EXPECT_TRUE(m_opened.isEmpty());
    m_downloader.showInFolder();
    EXPECT_EQ(m_opened.size(), 1);
    EXPECT_EQ(m_messages, QStringList{"An Error has Occurred."});
    EXPECT_EQ(m_closeRequests, 0);
    expectIdleButtons();
}

TEST_F(LobbyDownload, failedDownloadsEndAbortedWithTheReasonAndLeaveNoFile)
{
    struct Case
    {
        const char* name;
        HttpStub::Mode mode;
        const char* status;
    };
    for (const Case& c : {Case{"404", HttpStub::NotFound, "Download Aborted: HTTP 404 Not Found"},
                          Case{"closed early", HttpStub::CloseEarly,
                               "Download Aborted: the server closed the connection early"}}) {
        SCOPED_TRACE(c.name);
        HttpStub server(c.mode, sampleBody(5000));
        m_downloader.setUrl(server.url());
        m_downloader.download();
        ASSERT_TRUE(runToEnd());
        EXPECT_EQ(m_downloader.infoText(), c.status);
        EXPECT_EQ(m_downloader.state(), LobbyDownloader::Stopped);
        EXPECT_FALSE(m_downloader.hasSavedFile());
        expectIdleButtons();
        EXPECT_TRUE(m_opened.isEmpty());
        EXPECT_EQ(m_closeRequests, 0);
        EXPECT_EQ(folderEntries(m_folder.path()), QStringList{});
    }
}

TEST_F(LobbyDownload, aFailedDownloadKeepsAnEarlierCompleteCopyWhole)
{
    const QByteArray body = sampleBody(4000);
    {
        HttpStub server(HttpStub::Serve, body);
        m_downloader.setUrl(server.url());
        m_downloader.download();
        ASSERT_TRUE(runToEnd());
        ASSERT_TRUE(m_downloader.hasSavedFile());
    }
    HttpStub server(HttpStub::CloseEarly, sampleBody(300));
    m_downloader.setUrl(server.url());
    m_downloader.download();
    EXPECT_FALSE(m_downloader.hasSavedFile()); // the old notice goes with the new start
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(m_downloader.state(), LobbyDownloader::Stopped);
    EXPECT_FALSE(m_downloader.hasSavedFile());
    EXPECT_EQ(fileBytes(), body);
    EXPECT_EQ(folderEntries(m_folder.path()), QStringList{"zvmsetup.exe"});
}

TEST_F(LobbyDownload, followsUpToFiveRedirectsAndNoMore)
{
    const QByteArray body = sampleBody(1000);
    HttpStub server(HttpStub::Hops, body);
    for (const auto& [hops, status] :
         {std::pair{5, QString("Received 1000 bytes")},
          std::pair{6, QString("Download Aborted: Number of redirects hit maximum amount")}}) {
        SCOPED_TRACE(hops);
        m_downloader.setUrl(server.url(QString("/hop/%1").arg(hops)));
        m_downloader.download();
        ASSERT_TRUE(runToEnd());
        EXPECT_EQ(m_downloader.infoText(), status);
    }
    EXPECT_EQ(folderEntries(m_folder.path()), QStringList{"5"});
    QFile saved(m_folder.filePath("5"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), body);
}

TEST_F(LobbyDownload, anUnreachableServerEndsAbortedWithTheReason)
{
    quint16 closedPort;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    m_downloader.setUrl(QString("http://127.0.0.1:%1/lobby/zvmsetup.exe").arg(closedPort));
    m_downloader.download();
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(m_downloader.infoText(), "Download Aborted: connection refused");
    EXPECT_TRUE(m_opened.isEmpty());
    EXPECT_EQ(folderEntries(m_folder.path()), QStringList{});
    expectIdleButtons();
}

TEST_F(LobbyDownload, httpsToAServerWithAnUntrustedCertificateIsRefused)
{
    QTemporaryDir certFolder;
    ASSERT_TRUE(certFolder.isValid());
    const std::optional<QSslConfiguration> tls = selfSignedTls(certFolder.path());
    if (!tls)
        GTEST_SKIP() << "openssl cannot make a test certificate here";
    HttpStub server(HttpStub::Serve, sampleBody(1000), *tls);
    ASSERT_TRUE(server.url().startsWith("https://127.0.0.1:"));
    m_downloader.setUrl(server.url());
    m_downloader.download();
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(m_downloader.infoText(), "Download Aborted: the server's certificate is not trusted");
    EXPECT_EQ(m_downloader.state(), LobbyDownloader::Stopped);
    // The handshake was tried and the request never sent.
    EXPECT_GE(server.handshakes(), 1);
    EXPECT_TRUE(server.request().isEmpty());
    EXPECT_TRUE(m_opened.isEmpty());
    EXPECT_FALSE(m_downloader.hasSavedFile());
    EXPECT_EQ(folderEntries(m_folder.path()), QStringList{});
}

TEST_F(LobbyDownload, stopEndsAHangingDownloadAtOnce)
{
    HttpStub server(HttpStub::Silent);
    m_downloader.setUrl(server.url());
    m_downloader.download();
    ASSERT_TRUE(waitFor([&] { return server.request().contains("\r\n\r\n"); }));

    m_downloader.stop();
    EXPECT_FALSE(m_downloader.isDownloading());
    EXPECT_EQ(m_downloader.infoText(), "Download Aborted: aborted on request");
    EXPECT_EQ(folderEntries(m_folder.path()), QStringList{});
    EXPECT_EQ(m_downloader.phaseText(), "Download Aborted");
    EXPECT_EQ(m_downloader.state(), LobbyDownloader::Stopped);
    EXPECT_TRUE(m_infoTexts.contains("Download has been aborted."));
    expectIdleButtons();
    EXPECT_TRUE(waitFor([&] { return !server.clientConnected(); }));
    EXPECT_TRUE(m_opened.isEmpty());
    EXPECT_EQ(m_closeRequests, 0);
}

TEST_F(LobbyDownload, stopBeforeAnyDownloadOnlySetsTheTextsAndAFollowingDownloadWorks)
{
    m_downloader.stop();
    EXPECT_EQ(m_downloader.infoText(), "Download has been aborted.");
    EXPECT_EQ(m_downloader.phaseText(), "Download Aborted");
    EXPECT_EQ(m_downloader.state(), LobbyDownloader::Stopped);

    HttpStub server(HttpStub::Serve, sampleBody(100));
    m_downloader.setUrl(server.url());
    m_downloader.download();
    EXPECT_EQ(m_downloader.state(), LobbyDownloader::Started);
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(m_downloader.infoText(), "Received 100 bytes");
    EXPECT_TRUE(m_downloader.hasSavedFile());
    EXPECT_TRUE(m_opened.isEmpty());
}

TEST_F(LobbyDownload, aFileThatCannotBeCreatedIsReportedBeforeAnythingChanges)
{
    QStringList errors;
    setErrorReporter([&](const QString& text) { errors.append(text); });
    HttpStub server(HttpStub::Serve, sampleBody(100));
    m_downloader.setFolder(m_folder.filePath("no/such/folder"));
    m_downloader.setUrl(server.url());
    m_downloader.download();
    setErrorReporter(nullptr);

    EXPECT_EQ(errors, QStringList{"Cannot create file " + m_folder.filePath("no/such/folder/zvmsetup.exe")});
    EXPECT_FALSE(m_downloader.isDownloading());
    EXPECT_TRUE(m_downloader.getEnabled());
    // The next download, into a folder that exists, is the first to reach the server.
    m_downloader.setFolder(m_folder.path());
    m_downloader.download();
    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(fileBytes(), sampleBody(100));
    EXPECT_EQ(server.connections(), 1);
}

TEST_F(LobbyDownload, playWithOthersStartsAnInstalledLobbyOnly)
{
    const QString lobby = m_folder.filePath("QuorixLobby");
    m_downloader.setLobbyPath(lobby);
    m_downloader.openLobby();
    EXPECT_EQ(m_messages,
              QStringList{"Please close the game and open the Quorix Lobby using the icon on your desktop "
                          "or using the your Window's start-up menu."});
    EXPECT_TRUE(m_launched.isEmpty());
    EXPECT_EQ(m_closeRequests, 0);

    QFile file(lobby);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    m_messages.clear();
    m_launchSucceeds = false;
    m_downloader.openLobby();
    EXPECT_EQ(m_launched, QStringList{lobby});
    EXPECT_EQ(m_messages, QStringList{"An Error has Occurred."});
    EXPECT_EQ(m_closeRequests, 0);

    m_launchSucceeds = true;
    m_downloader.openLobby();
    EXPECT_EQ(m_closeRequests, 1);
}

TEST(LobbyDownloadNames, fileNameIsTheLastPathPartAndNeverLeavesTheFolder)
{
    EXPECT_EQ(LobbyDownloader::fileNameFromUrl("http://host/lobby/zvmsetup.exe"), "zvmsetup.exe");
    EXPECT_EQ(LobbyDownloader::fileNameFromUrl("http://host/lobby/"), "download");
    EXPECT_EQ(LobbyDownloader::fileNameFromUrl("http://host/lobby/.."), "download");
    EXPECT_EQ(LobbyDownloader::fileNameFromUrl("http://host/a/%2E%2E"), "download");
    EXPECT_EQ(LobbyDownloader::fileNameFromUrl("http://host/a%2F..%2Fb"), "b");

    qputenv("PICTOVA_LOBBY_URL", "http://127.0.0.1:1/x/setup.bin");
    EXPECT_EQ(LobbyDownloader::defaultUrl(), "http://127.0.0.1:1/x/setup.bin");
    qunsetenv("PICTOVA_LOBBY_URL");
    EXPECT_EQ(LobbyDownloader::defaultUrl(), "http://lobby.quorix.example/lobby/zvmsetup.exe");
}

TEST(DownloadDialog, showsTheDownloadAndGoesOnWhileHidden)
{
    QTemporaryDir folder;
    HttpStub server(HttpStub::Serve, sampleBody(2048));
    DownloadDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Download The Quorix Lobby");
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    QStringList buttonTexts;
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        buttonTexts.append(button->text());
    for (const char* text :
         {"Download And Install The Quorix Lobby Now", "Stop Download", "Play Solo Game", "Play with Others"})
        EXPECT_TRUE(buttonTexts.contains(text)) << text;
    QStringList labelTexts;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        labelTexts.append(label->text());
    EXPECT_TRUE(labelTexts.contains(
        "Download The Quorix Lobby Now to play this  and other exciting games online with "
        "other players!"));

    QList<QUrl> opened;
    dialog.downloader().setFolder(folder.path());
    dialog.downloader().setUrl(server.url());
    dialog.downloader().setOpener([&](const QUrl& url) { return opened.append(url), true; });
    QSignalSpy closeGame(&dialog, &DownloadDialog::closeGameRequested);
    dialog.show();
    // Sized by its text and picture, not by the user.
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    auto* get = dialog.findChild<QPushButton*>("getbutton");
    auto* abort = dialog.findChild<QPushButton*>("abortbutton");
    auto* info = dialog.findChild<QLabel*>("infolabel");
    auto* info3 = dialog.findChild<QLabel*>("infolabel3");
    auto* savedPanel = dialog.findChild<QFrame*>("savedpanel");
    auto* saved = dialog.findChild<QLabel*>("savedlabel");
    auto* showFolder = dialog.findChild<QPushButton*>("showfolderbutton");
    ASSERT_TRUE(get && abort && info && info3 && savedPanel && saved && showFolder);
    EXPECT_TRUE(abort->isEnabled());
    EXPECT_FALSE(savedPanel->isVisibleTo(&dialog));

    get->click();
    EXPECT_FALSE(get->isEnabled());
    dialog.findChild<QPushButton*>("soloButton")->click(); // "Play Solo Game" only hides the window
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(waitFor([&] { return get->isEnabled(); }, 10000));
    EXPECT_EQ(info->text(), "Received 2048 bytes");
    EXPECT_EQ(info3->text(), "Download Complete");
    EXPECT_EQ(dialog.findChild<QLabel*>("infolabel2")->text(), "zvmsetup.exe");
    EXPECT_FALSE(abort->isEnabled());
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(closeGame.count(), 0);

    EXPECT_TRUE(savedPanel->isVisibleTo(&dialog));
    const QString shown = saved->text().remove(QChar(0x200B));
    EXPECT_TRUE(shown.startsWith("Saved to " + folder.filePath("zvmsetup.exe") + " (fetched over plain http"))
        << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(". Check it before you run it.")) << shown.toStdString();
    showFolder->click();
    EXPECT_EQ(opened, QList<QUrl>{QUrl::fromLocalFile(folder.path())});
    EXPECT_EQ(closeGame.count(), 0);
}

TEST(DownloadDialog, aFailureAfterASuccessShowsTheReasonAndNoSavedFile)
{
    QTemporaryDir folder;
    DownloadDialog dialog;
    dialog.downloader().setFolder(folder.path());
    dialog.downloader().setOpener([](const QUrl&) { return true; });
    auto* info = dialog.findChild<QLabel*>("infolabel");
    auto* savedPanel = dialog.findChild<QFrame*>("savedpanel");
    ASSERT_TRUE(info && savedPanel);
    {
        HttpStub server(HttpStub::Serve, sampleBody(10));
        dialog.downloader().setUrl(server.url());
        dialog.startDownload();
        ASSERT_TRUE(waitFor([&] { return !dialog.downloader().isDownloading(); }, 10000));
        EXPECT_TRUE(savedPanel->isVisibleTo(&dialog));
    }
    HttpStub server(HttpStub::NotFound);
    dialog.downloader().setUrl(server.url("/lobby/other.exe"));
    dialog.startDownload();
    ASSERT_TRUE(waitFor([&] { return !dialog.downloader().isDownloading(); }, 10000));
    EXPECT_EQ(info->text(), "Download Aborted: HTTP 404 Not Found");
    EXPECT_FALSE(savedPanel->isVisibleTo(&dialog));
    EXPECT_FALSE(QFile::exists(folder.filePath("other.exe")));
}

} // namespace

namespace pictova {
namespace {

// Without the lobby program "Play with Others" hands over to joining a game from the window;
// Escape leaves as "Play Solo Game" does.
TEST(DownloadDialog, playWithOthersJoinsWithoutTheLobbyAndEscapePlaysSolo)
{
    QTemporaryDir folder;
    DownloadDialog dialog;
    dialog.downloader().setLobbyPath(folder.filePath("QuorixLobby"));
    QStringList launched;
    dialog.downloader().setLauncher([&](const QString& path) { return launched.append(path), true; });
    QSignalSpy join(&dialog, &DownloadDialog::joinRequested);
    QSignalSpy closeGame(&dialog, &DownloadDialog::closeGameRequested);
    dialog.show();
    dialog.findChild<QPushButton*>("othersButton")->click();
    EXPECT_EQ(join.count(), 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(launched.isEmpty());

    QFile lobby(folder.filePath("QuorixLobby"));
    ASSERT_TRUE(lobby.open(QIODevice::WriteOnly));
    lobby.close();
    dialog.show();
    dialog.findChild<QPushButton*>("othersButton")->click();
    EXPECT_EQ(launched, QStringList{folder.filePath("QuorixLobby")});
    EXPECT_EQ(closeGame.count(), 1);
    EXPECT_EQ(join.count(), 1);

    dialog.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(dialog.findChild<QPushButton*>("soloButton"), &escape);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
} // namespace pictova
