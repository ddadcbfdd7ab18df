#include "client/application.h"

#include "board/snapshotviewer.h"
#include "chat/phraseeditor.h"
#include "client/gameviews.h"
#include "client/gamewindow.h"
#include "client/spectatorlist.h"
#include "messaging/tsock.h"
#include "shell/about.h"
#include "shell/apppaths.h"
#include "shell/downloaddialog.h"
#include "shell/errorbox.h"
#include "shell/gamestartform.h"
#include "shell/help.h"
#include "shell/settings.h"
#include "shell/singleinstance.h"
#include "translations/uilanguage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace pictova {

namespace {
// How long closed connections may take to hand their last bytes to the system at exit.
constexpr int kCloseGraceMs = 2000;

// PICTOVA_REPORT_STARTUP=1: the start-up benchmark learns on stderr when the game window first
// paints.
class FirstPaintReport : public QObject
{
public:
    explicit FirstPaintReport(const QElapsedTimer& started) : m_started(started) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            std::fprintf(stderr, "pictova: window shown %lld ms into main\n",
                         static_cast<long long>(m_started.elapsed()));
        }
        return false;
    }

private:
    QElapsedTimer m_started;
};
} // namespace

int runApplication(int argc, char** argv)
{
    QElapsedTimer started;
    started.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pictova"));
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance;
    if (!instance.acquire())
        return 0;

    // The player's language is in place before any window writes its texts.
    applyUiLanguage(loadUiLanguage(settingsFilePath()));

    // The windows in the order the program has always created them; only the game window shows.
    GameWindow window;
    installErrorBox(&window);
    HelpWindow help;
    AboutBox about;
    SpectatorList spectators;
    GameStartForm gamestartform;
    SnapshotViewer snapshots;
    PhraseEditor phrases(window.views().phraseButtons());
    DownloadDialog download;

    SecondaryWindows windows;
    windows.help = &help;
    windows.about = &about;
    windows.spectators = &spectators;
    windows.gamestartform = &gamestartform;
    windows.snapshots = &snapshots;
    windows.phrases = &phrases;
    windows.download = &download;
    window.attachWindows(windows);

    QObject::connect(&help, &HelpWindow::aboutRequested, &about,
                     [&window, &about] { window.presentWindow(&about); });
    QObject::connect(&instance, &SingleInstance::raiseRequested, &window, [&window] {
        if (window.isMinimized())
            window.showNormal();
        window.raise();
        window.activateWindow();
    });
    // A hosting copy's last words to its players (the game closed, and by whom) leave before the
    // process ends.
    QObject::connect(&window, &GameWindow::closing, &app,
                     [&app] { whenClosedSocketsDrained(&app, kCloseGraceMs, [] { QApplication::quit(); }); });

    FirstPaintReport firstPaint(started);
    if (qEnvironmentVariableIsSet("PICTOVA_REPORT_STARTUP"))
        window.installEventFilter(&firstPaint);
    window.show();
    return app.exec();
}

} // namespace pictova
