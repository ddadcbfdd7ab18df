#include "client/windowactions.h"

#include "invite/invitelink.h"
#include "invite/view/invitedialog.h"

#include "album/view/albumdialog.h"
#include "board/snapshotviewer.h"
#include "chat/chatlog.h"
#include "chat/phraseeditor.h"
#include "client/answerpanel.h"
#include "client/boardheader.h"
#include "client/categorychooser.h"
#include "client/gamechooser.h"
#include "client/gamemenus.h"
#include "client/gamestarter.h"
#include "client/gameviews.h"
#include "client/gamewindow.h"
#include "client/seatpanelview.h"
#include "client/spectatorlist.h"
#include "client/windowsettings.h"
#include "messaging/errors.h"
#include "shell/about.h"
#include "shell/apppaths.h"
#include "shell/help.h"
#include "translations/uilanguage.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <algorithm>

namespace pictova {

WindowActions::WindowActions(GameWindow& window) : QObject(&window), m_window(window)
{
    wireMenus();
    wireViews();
}

void WindowActions::guarded(const std::function<void()>& action)
{
    try {
        action();
    } catch (const PictovaError& error) {
        reportError(error.text());
    }
}

void WindowActions::showInvitation()
{
    if (!m_invite)
        m_invite = new InviteDialog(&m_window);
    const ClientSession& session = m_window.session();
    const quint16 webPort = m_window.localHost().webPort();
    // A room's browsers go to its own server's web port, wherever that server is.
    if (!session.roomCode().isEmpty())
        m_invite->setLink(session.roomWebLink());
    else
        m_invite->setLink(webPort ? inviteLink(lanAddress(), webPort) : QString());
    m_invite->setRoom(session.roomCode(), session.roomLink());
    presentWindow(m_invite);
}

void WindowActions::wireMenus()
{
    GameWindow& w = m_window;
    const auto act = [](auto action) { return [action] { guarded(action); }; };
    GameMenus* m = &w.menus();
    ChatLog* log = &w.views().chatLog();
    WindowSettings* settings = &w.settings();
    ClientSession* session = &w.session();
    connect(m, &GameMenus::hostRequested, w.gameChooser(), &GameChooser::openHostDialog);
    connect(m, &GameMenus::joinRequested, w.gameChooser(), &GameChooser::openJoinDialog);
    connect(m, &GameMenus::inviteRequested, this, [this] { showInvitation(); });
    connect(m, &GameMenus::startRequested, this, act([&w] { w.starter().onStartClicked(); }));
    connect(m, &GameMenus::exitRequested, &w, &QWidget::close);
    connect(m, &GameMenus::playSoundsToggled, this, act([settings] { settings->onPlaySoundsToggled(); }));
    connect(m, &GameMenus::textColourRequested, this, act([settings] { settings->chooseTextColour(); }));
    connect(m, &GameMenus::textSizeChosen, this,
            [settings](int size) { guarded([settings, size] { settings->setChatTextSize(size); }); });
    connect(m, &GameMenus::actionColourRequested, this, act([settings] { settings->chooseActionColour(); }));
    connect(m, &GameMenus::uiLanguageChosen, this, [settings, session](const QString& code) {
        guarded([settings, session, code] {
            settings->chooseUiLanguage(code);
            // The server's own lines follow the window into the new language.
            session->setLanguage(resolvedUiLanguage(code));
        });
    });
    connect(m->scrollChatOff(), &QAction::toggled, log, &ChatLog::setScrollLocked);
    connect(log, &ChatLog::scrollLockChanged, m->scrollChatOff(), &QAction::setChecked);
    connect(m, &GameMenus::clearChatRequested, log, &ChatLog::clearLog);
    connect(m, &GameMenus::justWatchRequested, this, act([session] { session->toggleJustWatch(); }));
    connect(m, &GameMenus::snapshotsRequested, this, [this] { presentWindow(m_window.windows().snapshots); });
    connect(m, &GameMenus::albumRequested, this, [this] { presentWindow(albumDialog()); });
    connect(m, &GameMenus::spectatorsRequested, this,
            [this] { presentWindow(m_window.windows().spectators); });
    connect(m, &GameMenus::phraseListsRequested, this, [this] {
        if (PhraseEditor* phrases = m_window.windows().phrases) {
            phrases->showPhrases();
            presentWindow(phrases);
        }
    });
    connect(m, &GameMenus::helpRequested, this, [this] { presentWindow(m_window.windows().help); });
    connect(m, &GameMenus::aboutRequested, this, [this] { presentWindow(m_window.windows().about); });
    WatchersHandler* watchers = &session->watchers();
    connect(m->voteToRemove(), &QAction::triggered, this,
            [this] { guarded([this] { m_window.session().voteToRemove(m_voteSeat); }); });
    connect(m->removeFromGame(), &QAction::triggered, this,
            act([watchers] { watchers->onRemoveFromGame(); }));
    connect(m->setToJustWatch(), &QAction::triggered, this,
            act([watchers] { watchers->onSetToJustWatch(); }));
    connect(m->unsetJustWatch(), &QAction::triggered, this,
            act([watchers] { watchers->onUnsetJustWatch(); }));
    connect(&w.model(), &GameModel::seatChanged, this, [session, m](int seat) {
        if (seat == session->model().mySeat())
            m->justWatch()->setChecked(session->model().seat(seat).watching);
    });
}

void WindowActions::wireViews()
{
    GameWindow& w = m_window;
    GameViews& v = w.views();
    ClientSession* session = &w.session();
    connect(&v.header(), &BoardHeader::startClicked, this,
            [&w] { guarded([&w] { w.starter().onStartClicked(); }); });
    connect(&v.header(), &BoardHeader::passClicked, this,
            [session] { guarded([session] { session->pass(); }); });
    connect(&v.seatPanel(), &SeatPanelView::seatMenuRequested, this, [this](int seat, const QPoint& at) {
        // Seat 1 is the game master's, whom nobody else's menu acts on; only in a listed room,
        // where the game master is a stranger too, may the others vote that player out.
        if (seat == 1 && !m_window.session().mayVoteToRemove(seat))
            return;
        prepareSeatMenu(seat);
        m_window.menus().seatMenu()->popup(at);
    });
    connect(&v.seatPanel(), &SeatPanelView::ownTeamChanged, &v.header(), &BoardHeader::showOwnTeam);
    connect(&v.seatPanel(), &SeatPanelView::snapshotRequested, this,
            [&w] { guarded([&w] { w.settings().takeSnapshot(); }); });
    connect(&v.categoryChooser(), &CategoryChooser::categoryChosen, this,
            [this](int category) { guarded([this, category] { chooseCategory(category); }); });
    connect(&v.answerPanel(), &AnswerPanel::guessEntered, this,
            [this] { guarded([this] { enterGuess(); }); });
    connect(&w.starter(), &GameStarter::presentRequested, this, &WindowActions::presentWindow);
}

void WindowActions::enterGuess()
{
    QLineEdit* field = m_window.views().answerPanel().field();
    m_window.session().guess(field->text());
    field->clear();
}

void WindowActions::chooseCategory(int category)
{
    // Only the drawer picks: the button must not stay pressed for anyone else.
    if (category >= 0 && category <= 6 && !m_window.session().pickCategory(category))
        m_window.views().categoryChooser().releaseButton(category);
}

void WindowActions::prepareSeatMenu(int seat)
{
    WatchersHandler& watchers = m_window.session().watchers();
    watchers.onSeatMenu(seat);
    m_window.menus().removeFromGame()->setEnabled(watchers.mayRemovePopupSeat());
    ClientSession& session = m_window.session();
    m_voteSeat = seat;
    m_window.menus().voteToRemove()->setVisible(session.mayVoteToRemove(seat));
    m_window.menus().setToJustWatch()->setEnabled(watchers.maySetWatching());
    m_window.menus().unsetJustWatch()->setEnabled(watchers.maySetWatching());
}

AlbumDialog* WindowActions::albumDialog()
{
    if (!m_albumDialog) {
        m_albumDialog = new AlbumDialog(m_window.album(), &m_window);
        m_albumDialog->setFolderSource([] { return snapshotFolder(); });
    }
    return m_albumDialog;
}

void WindowActions::presentWindow(QWidget* window)
{
    if (!window)
        return;
    if (!window->property("placed").toBool()) {
        window->setProperty("placed", true);
        QPoint place = m_window.frameGeometry().center() - QPoint(window->width() / 2, window->height() / 2);
        // A window larger than the game window stays on the screen.
        if (const QScreen* shown = m_window.screen()) {
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

} // namespace pictova
