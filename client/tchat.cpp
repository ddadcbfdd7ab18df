#include "client/tchat.h"

#include "board/boardcanvas.h"
#include "board/boardcontroller.h"
#include "board/drawertoolbar.h"
#include "board/snapshot.h"
#include "board/snapshotviewer.h"
#include "chat/chatinput.h"
#include "chat/chatlog.h"
#include "chat/phrasebuttons.h"
#include "chat/received.h"
#include "chat/tphrases.h"
#include "client/countdown.h"
#include "client/soundcues.h"
#include "client/spylist.h"
#include "client/winnerpanel.h"
#include "messaging/catalogue.h"
#include "messaging/errors.h"
#include "messaging/wire.h"
#include "server/tserver.h"
#include "shell/apppaths.h"
#include "shell/downloaddialog.h"
#include "shell/gamestartform.h"
#include "shell/settings.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QToolButton>

namespace pictova {

Tchat::Tchat(QWidget* parent)
    : QMainWindow(parent),
      m_ctx{m_state, m_view, [this](const QByteArray& bytes) { sendToServer(bytes); }},
      m_seats(m_ctx),
      m_rounds(m_ctx),
      m_guessing(m_ctx),
      m_watchers(m_ctx),
      m_receivedlist(ReceiveQueue::Order::Arrival)
{
    m_sounds = new SoundCues(this);
    m_view.sounds = m_sounds;
    buildWindow();

    m_view.closeWindow = [this] { closeWindow(); };
    m_view.loadinifile = [this] { loadinifile(); };
    m_view.message = [this](const QString& text, std::function<void()> then) { showMessage(text, std::move(then)); };

    BoardContext board;
    board.myseat = [this] { return m_state.myseat; };
    board.drawerseat = [this] { return m_state.drawerseat; };
    board.loggedin = [this] { return m_state.loggedin; };
    board.send = [this](const QByteArray& bytes) { sendToServer(bytes); };
    board.hidePassButton = [this] { m_view.button_pass->hide(); };
    m_view.board = new BoardController(m_canvas, m_view.panel_toolbar, board, this);

    ChatContext chat;
    chat.loggedin = [this] { return m_state.loggedin; };
    chat.myseat = [this] { return m_state.myseat; };
    chat.send = [this](const QByteArray& bytes) { sendToServer(bytes); };
    m_mychat->setContext(chat);
    m_phrases->setContext(chat);
    m_phrases->setActionColourSource([this] { return m_mychat->actionColour(); });

    connect(m_view.button_pass, &QToolButton::clicked, this, [this] { guarded([this] { m_rounds.button_passClick(); }); });
    connect(m_view.button_start, &QToolButton::clicked, this, [this] { guarded([this] { button_startClick(); }); });

    m_sock.PortName = gamePort();
    connect(&m_sock, &TSock::onRead, this, [this](TSock*, qsizetype) { sockRead(); });
    connect(&m_sock, &TSock::onInfo, this,
            [this](TSock*, SocketInfo kind, const QString& message) { m_seats.sockInfo(kind, message); });
    m_Sock11.HostName = QStringLiteral("127.0.0.1");
    m_Sock11.PortName = QStringLiteral("9001");

    m_Timer1 = new DrainTimer(1, [this] { return processsocktimer(); }, this);
    buildCommandTable();
}

Tchat::~Tchat() = default;

QString Tchat::gamePort()
{
    const QString port = qEnvironmentVariable("PICTOVA_PORT");
    return port.isEmpty() ? QStringLiteral("7772") : port;
}

void Tchat::attachWindows(const SecondaryWindows& windows)
{
    m_windows = windows;
    m_view.spylist = windows.spylist;
    m_view.gamestartform = windows.gamestartform;
    if (windows.spylist)
        windows.spylist->setKicker([this](int seat) { guarded([this, seat] { m_watchers.kicking(seat); }); });
    if (windows.gamestartform)
        connect(windows.gamestartform, &Tgamestartform::startRequested, this, [this] { guarded([this] { startgame(); }); });
    if (windows.phrases)
        windows.phrases->setStorePhrases([](const QStringList& phrases) { savePhrases(settingsFilePath(), phrases); });
    if (windows.download)
        connect(windows.download, &Tdownload::closeGameRequested, this, &QWidget::close);
    if (windows.server)
        windows.server->setSoloGameSource([this] { return m_state.sologame; });
}

void Tchat::buildCommandTable()
{
    auto add = [this](const QString& name, std::function<void(const QString&)> handler) {
        m_commands.add(name, std::move(handler));
    };
    add(cmd::sendlogininfo, [this](const QString& p) { m_seats.sendloginfo(p); });
    add(cmd::chat, [this](const QString& p) { chatrecieved(*m_view.mainchat, p); });
    add(cmd::action, [this](const QString& p) { chatrecieved(*m_view.mainchat, p); });
    add(cmd::newplayerinfo, [this](const QString& p) { m_seats.newplayerinfo(p); });
    add(cmd::existingplayers, [this](const QString& p) { m_seats.newplayerinfo(p); });
    add(cmd::playerdisconnected, [this](const QString& p) { m_seats.playerdisconnected(p); });
    add(cmd::startgame, [this](const QString& p) { m_rounds.startthegame(p); });
    add(cmd::nextplayer, [this](const QString& p) { m_rounds.getnextplayer(p); });
    add(cmd::winner, [this](const QString& p) { m_guessing.winner(p); });
    add(cmd::full, [this](const QString& p) { m_seats.full(p); });
    add(cmd::draw, [this](const QString& p) { m_view.board->drawit(p); });
    add(cmd::moveit, [this](const QString& p) { m_view.board->moveit(p); });
    add(cmd::clearmain, [this](const QString& p) { m_view.board->clearmain(p); });
    add(cmd::correctanswer, [this](const QString& p) { m_guessing.correctanswer(p); });
    add(cmd::updateanswer, [this](const QString& p) { m_guessing.updateanswer(p); });
    add(cmd::givedraweranswer, [this](const QString& p) { m_rounds.givedraweranswer(p); });
    add(cmd::guessed, [this](const QString& p) { m_guessing.guessed(p); });
    add(cmd::pickcatagory, [this](const QString& p) { m_rounds.pickcatagory(p); });
    add(cmd::myguessed, [this](const QString& p) { m_guessing.myguessed(p); });
    add(cmd::passed, [this](const QString& p) { m_rounds.passed(p); });
    add(cmd::refreshplayerlist, [this](const QString& p) { m_seats.refreshplayerlist(p); });
    add(cmd::havewrongversion, [this](const QString& p) { m_seats.havewrongversion(p); });
    add(cmd::wrongversion, [this](const QString& p) { m_seats.wrongversion(p); });
    add(cmd::justwatching, [this](const QString& p) { m_watchers.justwatching(p); });
    add(cmd::teamscore, [this](const QString& p) { m_guessing.teamscore(p); });
    add(cmd::gamestats, [this](const QString& p) { m_guessing.gamestats(p); });
}

void Tchat::sendToServer(const QByteArray& bytes)
{
    if (m_sendOverride) {
        m_sendOverride(bytes);
        return;
    }
    m_sock.send(bytes);
}

void Tchat::guarded(const std::function<void()>& action)
{
    try {
        action();
    } catch (const PictovaError& error) {
        reportError(error.text());
    }
}

void Tchat::sockRead()
{
    QList<QByteArray> messages;
    const bool ok = m_framer.feed(m_sock.receive(), messages);
    for (const QByteArray& message : messages)
        m_receivedlist.push(0, fromWire(message));
    if (!m_receivedlist.isEmpty())
        m_Timer1->wake();
    // A server that sends endless text without a terminator is broken; the game cannot go on.
    if (!ok)
        m_sock.close();
}

void Tchat::queueEntry(const QString& entry)
{
    m_receivedlist.push(0, entry);
    m_Timer1->wake();
}

bool Tchat::processsocktimer()
{
    if (auto entry = m_receivedlist.take())
        m_commands.dispatch(entry->text);
    return !m_receivedlist.isEmpty();
}

void Tchat::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // A window shown by a test must not take the test runner's own arguments for a command line.
    if (property("noParams").toBool())
        return;
    processparams(QCoreApplication::arguments().mid(1));
}

void Tchat::processparams(const QStringList& params)
{
    m_view.button_start->hide();
    m_view.StartGame1->setEnabled(false);
    m_state.loginname.clear();
    if (params.isEmpty()) {
        m_ctx.statusLine(QStringLiteral("Loading Solo Game..Please wait."));
        if (m_windows.download) {
            m_windows.download->show();
            m_windows.download->raise();
        }
        m_state.hostaddress = QStringLiteral("127.0.0.1");
        m_state.playername = QStringLiteral("You");
        m_state.sologame = true;
        hostpress();
        return;
    }
    m_ctx.statusLine(QStringLiteral("Loading Multi-player Game.. Please Wait."));
    // The terminator byte cannot travel inside a message.
    m_state.playername = withoutTerminator(params.value(0));
    if (params.size() >= 2)
        m_state.hostaddress = params.value(1);
    if (params.size() >= 3) {
        if (params.value(2) == QLatin1String("true"))
            hostpress();
        else
            joinpress();
        guarded([this] { m_Sock11.open(); });
    }
}

void Tchat::hostpress()
{
    try {
        if (m_windows.server) {
            m_windows.server->setPortName(gamePort());
            m_windows.server->startListening();
        }
    } catch (const PictovaError& error) {
        reportError(error.text());
        return;
    }
    m_state.loginname = m_state.playername;
    m_state.ishost = true;
    m_sock.HostName = QStringLiteral("127.0.0.1");
    guarded([this] { m_sock.open(); });
    m_view.button_start->show();
    m_view.StartGame1->setEnabled(true);
    if (m_view.spylist)
        m_view.spylist->setRemovalEnabled(true);
}

void Tchat::joinpress()
{
    m_state.loginname = m_state.playername;
    m_sock.HostName = m_state.hostaddress;
    guarded([this] { m_sock.open(); });
}

void Tchat::button_startClick()
{
    if (!m_state.loggedin) {
        showMessage(QStringLiteral("You are not connected"), {});
        return;
    }
    presentWindow(m_view.gamestartform);
    m_view.button_start->hide();
}

void Tchat::startgame()
{
    if (!m_state.loggedin || !m_view.gamestartform)
        return;
    sendToServer(toserver::startgame(m_state.myseat, m_view.gamestartform->teamChecked(),
                                     m_view.gamestartform->playtoText(), m_view.gamestartform->timeText()));
}

void Tchat::loadinifile()
{
    const LoadedSettings loaded = loadSettings(settingsFilePath(), m_state.snapshotcounter);
    for (QAction* item : m_textSizeItems)
        item->setChecked(item->text().toInt() == loaded.textsize);
    m_state.snapshotcounter = loaded.snapcount;
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
    saved.snapcount = m_state.snapshotcounter;
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

void Tchat::ActionColor1Click() { m_mychat->chooseActionColour(); }

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

void Tchat::button_snapshotClick()
{
    if (m_state.turncaption.isEmpty())
        return;
    ++m_state.snapshotcounter;
    guarded([this] {
        QDir().mkpath(snapshotFolder());
        takeSnapshot(*m_canvas, m_state.turncaption, m_state.snapshotcounter, snapshotFolder());
        saveinifile();
    });
}

bool Tchat::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view.edit_answer && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guarded([this] { m_guessing.edit_answerKeyPress(); });
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
    if (!window->property("placed").toBool()) {
        window->setProperty("placed", true);
        const QRect frame = frameGeometry();
        window->move(frame.center() - QPoint(window->width() / 2, window->height() / 2));
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void Tchat::closeWindow() { close(); }

void Tchat::closeEvent(QCloseEvent* event)
{
    m_closeRequested = true;
    QMainWindow::closeEvent(event);
    emit closing();
}

} // namespace pictova
