#include "client/tchat.h"

#include "album/album.h"
#include "album/albumrecorder.h"
#include "album/view/albumdialog.h"
#include "board/boardcanvas.h"
#include "board/boardcontroller.h"
#include "board/drawertoolbar.h"
#include "board/snapshot.h"
#include "board/snapshotviewer.h"
#include "chat/chatinput.h"
#include "chat/chatlog.h"
#include "chat/phrasebuttons.h"
#include "chat/phraseeditor.h"
#include "chat/received.h"
#include "client/countdown.h"
#include "client/gamechooser.h"
#include "client/reconnectbanner.h"
#include "client/seatpanelview.h"
#include "client/soundcues.h"
#include "client/spylist.h"
#include "client/turnview.h"
#include "client/winnerpanel.h"
#include "messaging/catalogue.h"
#include "messaging/errors.h"
#include "messaging/wire.h"
#include "server/wordfolder.h"
#include "shell/apppaths.h"
#include "shell/designscale.h"
#include "shell/dialogzoom.h"
#include "shell/downloaddialog.h"
#include "shell/gamestartform.h"
#include "shell/settings.h"
#include "shell/zoomsetting.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <algorithm>

namespace pictova {

Tchat::Tchat(QWidget* parent) : QMainWindow(parent)
{
    m_sounds = new SoundCues(this);
    m_view.sounds = m_sounds;
    buildWindow();
    GameModel& model = m_session.model();
    m_seatPanel = new SeatPanelView(model, m_view, this);
    SeatPanelView* seatPanel = m_seatPanel;
    connect(&m_session, &ClientSession::reconnecting, seatPanel, [seatPanel] { seatPanel->setAway(true); });
    const auto back = [seatPanel] { seatPanel->setAway(false); };
    connect(&m_session, &ClientSession::reconnected, seatPanel, back);
    connect(&m_session, &ClientSession::joined, seatPanel, back);
    connect(&m_session, &ClientSession::connectionLost, seatPanel, back);
    connect(&m_session, &ClientSession::joinFailed, seatPanel, back);
    m_turnView = new TurnView(model, m_view, this);

    BoardContext board;
    board.myseat = [this] { return m_session.model().mySeat(); };
    board.drawerseat = [this] { return m_session.model().drawer(); };
    board.loggedin = [this] { return m_session.model().loggedIn(); };
    board.send = [this](const QByteArray& bytes) {
        m_albumRecorder->messageSent(bytes);
        m_session.send(bytes);
    };
    board.hidePassButton = [this] { m_session.model().setPassOffered(false); };
    board.undoOffered = [this] {
        return m_session.serverFeatures().contains(feature::undo) &&
               m_session.model().phase() == GamePhase::Drawing;
    };
    board.undoAnswered = [this] { return m_session.serverFeatures().contains(feature::undone); };
    m_view.board = new BoardController(m_canvas, m_view.panel_toolbar, board, this);
    connect(&model, &GameModel::phaseChanged, m_view.board, &BoardController::refreshUndo);
    m_album = new Album(this);
    m_albumRecorder = new AlbumRecorder(m_session, *m_album, this);
    m_albumRecorder->setBoardSource([this] { return m_canvas->backup(); });
    m_albumRecorder->setPenPositionSource([this] { return m_canvas->backupSurface().position(); });

    ChatContext chat;
    chat.loggedin = [this] { return m_session.model().loggedIn(); };
    chat.myseat = [this] { return m_session.model().mySeat(); };
    chat.send = [this](const QByteArray& bytes) { m_session.send(bytes); };
    m_mychat->setContext(chat);
    m_phrases->setContext(chat);
    m_phrases->setActionColourSource([this] { return m_mychat->actionColour(); });

    m_chooser = new GameChooser(
        m_session, m_localHost, m_drawingPanel, [this] { clearForNewGame(); }, this);
    m_reconnectBanner = new ReconnectBanner(m_session, m_drawingPanel);
    connect(m_view.button_pass, &QToolButton::clicked, this,
            [this] { guarded([this] { m_session.pass(); }); });
    connect(m_view.button_start, &QToolButton::clicked, this,
            [this] { guarded([this] { button_startClick(); }); });
    wireSession();

    // The board and the chat log follow the zoom their own way; the rest is scaled as designed.
    design::setOwnSize(m_canvas);
    design::setOwnFont(m_view.mainchat);
    m_zoom = new WindowZoom(this);
    connect(m_zoom, &WindowZoom::zoomed, this, &Tchat::zoomed);
    const std::optional<int> remembered = loadZoom(settingsFilePath());
    const QScreen* screen = this->screen();
    m_designedSize =
        QSize(centralWidget()->width(), centralWidget()->height() + menuBar()->sizeHint().height());
    m_zoomRoom = [this] {
        const QScreen* shown = this->screen();
        return shown ? shown->availableGeometry().size() : QSize();
    };
    setZoomPercent(remembered
                       ? *remembered
                       : firstStartZoom(screen ? screen->geometry().height() : 0, m_designedSize.height()));
    // At 100 % the window has nothing to change, but the other windows still take their zoom
    // from this one, not from a game window before it.
    DialogZoom::instance()->setZoom(m_zoomPercent / 100.0);
}

void Tchat::setZoomPercent(int percent)
{
    m_zoomPercent = nearestZoomStep(percent);
    for (QAction* item : std::as_const(m_zoomItems))
        item->setChecked(item->data().toInt() == m_zoomPercent);
    m_zoom->apply(m_zoomPercent / 100.0);
}

void Tchat::setZoomRoom(std::function<QSize()> room)
{
    m_zoomRoom = std::move(room);
    offerZoomSteps();
}

void Tchat::offerZoomSteps()
{
    // The window cannot be resized: a step larger than the screen would put the chat input, the
    // scores and the buttons out of reach, so only the steps that fit are offered.
    // Once the window is shown: the window manager's frame is known then.
    const QSize room = m_zoomRoom ? m_zoomRoom() : QSize();
    if (room.isEmpty() || !isVisible())
        return;
    m_offeredZoomSteps = zoomStepsThatFit(room, m_designedSize, frameGeometry().size() - geometry().size());
    for (QAction* item : std::as_const(m_zoomItems))
        item->setVisible(m_offeredZoomSteps.contains(item->data().toInt()));
    // The remembered step stays remembered for a larger screen.
    if (m_zoomPercent > m_offeredZoomSteps.last())
        setZoomPercent(m_offeredZoomSteps.last());
}

int Tchat::offeredZoomStep(int direction) const
{
    const int next = nextZoomStep(m_zoomPercent, direction);
    return m_offeredZoomSteps.isEmpty() ? next : std::min(next, m_offeredZoomSteps.last());
}

void Tchat::followScreenRoom(QScreen* screen)
{
    disconnect(m_screenRoom);
    if (screen)
        m_screenRoom =
            connect(screen, &QScreen::availableGeometryChanged, this, [this] { offerZoomSteps(); });
}

void Tchat::chooseZoom(int percent)
{
    setZoomPercent(percent);
    guarded([this] { saveZoom(settingsFilePath(), m_zoomPercent); });
}

void Tchat::zoomed(qreal zoom, qreal devicePixelRatio)
{
    m_canvas->setDisplayScale(zoom, devicePixelRatio);
    m_view.mainchat->setZoom(zoom);
    drawPictures();
    m_turnView->showCategory();
    m_view.winner->redraw();
    // The game's other windows open at this zoom and follow it.
    DialogZoom::instance()->setZoom(zoom);
}

Tchat::~Tchat() = default;

QString Tchat::gamePort()
{
    const QString port = qEnvironmentVariable("PICTOVA_PORT");
    return port.isEmpty() ? QStringLiteral("7772") : port;
}

void Tchat::wireSession()
{
    // Messages for the board and the chat log, which are widgets of their own.
    m_session.routeToView(cmd::chat, [this](const QString& p) {
        chatrecieved(*m_view.mainchat, p, m_session.model().names());
    });
    m_session.routeToView(cmd::action, [this](const QString& p) {
        chatrecieved(*m_view.mainchat, p, m_session.model().names());
    });
    // The album records each stroke message as the board gets it, malformed or not, so a replay
    // draws what the board drew.
    m_session.routeToView(cmd::draw, [this](const QString& p) {
        m_albumRecorder->strokeReceived(StrokeKind::Draw, p);
        m_view.board->drawit(p);
    });
    m_session.routeToView(cmd::moveit, [this](const QString& p) {
        m_albumRecorder->strokeReceived(StrokeKind::Move, p);
        m_view.board->moveit(p);
    });
    m_session.routeToView(cmd::undone, [this](const QString& p) {
        if (const std::optional<int> stroke = m_view.board->undone(p))
            m_albumRecorder->strokeTakenBack(*stroke, parse::undone(p)->seat);
    });
    m_session.routeToView(cmd::clearmain, [this](const QString& p) {
        m_albumRecorder->strokeReceived(StrokeKind::Clear, p);
        m_view.board->clearmain(p);
    });

    connect(&m_session, &ClientSession::chatLine, this,
            [this](const QString& text, quint32 colour) { m_view.mainchat->addlinetochat(text, colour); });
    connect(&m_session, &ClientSession::soundCue, m_sounds, &SoundCues::playsounds);
    connect(&m_session, &ClientSession::drawerGuessLine, m_view.panel_toolbar, &DrawerToolbar::addGuessLine);
    connect(&m_session, &ClientSession::guesserGuessLine, this, [this](const QString& line) {
        m_view.memo_myguessed->addItem(line);
        // A long turn of guesses stays bounded; the oldest go first.
        while (m_view.memo_myguessed->count() > 500)
            delete m_view.memo_myguessed->takeItem(0);
        m_view.memo_myguessed->scrollToBottom();
    });
    connect(&m_session, &ClientSession::turnStarted, this, [this] {
        m_view.memo_myguessed->clear();
        m_view.panel_toolbar->clearGuesses();
        // Clears the board and puts the brush back to black, width 3.
        m_view.board->startTurn();
    });
    connect(&m_session, &ClientSession::strokeAbandoned, m_view.board, &BoardController::cancelStroke);
    connect(&m_session, &ClientSession::ownArrival, this, &Tchat::loadinifile);
    connect(&m_session, &ClientSession::notice, this, [this](const QString& text, bool endsGame) {
        showMessage(text,
                    endsGame ? std::function<void()>([this] { closeWindow(); }) : std::function<void()>());
    });
    connect(&m_session, &ClientSession::ended, this, &Tchat::closeWindow);
    // A game that is over for this copy leaves no turn on the board: no word, no tools, no Pass.
    // The drawing and the album stay.
    connect(&m_session, &ClientSession::connectionLost, this, &Tchat::showNoTurn);
    new CountdownView(m_session.countdown(), m_view.label_timer, m_view.image_timer, this);
}

void Tchat::clearForNewGame()
{
    m_albumRecorder->startAfresh();
    m_view.memo_myguessed->clear();
    m_view.panel_toolbar->clearGuesses();
    m_view.board->startTurn();
    showNoTurn();
}

void Tchat::showNoTurn()
{
    m_view.panel_toolbar->hide();
    m_view.panel_answer->hide();
    m_view.panel_pickcatagory->hide();
    m_view.winner->hideAndStop();
    m_view.label_turn->clear();
    m_view.image_cat->clear();
    // Until the new game's first turn the board greets as it did when the window opened.
    m_view.label_fullanswer->setText(kGreetingLine);
    m_view.label_fullanswer->show();
    m_view.label_answer->setText(kTitleLine);
}

void Tchat::attachWindows(const SecondaryWindows& windows)
{
    m_windows = windows;
    m_view.spylist = windows.spylist;
    m_view.gamestartform = windows.gamestartform;
    if (windows.spylist) {
        windows.spylist->setKicker(
            [this](int seat) { guarded([this, seat] { m_session.removePlayer(seat); }); });
        connect(&m_session.model(), &GameModel::spectatorsChanged, windows.spylist,
                [this] { m_windows.spylist->showSpectators(m_session.model().spectators()); });
    }
    if (windows.gamestartform) {
        windows.gamestartform->setWordFolderCheck([](const QString& folder) {
            const WordFolder words = WordFolder::read(folder);
            return GameStartForm::WordFolderCheck{words.report(), words.usable()};
        });
        // The choices of the last start, this run's or an earlier one's, are offered again.
        windows.gamestartform->setChoices(loadStartChoices(settingsFilePath()));
        connect(windows.gamestartform, &GameStartForm::valuesChanged, m_turnView,
                &TurnView::showChosenSettings);
        m_turnView->showChosenSettings();
        connect(windows.gamestartform, &GameStartForm::startRequested, this,
                [this] { guarded([this] { startgame(); }); });
        // Closing the form without a start leaves the host a way back to it.
        connect(windows.gamestartform, &GameStartForm::dismissed, this, [this] {
            GameModel& model = m_session.model();
            if (model.isGameMaster() &&
                (model.phase() == GamePhase::NoGame || model.phase() == GamePhase::Won))
                model.setStartOffered(true);
        });
    }
    if (windows.phrases)
        windows.phrases->setStorePhrases(
            [](const QStringList& phrases) { savePhrases(settingsFilePath(), phrases); });
    if (windows.download) {
        connect(windows.download, &DownloadDialog::closeGameRequested, this, &QWidget::close);
        connect(windows.download, &DownloadDialog::joinRequested, m_chooser, &GameChooser::openJoinDialog);
    }
}

void Tchat::guarded(const std::function<void()>& action)
{
    try {
        action();
    } catch (const PictovaError& error) {
        reportError(error.text());
    }
}

void Tchat::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // On a screen of another pixel density the board and the pictures are drawn afresh for it.
    if (QWindow* window = windowHandle()) {
        connect(window, &QWindow::screenChanged, this, [this](QScreen* screen) {
            m_zoom->apply(m_zoomPercent / 100.0);
            followScreenRoom(screen);
            offerZoomSteps();
        });
        followScreenRoom(window->screen());
        m_zoom->apply(m_zoomPercent / 100.0);
        // The window manager's frame is known now.
        offerZoomSteps();
    }
    // A window shown by a test must not take the test runner's own arguments for a command line.
    if (property("noParams").toBool())
        return;
    processparams(QCoreApplication::arguments().mid(1));
}

void Tchat::processparams(const QStringList& params)
{
    GameModel& model = m_session.model();
    model.setStartOffered(false);
    model.setStartMenuEnabled(false);
    m_session.setLoginName({});
    if (params.isEmpty()) {
        m_view.mainchat->addlinetochat(QStringLiteral("Loading Solo Game..Please wait."), kStatusColour);
        if (m_windows.download) {
            m_windows.download->show();
            m_windows.download->raise();
        }
        m_session.setHostAddress(QStringLiteral("127.0.0.1"));
        m_session.setPlayerName(QStringLiteral("You"));
        model.setSolo(true);
        hostpress();
        return;
    }
    m_view.mainchat->addlinetochat(QStringLiteral("Loading Multi-player Game.. Please Wait."), kStatusColour);
    // The terminator byte cannot travel inside a message.
    m_session.setPlayerName(withoutTerminator(params.value(0)));
    if (params.size() >= 2)
        m_session.setHostAddress(params.value(1));
    if (params.size() >= 3) {
        if (params.value(2) == QLatin1String("true"))
            hostpress();
        else
            joinpress();
        guarded([this] { m_session.openSideChannel(); });
    }
}

void Tchat::hostpress()
{
    GameModel& model = m_session.model();
    QString port = gamePort();
    try {
        if (model.solo())
            m_localHost.hostSolo(port);
        else
            m_localHost.host(port);
        port = QString::number(m_localHost.port());
    } catch (const PictovaError& error) {
        reportError(error.text());
        return;
    }
    m_session.setLoginName(m_session.playerName());
    model.setHosting(true);
    guarded([this, port] { m_session.connectTo(QStringLiteral("127.0.0.1"), port); });
    model.setStartOffered(true);
    model.setStartMenuEnabled(true);
}

void Tchat::joinpress()
{
    m_session.setLoginName(m_session.playerName());
    guarded([this] { m_session.connectTo(m_session.hostAddress(), gamePort()); });
}

void Tchat::button_startClick()
{
    if (!m_session.model().loggedIn()) {
        showMessage(QStringLiteral("You are not connected"), {});
        return;
    }
    if (m_session.model().gameRunning()) {
        confirmRestart();
        return;
    }
    openStartForm();
}

void Tchat::confirmRestart()
{
    if (QMessageBox* open =
            findChild<QMessageBox*>(QStringLiteral("confirmRestart"), Qt::FindDirectChildrenOnly)) {
        open->raise();
        return;
    }
    auto* box =
        new QMessageBox(QMessageBox::Question, QStringLiteral("Pictova"),
                        QStringLiteral("A game is running. Start a new one? Every score goes back to 0."),
                        QMessageBox::Yes | QMessageBox::No, this);
    box->setObjectName(QStringLiteral("confirmRestart"));
    box->setDefaultButton(QMessageBox::No);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    connect(box, &QMessageBox::finished, this, [this](int result) {
        if (result == QMessageBox::Yes && m_session.model().loggedIn())
            openStartForm();
    });
    box->show();
}

void Tchat::openStartForm()
{
    if (m_view.gamestartform) {
        m_view.gamestartform->setHostsGame(m_session.model().hosting());
        m_view.gamestartform->setRevealLettersOffered(
            m_session.serverFeatures().contains(feature::revealLetters));
    }
    presentWindow(m_view.gamestartform);
    m_session.model().setStartOffered(false);
}

void Tchat::startgame()
{
    if (!m_view.gamestartform)
        return;
    try {
        saveStartChoices(settingsFilePath(), m_view.gamestartform->choices());
    } catch (const PictovaError&) {
        // Not remembering the choices does not stop the game.
    }
    m_localHost.useWordFolder(m_view.gamestartform->wordFolder(), m_view.gamestartform->wordsLanguage());
    m_session.requestStart(m_view.gamestartform->teamChecked(), m_view.gamestartform->playtoText(),
                           m_view.gamestartform->timeText(), m_view.gamestartform->revealLettersChecked());
}

void Tchat::edit_answerKeyPress()
{
    m_session.guess(m_view.edit_answer->text());
    m_view.edit_answer->clear();
}

void Tchat::button_cat1Click(int category)
{
    if (category < 0 || category > 6)
        return;
    if (m_session.pickCategory(category))
        return;
    // Only the drawer picks: the button must not stay pressed for anyone else.
    QToolButton* button = m_view.button_cat[category];
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

void Tchat::label_playername1ContextPopup(int seat)
{
    WatchersHandler& watchers = m_session.watchers();
    watchers.label_playername1ContextPopup(seat);
    m_view.removefromgame1->setEnabled(watchers.mayRemovePopupSeat());
    m_view.SettoJustWatch1->setEnabled(watchers.maySetWatching());
    m_view.UnsetJustWatch1->setEnabled(watchers.maySetWatching());
}

void Tchat::loadinifile()
{
    const LoadedSettings loaded = loadSettings(settingsFilePath(), m_snapshotcounter);
    for (QAction* item : m_textSizeItems)
        item->setChecked(item->text().toInt() == loaded.textsize);
    m_snapshotcounter = loaded.snapcount;
    m_mychat->setTextColour(loaded.textcolour);
    m_view.mainchat->setTextSize(loaded.textsize);
    m_mychat->setActionColour(loaded.actioncolour);
    for (int n = 1; n <= 10; ++n)
        if (!loaded.phrases.value(n - 1).isEmpty())
            m_phrases->setPhraseText(n, loaded.phrases.value(n - 1));
    m_PlaySounds1->setChecked(loaded.playsounds);
    m_sounds->setEnabled(loaded.playsounds);
}

void Tchat::saveinifile()
{
    SavedSettings saved;
    saved.textsize = m_view.mainchat->textSize();
    saved.snapcount = m_snapshotcounter;
    saved.textcolour = m_mychat->textColour();
    saved.actioncolour = m_mychat->actionColour();
    saved.playsounds = m_PlaySounds1->isChecked();
    saveSettings(settingsFilePath(), saved);
}

void Tchat::N14Click(int size)
{
    m_view.mainchat->setTextSize(size);
    saveinifile();
}

void Tchat::PlaySounds1Click()
{
    m_sounds->setEnabled(m_PlaySounds1->isChecked());
    guarded([this] { saveinifile(); });
}

void Tchat::TextColor1Click()
{
    m_mychat->chooseTextColour();
    // Saved whether or not the dialog was confirmed.
    saveinifile();
}

void Tchat::ActionColor1Click()
{
    m_mychat->chooseActionColour();
}

void Tchat::PhraseLists1Click()
{
    if (!m_windows.phrases)
        return;
    m_windows.phrases->showPhrases();
    presentWindow(m_windows.phrases);
}

void Tchat::SnapShots1Click()
{
    if (!m_windows.snapshots)
        return;
    // Already open: only bring it forward, without rebuilding its list.
    presentWindow(m_windows.snapshots);
}

AlbumDialog* Tchat::albumDialog()
{
    if (!m_albumDialog) {
        m_albumDialog = new AlbumDialog(*m_album, this);
        m_albumDialog->setFolderSource([] { return snapshotFolder(); });
    }
    return m_albumDialog;
}

void Tchat::Album1Click()
{
    presentWindow(albumDialog());
}

void Tchat::button_snapshotClick()
{
    const QString caption = m_session.model().turnCaption();
    if (caption.isEmpty())
        return;
    ++m_snapshotcounter;
    guarded([this, caption] {
        QDir().mkpath(snapshotFolder());
        takeSnapshot(*m_canvas, caption, m_snapshotcounter, snapshotFolder());
        saveinifile();
    });
}

bool Tchat::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view.edit_answer && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guarded([this] { edit_answerKeyPress(); });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tchat::showMessage(const QString& text, std::function<void()> then)
{
    // A notice already on screen is not opened again: a server repeating a message must not be
    // able to bury the screen in boxes. The open one does what this one would do.
    for (QMessageBox* open :
         findChildren<QMessageBox*>(QStringLiteral("messagebox"), Qt::FindDirectChildrenOnly))
        if (open->isVisible() && open->text() == text)
            return;
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Pictova"), text, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("messagebox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    if (then)
        connect(box, &QMessageBox::finished, this, [then] { then(); });
    box->show();
}

void Tchat::presentWindow(QWidget* window)
{
    if (!window)
        return;
    // Measured at its zoom, so it is centred as it will show.
    DialogZoom::instance()->follow(window);
    if (!window->property("placed").toBool()) {
        window->setProperty("placed", true);
        const QRect frame = frameGeometry();
        QPoint place = frame.center() - QPoint(window->width() / 2, window->height() / 2);
        // A window larger than the game window (zoomed, on a small screen) stays on the screen.
        if (const QScreen* shown = screen()) {
            const QRect room = shown->availableGeometry();
            place.setX(std::clamp(place.x(), room.left(),
                                  std::max(room.left(), room.right() + 1 - window->width())));
            place.setY(std::clamp(place.y(), room.top(),
                                  std::max(room.top(), room.bottom() + 1 - window->height())));
        }
        window->move(place);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void Tchat::closeWindow()
{
    close();
}

void Tchat::closeEvent(QCloseEvent* event)
{
    // Closing a hosting copy ends the game for everyone in it: they are asked first.
    const int others = m_localHost.playersBesides(m_session.model().mySeat());
    if (others > 0 && !m_leavingConfirmed) {
        event->ignore();
        confirmLeaving(others);
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

void Tchat::confirmLeaving(int others)
{
    if (findChild<QMessageBox*>(QStringLiteral("leaveConfirmation"), Qt::FindDirectChildrenOnly))
        return;
    const QString text =
        others == 1
            ? QStringLiteral("1 player is in this game. Leaving ends it for everyone.")
            : QStringLiteral("%1 players are in this game. Leaving ends it for everyone.").arg(others);
    auto* box =
        new QMessageBox(QMessageBox::Question, QStringLiteral("Pictova"), text, QMessageBox::NoButton, this);
    box->setObjectName(QStringLiteral("leaveConfirmation"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* leave = box->addButton(QStringLiteral("Leave"), QMessageBox::AcceptRole);
    leave->setObjectName(QStringLiteral("leaveButton"));
    box->addButton(QMessageBox::Cancel)->setObjectName(QStringLiteral("stayButton"));
    box->setDefaultButton(QMessageBox::Cancel);
    connect(box, &QMessageBox::buttonClicked, this, [this, leave](QAbstractButton* clicked) {
        if (clicked != leave)
            return;
        m_leavingConfirmed = true;
        QTimer::singleShot(0, this, &QWidget::close);
    });
    box->open();
}

} // namespace pictova
