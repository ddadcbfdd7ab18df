#include "client/gamewindow.h"

#include "album/album.h"
#include "album/albumrecorder.h"
#include "board/boardcanvas.h"
#include "board/boardcontroller.h"
#include "board/drawertoolbar.h"
#include "chat/chatinput.h"
#include "chat/chatlog.h"
#include "chat/phrasebuttons.h"
#include "chat/phraseeditor.h"
#include "chat/received.h"
#include "client/answerpanel.h"
#include "client/boardview.h"
#include "client/gamechooser.h"
#include "client/gamemenus.h"
#include "client/gamestarter.h"
#include "client/gameviews.h"
#include "client/reconnectbanner.h"
#include "client/seatpanelview.h"
#include "client/soundcues.h"
#include "client/spectatorlist.h"
#include "client/turnview.h"
#include "client/uiscale.h"
#include "client/windowactions.h"
#include "client/windowprompts.h"
#include "client/windowsettings.h"
#include "messaging/catalogue.h"
#include "resources/artwork.h"
#include "shell/apppaths.h"
#include "shell/downloaddialog.h"
#include "shell/settings.h"
#include "shell/zoomsetting.h"
#include "translations/livetexts.h"
#include "translations/uilanguage.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QScreen>

namespace pictova {

GameWindow::GameWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Tchat"));
    auto* texts = new LiveTexts(this);
    texts->add([this] { setWindowTitle(tr("Pictova - Quorix Software")); });
    setWindowIcon(artwork::appIcon());
    GameModel& model = m_session.model();
    m_sounds = new SoundCues(this);
    m_views = new GameViews(m_session, this);
    setCentralWidget(m_views);
    m_menus = new GameMenus(this);
    m_scale = new UiScale(this, m_menus->viewMenu(), QSize(kWindowWidth, kWindowHeight));
    m_settings = new WindowSettings(
        model,
        {&m_views->chatLog(), &m_views->chatInput(), &m_views->phraseButtons(), m_sounds, m_menus, canvas()},
        this);
    // The server's own lines come in the language the window shows.
    m_session.setLanguage(resolvedUiLanguage(loadUiLanguage(settingsFilePath())));
    m_starter = new GameStarter(m_session, m_localHost, m_views->chatLog(), this);
    m_gameChooser = new GameChooser(
        m_session, m_localHost, &m_views->boardView(), [this] { clearForNewGame(); }, this);
    m_reconnectBanner = new ReconnectBanner(m_session, &m_views->boardView());
    m_album = new Album(this);
    m_albumRecorder = new AlbumRecorder(m_session, *m_album, this);
    m_albumRecorder->setBoardSource([this] { return canvas()->backup(); });
    m_albumRecorder->setPenPositionSource([this] { return canvas()->backupSurface().position(); });
    wireBoard();
    wireSession();
    m_actions = new WindowActions(*this);
    connect(m_scale, &UiScale::scaled, m_views, &GameViews::drawPictures);
    const QScreen* screen = this->screen();
    const std::optional<int> remembered = loadZoom(settingsFilePath());
    m_scale->setPercent(remembered ? *remembered
                                   : firstStartZoom(screen ? screen->geometry().height() : 0,
                                                    kWindowHeight + menuBar()->sizeHint().height()));
}

GameWindow::~GameWindow() = default;

BoardCanvas* GameWindow::canvas() const
{
    return m_views->canvas();
}

void GameWindow::wireBoard()
{
    GameModel& model = m_session.model();
    BoardContext board;
    board.myseat = [&model] { return model.mySeat(); };
    board.drawerseat = [&model] { return model.drawer(); };
    board.loggedin = [&model] { return model.loggedIn(); };
    board.send = [this](const QByteArray& bytes) {
        m_albumRecorder->messageSent(bytes);
        m_session.send(bytes);
    };
    board.hidePassButton = [&model] { model.setPassOffered(false); };
    board.undoOffered = [this, &model] {
        return m_session.serverFeatures().contains(feature::undo) && model.phase() == GamePhase::Drawing;
    };
    board.undoAnswered = [this] { return m_session.serverFeatures().contains(feature::undone); };
    m_board = new BoardController(canvas(), &m_views->toolbar(), board, this);
    // The album keeps the drawer's own strokes as the board made them.
    connect(m_board, &BoardController::strokeSent, m_albumRecorder, &AlbumRecorder::strokeSent);
    connect(&model, &GameModel::phaseChanged, m_board, &BoardController::refreshUndo);
    GameViews& v = *m_views;
    m_turnView = new TurnView(model,
                              {&v.header(), &v.seatPanel(), &v.categoryChooser(), &v.answerPanel(),
                               &v.toolbar(), &v.winner(), m_board, m_menus},
                              this);
    ChatContext chat;
    chat.loggedin = board.loggedin;
    chat.myseat = board.myseat;
    chat.send = [this](const QByteArray& bytes) { m_session.send(bytes); };
    v.chatInput().setContext(chat);
    v.phraseButtons().setContext(chat);
    v.phraseButtons().setActionColourSource([this] { return m_views->chatInput().actionColour(); });
}

void GameWindow::wireSession()
{
    // Messages for the board and the chat log, which are widgets of their own. The album records
    // each stroke message as the board gets it, malformed or not, so a replay draws what the board drew.
    // The strokes go as they came: a first-version server relays a drawer's typed width and any
    // number of points, past the ranges this program's server holds them to, and the board draws
    // them bounded.
    const auto chatLine = [this](const ServerNotice& n) {
        chatReceived(m_views->chatLog(), n.text(0), m_session.model().names());
    };
    m_session.routeToView(protocol::Id::chat, chatLine);
    m_session.routeToView(protocol::Id::action, chatLine);
    m_session.routeToView(cmd::draw, [this](const QString& p) {
        m_albumRecorder->strokeReceived(StrokeKind::Draw, p);
        m_board->drawit(p);
    });
    m_session.routeToView(cmd::moveit, [this](const QString& p) {
        m_albumRecorder->strokeReceived(StrokeKind::Move, p);
        m_board->moveit(p);
    });
    m_session.routeToView(protocol::Id::undone, [this](const ServerNotice& n) {
        if (const std::optional<int> stroke = m_board->undone(n.number(0), n.number(1), n.number(2)))
            m_albumRecorder->strokeTakenBack(*stroke, n.number(0));
    });
    m_session.routeToView(cmd::clearmain, [this](const QString& p) {
        m_albumRecorder->strokeReceived(StrokeKind::Clear, p);
        m_board->clearmain(p);
    });

    connect(&m_session, &ClientSession::chatLine, &m_views->chatLog(), &ChatLog::addlinetochat);
    connect(&m_session, &ClientSession::soundCue, m_sounds, &SoundCues::playsounds);
    connect(&m_session, &ClientSession::drawerGuessLine, &m_views->toolbar(), &DrawerToolbar::addGuessLine);
    connect(&m_session, &ClientSession::guesserGuessLine, &m_views->answerPanel(),
            &AnswerPanel::addGuessLine);
    connect(&m_session, &ClientSession::turnStarted, this, [this] {
        m_views->clearGuesses();
        // Clears the board and puts the brush back to black, width 3.
        m_board->startTurn();
    });
    connect(&m_session, &ClientSession::strokeAbandoned, m_board, &BoardController::cancelStroke);
    connect(&m_session, &ClientSession::ownArrival, m_settings, &WindowSettings::load);
    connect(&m_session, &ClientSession::notice, this, [this](const QString& text, bool endsGame) {
        prompts::showNotice(this, text, endsGame ? std::function<void()>([this] { close(); }) : nullptr);
    });
    connect(&m_session, &ClientSession::ended, this, &QWidget::close);
    // A game that is over for this copy leaves no turn on the board: no word, no tools, no Pass.
    // The drawing and the album stay.
    connect(&m_session, &ClientSession::connectionLost, m_turnView, &TurnView::showNoTurn);
    SeatPanelView* seats = &m_views->seatPanel();
    connect(&m_session, &ClientSession::reconnecting, seats, [seats] { seats->setAway(true); });
    const auto back = [seats] { seats->setAway(false); };
    connect(&m_session, &ClientSession::reconnected, seats, back);
    connect(&m_session, &ClientSession::joined, seats, back);
    connect(&m_session, &ClientSession::connectionLost, seats, back);
    connect(&m_session, &ClientSession::joinFailed, seats, back);
}

void GameWindow::clearForNewGame()
{
    m_albumRecorder->startAfresh();
    m_views->clearGuesses();
    m_board->startTurn();
    m_turnView->showNoTurn();
}

void GameWindow::attachWindows(const SecondaryWindows& windows)
{
    m_windows = windows;
    if (windows.spectators) {
        m_turnView->setSpectatorList(windows.spectators);
        windows.spectators->setRemover(
            [this](int seat) { WindowActions::guarded([this, seat] { m_session.removePlayer(seat); }); });
        connect(&m_session.model(), &GameModel::spectatorsChanged, windows.spectators,
                [this] { m_windows.spectators->showSpectators(m_session.model().spectators()); });
    }
    if (windows.gamestartform) {
        m_starter->setStartForm(windows.gamestartform);
        m_turnView->setStartForm(windows.gamestartform);
    }
    if (windows.phrases)
        windows.phrases->setStorePhrases(
            [](const QStringList& phrases) { savePhrases(settingsFilePath(), phrases); });
    m_starter->setDownloadWindow(windows.download);
    if (windows.download) {
        connect(windows.download, &DownloadDialog::closeGameRequested, this, &QWidget::close);
        connect(windows.download, &DownloadDialog::joinRequested, m_gameChooser,
                &GameChooser::openJoinDialog);
    }
}

void GameWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    m_scale->windowShown();
    // A window shown by a test must not take the test runner's own arguments for a command line.
    if (property("noParams").toBool())
        return;
    const QStringList params = QCoreApplication::arguments().mid(1);
    // A room's link (the desktop opens pictova:// links with the game) joins that room.
    if (params.size() == 1 && params.first().startsWith(QLatin1String("pictova://"), Qt::CaseInsensitive)) {
        m_gameChooser->joinRoomLink(params.first());
        return;
    }
    m_starter->applyCommandLine(params);
}

void GameWindow::presentWindow(QWidget* window)
{
    m_actions->presentWindow(window);
}

void GameWindow::closeEvent(QCloseEvent* event)
{
    // Closing a hosting copy ends the game for everyone in it: they are asked first.
    const int others = m_localHost.playersBesides(m_session.model().mySeat());
    if (others > 0 && !m_leavingConfirmed) {
        event->ignore();
        prompts::askToLeave(this, others, [this] {
            m_leavingConfirmed = true;
            close();
        });
        return;
    }
    m_closeRequested = true;
    // Everyone still in a hosted game is told who closed it before its connections close.
    if (m_localHost.isHosting()) {
        m_localHost.close(m_session.nameInGame());
        m_session.leaveGame();
    }
    QMainWindow::closeEvent(event);
    emit closing();
}

} // namespace pictova
