#include "client/gamemenus.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "translations/livetexts.h"
#include "translations/uilanguage.h"

namespace pictova {

QAction* GameMenus::item(QMenu* menu, const QString& name, const char* text, void (GameMenus::*signal)())
{
    QAction* action = menu->addAction(QString());
    m_texts->add([action, text] { action->setText(tr(text)); });
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, signal);
    return action;
}

GameMenus::GameMenus(QMainWindow* window) : QObject(window)
{
    QMenuBar* bar = window->menuBar();
    m_texts = new LiveTexts(bar);
    QMenu* file = bar->addMenu(QString());
    m_texts->add([file] { file->setTitle(tr("&File")); });
    item(file, QStringLiteral("HostAGame1"), QT_TR_NOOP("Host a Game…"), &GameMenus::hostRequested)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    item(file, QStringLiteral("JoinAGame1"), QT_TR_NOOP("Join a Game…"), &GameMenus::joinRequested)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    item(file, QStringLiteral("InvitePlayers1"), QT_TR_NOOP("Invite Players…"), &GameMenus::inviteRequested);
    file->addSeparator();
    m_startGame =
        item(file, QStringLiteral("StartGame1"), QT_TR_NOOP("Start Game"), &GameMenus::startRequested);
    m_startGame->setEnabled(false);
    file->addSeparator();
    item(file, QStringLiteral("Exit1"), QT_TR_NOOP("Exit"), &GameMenus::exitRequested);

    QMenu* options = bar->addMenu(QString());
    m_texts->add([options] { options->setTitle(tr("&Options")); });
    m_playSounds = item(options, QStringLiteral("PlaySounds1"), QT_TR_NOOP("Play Sounds"),
                        &GameMenus::playSoundsToggled);
    m_playSounds->setCheckable(true);
    m_playSounds->setChecked(true);
    options->addSeparator();
    item(options, QStringLiteral("TextColor1"), QT_TR_NOOP("Text Color"), &GameMenus::textColourRequested);
    QMenu* sizes = options->addMenu(QString());
    m_texts->add([sizes] { sizes->setTitle(tr("Text Size")); });
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
    item(options, QStringLiteral("ActionColor1"), QT_TR_NOOP("Action Color"),
         &GameMenus::actionColourRequested);
    m_scrollChatOff = options->addAction(QString());
    m_texts->add([this] { m_scrollChatOff->setText(tr("Scroll Chat Off")); });
    m_scrollChatOff->setObjectName(QStringLiteral("ScrollChatOff1"));
    m_scrollChatOff->setCheckable(true);
    m_scrollChatOff->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    item(options, QStringLiteral("ClearMainChat1"), QT_TR_NOOP("Clear Main Chat"),
         &GameMenus::clearChatRequested);
    buildLanguageMenu(options);
    options->addSeparator();
    m_justWatch = options->addAction(QString());
    m_texts->add([this] { m_justWatch->setText(tr("Just Watch")); });
    m_justWatch->setObjectName(QStringLiteral("JustWatch1"));
    m_justWatch->setCheckable(true);
    connect(m_justWatch, &QAction::triggered, this, [this](bool checked) {
        m_justWatch->setChecked(!checked);
        emit justWatchRequested();
    });

    m_view = bar->addMenu(QString());
    m_texts->add([this] { m_view->setTitle(tr("&View")); });
    item(m_view, QStringLiteral("SnapShots1"), QT_TR_NOOP("Snap Shots"), &GameMenus::snapshotsRequested);
    item(m_view, QStringLiteral("Album1"), QT_TR_NOOP("Album"), &GameMenus::albumRequested);
    item(m_view, QStringLiteral("SpyList1"), QT_TR_NOOP("Spy List"), &GameMenus::spectatorsRequested);
    item(m_view, QStringLiteral("PhraseLists1"), QT_TR_NOOP("Phrase Lists"),
         &GameMenus::phraseListsRequested);

    // Help stays last: the window's scale adds its items to the View menu before it.
    QMenu* help = new QMenu(bar);
    m_texts->add([help] { help->setTitle(tr("&Help")); });
    item(help, QStringLiteral("Help2"), QT_TR_NOOP("Contents"), &GameMenus::helpRequested)
        ->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    item(help, QStringLiteral("About1"), QT_TR_NOOP("About"), &GameMenus::aboutRequested);
    bar->addMenu(help);

    m_seatMenu = new QMenu(window);
    m_seatMenu->setObjectName(QStringLiteral("popup_Kick"));
    m_removeFromGame = m_seatMenu->addAction(QString());
    m_texts->add([this] { m_removeFromGame->setText(tr("Remove From Game")); });
    m_removeFromGame->setObjectName(QStringLiteral("removefromgame1"));
    m_voteToRemove = m_seatMenu->addAction(QString());
    m_texts->add([this] { m_voteToRemove->setText(tr("Vote to Remove")); });
    m_voteToRemove->setObjectName(QStringLiteral("votetoremove1"));
    m_voteToRemove->setVisible(false);
    m_seatMenu->addSeparator();
    m_setToJustWatch = m_seatMenu->addAction(QString());
    m_texts->add([this] { m_setToJustWatch->setText(tr("Set to Just Watch")); });
    m_setToJustWatch->setObjectName(QStringLiteral("SettoJustWatch1"));
    m_unsetJustWatch = m_seatMenu->addAction(QString());
    m_texts->add([this] { m_unsetJustWatch->setText(tr("Unset Just Watch")); });
    m_unsetJustWatch->setObjectName(QStringLiteral("UnsetJustWatch1"));
}

void GameMenus::buildLanguageMenu(QMenu* options)
{
    QMenu* languages = options->addMenu(QString());
    languages->setObjectName(QStringLiteral("Language1"));
    m_texts->add([languages] { languages->setTitle(tr("Language")); });
    auto* group = new QActionGroup(languages);
    const auto add = [this, languages, group](const QString& code) {
        QAction* action = languages->addAction(QString());
        action->setObjectName(
            QStringLiteral("Language_%1").arg(code.isEmpty() ? QStringLiteral("system") : code));
        action->setCheckable(true);
        action->setData(code);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] { emit uiLanguageChosen(code); });
        m_languages << action;
        return action;
    };
    QAction* system = add(QString());
    m_texts->add([system] { system->setText(tr("System default")); });
    languages->addSeparator();
    // Each language is named in itself, so it can be found from any other.
    for (const UiLanguage& language : kUiLanguages)
        add(QString::fromLatin1(language.code))->setText(QString::fromUtf8(language.name));
}

void GameMenus::showUiLanguage(const QString& code)
{
    bool ticked = false;
    for (QAction* action : std::as_const(m_languages))
        ticked |= action->data().toString() == code;
    // A code this version does not know is shown as what it falls back to.
    for (QAction* action : std::as_const(m_languages))
        action->setChecked(action->data().toString() == (ticked ? code : QString()));
}

void GameMenus::showTextSize(int size)
{
    for (QAction* action : std::as_const(m_textSizes))
        action->setChecked(action->text().toInt() == size);
}

} // namespace pictova
