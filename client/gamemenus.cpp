#include "client/gamemenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace pictova {

QAction* GameMenus::item(QMenu* menu, const QString& name, const QString& text, void (GameMenus::*signal)())
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, signal);
    return action;
}

GameMenus::GameMenus(QMainWindow* window) : QObject(window)
{
    QMenuBar* bar = window->menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    item(file, QStringLiteral("HostAGame1"), QStringLiteral("Host a Game…"), &GameMenus::hostRequested)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    item(file, QStringLiteral("JoinAGame1"), QStringLiteral("Join a Game…"), &GameMenus::joinRequested)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    item(file, QStringLiteral("InvitePlayers1"), QStringLiteral("Invite Players…"),
         &GameMenus::inviteRequested);
    file->addSeparator();
    m_startGame =
        item(file, QStringLiteral("StartGame1"), QStringLiteral("Start Game"), &GameMenus::startRequested);
    m_startGame->setEnabled(false);
    file->addSeparator();
    item(file, QStringLiteral("Exit1"), QStringLiteral("Exit"), &GameMenus::exitRequested);

    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    m_playSounds = item(options, QStringLiteral("PlaySounds1"), QStringLiteral("Play Sounds"),
                        &GameMenus::playSoundsToggled);
    m_playSounds->setCheckable(true);
    m_playSounds->setChecked(true);
    options->addSeparator();
    item(options, QStringLiteral("TextColor1"), QStringLiteral("Text Color"),
         &GameMenus::textColourRequested);
    QMenu* sizes = options->addMenu(QStringLiteral("Text Size"));
    for (int size : {8, 10, 12, 14}) {
        QAction* action = sizes->addAction(QString::number(size));
        action->setObjectName(QStringLiteral("N%1").arg(size));
        action->setCheckable(true);
        // Choosing a size does not tick it; only loading the settings does.
        connect(action, &QAction::triggered, this, [this, action, size](bool checked) {
            action->setChecked(!checked);
            emit textSizeChosen(size);
        });
        m_textSizes << action;
    }
    item(options, QStringLiteral("ActionColor1"), QStringLiteral("Action Color"),
         &GameMenus::actionColourRequested);
    m_scrollChatOff = options->addAction(QStringLiteral("Scroll Chat Off"));
    m_scrollChatOff->setObjectName(QStringLiteral("ScrollChatOff1"));
    m_scrollChatOff->setCheckable(true);
    m_scrollChatOff->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    item(options, QStringLiteral("ClearMainChat1"), QStringLiteral("Clear Main Chat"),
         &GameMenus::clearChatRequested);
    options->addSeparator();
    m_justWatch = options->addAction(QStringLiteral("Just Watch"));
    m_justWatch->setObjectName(QStringLiteral("JustWatch1"));
    m_justWatch->setCheckable(true);
    connect(m_justWatch, &QAction::triggered, this, [this](bool checked) {
        m_justWatch->setChecked(!checked);
        emit justWatchRequested();
    });

    m_view = bar->addMenu(QStringLiteral("&View"));
    item(m_view, QStringLiteral("SnapShots1"), QStringLiteral("Snap Shots"), &GameMenus::snapshotsRequested);
    item(m_view, QStringLiteral("Album1"), QStringLiteral("Album"), &GameMenus::albumRequested);
    item(m_view, QStringLiteral("SpyList1"), QStringLiteral("Spy List"), &GameMenus::spectatorsRequested);
    item(m_view, QStringLiteral("PhraseLists1"), QStringLiteral("Phrase Lists"),
         &GameMenus::phraseListsRequested);

    // Help stays last: the window's scale adds its items to the View menu before it.
    QMenu* help = new QMenu(QStringLiteral("&Help"), bar);
    item(help, QStringLiteral("Help2"), QStringLiteral("Contents"), &GameMenus::helpRequested)
        ->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    item(help, QStringLiteral("About1"), QStringLiteral("About"), &GameMenus::aboutRequested);
    bar->addMenu(help);

    m_seatMenu = new QMenu(window);
    m_seatMenu->setObjectName(QStringLiteral("popup_Kick"));
    m_removeFromGame = m_seatMenu->addAction(QStringLiteral("Remove From Game"));
    m_removeFromGame->setObjectName(QStringLiteral("removefromgame1"));
    m_voteToRemove = m_seatMenu->addAction(QStringLiteral("Vote to Remove"));
    m_voteToRemove->setObjectName(QStringLiteral("votetoremove1"));
    m_voteToRemove->setVisible(false);
    m_seatMenu->addSeparator();
    m_setToJustWatch = m_seatMenu->addAction(QStringLiteral("Set to Just Watch"));
    m_setToJustWatch->setObjectName(QStringLiteral("SettoJustWatch1"));
    m_unsetJustWatch = m_seatMenu->addAction(QStringLiteral("Unset Just Watch"));
    m_unsetJustWatch->setObjectName(QStringLiteral("UnsetJustWatch1"));
}

void GameMenus::showTextSize(int size)
{
    for (QAction* action : std::as_const(m_textSizes))
        action->setChecked(action->text().toInt() == size);
}

} // namespace pictova
