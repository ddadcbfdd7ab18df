#include "client/gamechooser.h"

#include "client/model/gamemodel.h"
#include "hosting/localhost.h"
#include "invite/invitelink.h"
#include "lan/gamebrowser.h"
#include "messaging/errors.h"
#include "rooms/roomcode.h"
#include "shell/apppaths.h"
#include "shell/playtogether.h"
#include "shell/playtogetherdialogs.h"
#include "translations/livetexts.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pictova {

namespace {
const QString kLocalHost = QStringLiteral("127.0.0.1");

void saveQuietly(const PlayTogetherSettings& settings)
{
    // Not being able to remember the choice must not stop the game.
    try {
        savePlayTogether(settingsFilePath(), settings);
    } catch (const PictovaError& error) {
        reportError(error.text());
    }
}

// Keeps the Host and Join buttons centred at the foot of the board, whatever size the board, the
// zoom and the language give them.
class BottomCentre : public QObject
{
public:
    BottomCentre(QWidget* overlay, QWidget* board) : QObject(overlay), m_overlay(overlay), m_board(board)
    {
        overlay->setProperty("placesItself", true);
        overlay->installEventFilter(this);
        board->installEventFilter(this);
        place();
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            place();
        return false;
    }

private:
    void place()
    {
        m_overlay->move((m_board->width() - m_overlay->width()) / 2,
                        m_board->height() - m_overlay->height() - 12);
    }
    QWidget* m_overlay;
    QWidget* m_board;
};
} // namespace

BoardNotice::BoardNotice(QWidget* board) : QFrame(board)
{
    setObjectName(QStringLiteral("boardNotice"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("noticeText"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignCenter);
    m_retry = new QPushButton(tr("Try Again"), this);
    m_retry->setObjectName(QStringLiteral("retryButton"));
    m_back = new QPushButton(tr("Back"), this);
    m_back->setObjectName(QStringLiteral("backButton"));
    connect(m_retry, &QPushButton::clicked, this, &BoardNotice::retryRequested);
    connect(m_back, &QPushButton::clicked, this, &BoardNotice::backRequested);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_retry);
    buttons->addWidget(m_back);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    hide();
}

void BoardNotice::showNotice(const QString& text, bool offerRetry)
{
    m_text->setText(text);
    m_retry->setVisible(offerRetry);
    // About sixty characters wide and as tall as its text needs, within the board.
    const int width = qMin(parentWidget()->width() - 2 * fontMetrics().height(),
                           qMax(fontMetrics().averageCharWidth() * 60, layout()->minimumSize().width()));
    const int height = qMax(fontMetrics().lineSpacing() * 7, layout()->totalHeightForWidth(width));
    setGeometry((parentWidget()->width() - width) / 2, (parentWidget()->height() - height) / 2, width,
                height);
    show();
    raise();
}

QString BoardNotice::text() const
{
    return m_text->text();
}

GameChooser::GameChooser(ClientSession& session, LocalHost& localHost, QWidget* board,
                         std::function<void()> prepareForNewGame, QObject* parent)
    : QObject(parent), m_session(session), m_host(localHost), m_board(board),
      m_prepareForNewGame(std::move(prepareForNewGame))
{
    m_browser = new lan::GameBrowser(this);
    connect(m_browser, &lan::GameBrowser::gamesChanged, this, &GameChooser::listFoundGames);
    m_notice = new BoardNotice(board);
    connect(m_notice, &BoardNotice::retryRequested, this, &GameChooser::retry);
    connect(m_notice, &BoardNotice::backRequested, this, &GameChooser::back);

    m_startButtons = new QWidget(board);
    m_startButtons->setObjectName(QStringLiteral("playTogetherButtons"));
    auto* host = new QPushButton(m_startButtons);
    host->setObjectName(QStringLiteral("hostGameButton"));
    auto* join = new QPushButton(m_startButtons);
    auto* texts = new LiveTexts(m_startButtons);
    texts->add([host, join] {
        host->setText(tr("Host a Game…"));
        join->setText(tr("Join a Game…"));
    });
    join->setObjectName(QStringLiteral("joinGameButton"));
    connect(host, &QPushButton::clicked, this, &GameChooser::openHostDialog);
    connect(join, &QPushButton::clicked, this, &GameChooser::openJoinDialog);
    auto* row = new QHBoxLayout(m_startButtons);
    // The buttons keep the size their texts need when the language or the zoom changes them.
    row->setSizeConstraint(QLayout::SetFixedSize);
    row->addWidget(host);
    row->addWidget(join);
    m_startButtons->adjustSize();
    new BottomCentre(m_startButtons, board);

    GameModel& model = session.model();
    connect(&model, &GameModel::phaseChanged, this, &GameChooser::showStartButtons);
    connect(&model, &GameModel::loggedInChanged, this, &GameChooser::showStartButtons);
    connect(&session, &ClientSession::joinFailed, this,
            [this](JoinProblem, const QString& text) { showProblem(text, true); });
    connect(&session, &ClientSession::joined, m_notice, &QWidget::hide);
    connect(&session, &ClientSession::roomChanged, this, [this] {
        emit m_session.chatLine(tr("In room %1: others join with this code, or with %2")
                                    .arg(m_session.roomCode(), m_session.roomLink()),
                                kStatusColour);
    });
    connect(&session, &ClientSession::reconnecting, this, &GameChooser::showStartButtons);
    connect(&session, &ClientSession::connectionLost, this, [this](const QString& text) {
        m_host.stopAnnouncing();
        showProblem(text, m_lastAttempt == Attempt::Join);
    });
    showStartButtons();
}

void GameChooser::showStartButtons()
{
    const GameModel& model = m_session.model();
    // Between games, and whenever this copy plays alone or is in no game at all (not while it
    // tries to get back into one).
    m_startButtons->setVisible(model.phase() == GamePhase::NoGame && (model.solo() || !model.loggedIn()) &&
                               !m_session.isReconnecting());
}

void GameChooser::openHostDialog()
{
    const PlayTogetherSettings remembered = loadPlayTogether(settingsFilePath());
    if (!m_hostDialog) {
        m_hostDialog = new HostDialog(m_board->window());
        // A hosted game takes browsers on its port + LocalHost::kWebPortOffset.
        m_hostDialog->showBrowserInvitation([](quint16 gamePort) {
            const int webPort = gamePort + LocalHost::kWebPortOffset;
            return webPort <= 65535 ? inviteLink(lanAddress(), quint16(webPort)) : QString();
        });
        connect(m_hostDialog, &QDialog::accepted, this, [this] {
            hostGame(m_hostDialog->playerName(), m_hostDialog->port(), m_hostDialog->announce());
        });
    }
    m_hostDialog->setChoices(remembered.playerName.isEmpty() ? m_session.playerName() : remembered.playerName,
                             remembered.hostPort, remembered.announce);
    m_hostDialog->open();
}

void GameChooser::openJoinDialog()
{
    const PlayTogetherSettings remembered = loadPlayTogether(settingsFilePath());
    if (!m_joinDialog) {
        m_joinDialog = new JoinDialog(m_board->window());
        connect(m_joinDialog, &JoinDialog::joinRequested, this, &GameChooser::joinFromDialog);
        connect(m_joinDialog, &JoinDialog::roomsRequested, this, &GameChooser::listRooms);
        // The network is listened to only while the dialog shows what it finds.
        connect(m_joinDialog, &QDialog::finished, m_browser, &lan::GameBrowser::stop);
    }
    if (!m_browser->start())
        m_joinDialog->setListNote(
            tr("Games on the local network cannot be listed: %1").arg(m_browser->errorString()));
    else
        m_joinDialog->setListNote({});
    listFoundGames();
    m_joinDialog->setChoices(remembered.playerName.isEmpty() ? m_session.playerName() : remembered.playerName,
                             remembered.recentAddresses);
    m_joinDialog->open();
}

void GameChooser::joinFromDialog()
{
    const QString name = m_joinDialog->playerName();
    if (m_joinDialog->createRoom()) {
        joinGame(name, m_joinDialog->address(),
                 RoomAsk::create(m_joinDialog->newRoomName(), m_joinDialog->newRoomListed()));
        return;
    }
    const QString roomText = m_joinDialog->roomText();
    if (roomText.isEmpty()) {
        joinGame(name, m_joinDialog->address());
        return;
    }
    const std::optional<rooms::RoomLink> link = rooms::parseLink(roomText);
    if (!link || link->web) {
        showProblem(
            QStringLiteral("\"%1\" is not a room code or link: a code is five letters and digits, such "
                           "as K7QXD, and a link looks like pictova://host:7772/K7QXD.")
                .arg(roomText.left(60)),
            false);
        return;
    }
    // A link brings its own server; a bare code is for the server typed.
    const QString address = link->host.isEmpty() ? m_joinDialog->address()
                            : link->port == 0    ? link->host
                                                 : QStringLiteral("%1:%2").arg(link->host).arg(link->port);
    joinGame(name, address, RoomAsk::join(link->code));
}

void GameChooser::joinRoomLink(const QString& text)
{
    const std::optional<rooms::RoomLink> link = rooms::parseLink(text);
    if (!link || link->host.isEmpty() || link->web)
        return;
    const PlayTogetherSettings remembered = loadPlayTogether(settingsFilePath());
    const QString name = !remembered.playerName.isEmpty()    ? remembered.playerName
                         : !m_session.playerName().isEmpty() ? m_session.playerName()
                                                             : QStringLiteral("Player");
    const QString host =
        link->host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]").arg(link->host) : link->host;
    joinGame(name,
             QStringLiteral("%1:%2").arg(host).arg(link->port == 0 ? PlayTogetherSettings::kDefaultPort
                                                                   : link->port),
             RoomAsk::join(link->code));
}

void GameChooser::listRooms()
{
    const std::optional<GameAddress> target =
        parseGameAddress(m_joinDialog->address(), PlayTogetherSettings::kDefaultPort);
    if (!target) {
        m_joinDialog->setRoomsNote(tr("Type the server's address first."));
        return;
    }
    if (!m_roomLister) {
        m_roomLister = new RoomLister(this);
        connect(m_roomLister, &RoomLister::listed, this, [this](const QList<ListedRoom>& rooms) {
            if (!m_joinDialog)
                return;
            QList<JoinDialog::Room> shown;
            for (const ListedRoom& room : rooms)
                shown.append({room.code, room.name, room.players, room.running});
            m_joinDialog->showRooms(shown);
        });
        connect(m_roomLister, &RoomLister::failed, this, [this](const QString& reason) {
            if (m_joinDialog)
                m_joinDialog->setRoomsNote(reason);
        });
    }
    m_joinDialog->setRoomsNote(tr("Asking %1 for its rooms…").arg(m_joinDialog->address()));
    m_roomLister->list(target->host, target->port);
}

void GameChooser::listFoundGames()
{
    if (m_joinDialog)
        m_joinDialog->showGames(m_browser->games());
}

void GameChooser::leaveCurrentGame()
{
    // Everyone in a game this copy hosts is told who ended it.
    m_host.close(m_session.nameInGame());
    m_session.leaveGame();
    if (m_prepareForNewGame)
        m_prepareForNewGame();
}

void GameChooser::hostGame(const QString& name, quint16 port, bool announce)
{
    m_lastAttempt = Attempt::Host;
    m_lastName = name;
    m_lastPort = port;
    m_lastAnnounce = announce;
    PlayTogetherSettings remembered = loadPlayTogether(settingsFilePath());
    remembered.playerName = name;
    remembered.hostPort = port;
    remembered.announce = announce;
    saveQuietly(remembered);

    leaveCurrentGame();
    m_notice->hide();
    try {
        m_host.host(QString::number(port));
    } catch (const PictovaError& error) {
        showProblem(tr("This computer cannot host a game on port %1 (%2): another program, or "
                       "another copy of the game, may be using it.")
                        .arg(port)
                        .arg(error.text()),
                    true);
        return;
    }
    GameModel& model = m_session.model();
    m_session.setPlayerName(name);
    m_session.setLoginName(name);
    model.setHosting(true);
    model.setStartOffered(true);
    model.setStartMenuEnabled(true);
    m_session.setRoomAsk({});
    m_session.startJoin(kLocalHost, port);
    emit m_session.chatLine(tr("Hosting a game as %1 on port %2.").arg(name, QString::number(port)),
                            kStatusColour);
    if (announce && !m_host.announce(name))
        emit m_session.chatLine(
            tr("This game cannot be announced on the local network (%1).").arg(m_host.announcementError()),
            kAlertColour);
}

void GameChooser::joinGame(const QString& name, const QString& address, const RoomAsk& room)
{
    m_lastAttempt = Attempt::Join;
    m_lastName = name;
    m_lastAddress = address;
    m_lastRoom = room;
    PlayTogetherSettings remembered = loadPlayTogether(settingsFilePath());
    const std::optional<GameAddress> target = parseGameAddress(address, PlayTogetherSettings::kDefaultPort);
    if (!target) {
        showProblem(QStringLiteral("\"%1\" is not an address: give a computer's name or address, and a "
                                   "port after a colon if it is not 7772.")
                        .arg(address),
                    false);
        return;
    }
    remembered.playerName = name;
    remembered.rememberAddress(address);
    saveQuietly(remembered);

    leaveCurrentGame();
    m_session.setPlayerName(name);
    m_session.setLoginName(name);
    showProblem(tr("Joining %1…").arg(address), false);
    m_notice->backButton()->setText(tr("Cancel"));
    m_session.setRoomAsk(room);
    m_session.startJoin(target->host, target->port);
}

void GameChooser::showProblem(const QString& text, bool offerRetry)
{
    m_notice->backButton()->setText(tr("Back"));
    m_notice->showNotice(text, offerRetry);
}

void GameChooser::retry()
{
    m_notice->hide();
    if (m_lastAttempt == Attempt::Host)
        hostGame(m_lastName, m_lastPort, m_lastAnnounce);
    else if (m_lastAttempt == Attempt::Join)
        joinGame(m_lastName, m_lastAddress, m_lastRoom);
}

void GameChooser::back()
{
    m_notice->hide();
    if (m_session.joining())
        leaveCurrentGame();
    if (m_lastAttempt == Attempt::Host)
        openHostDialog();
    else if (m_lastAttempt == Attempt::Join)
        openJoinDialog();
}

} // namespace pictova
