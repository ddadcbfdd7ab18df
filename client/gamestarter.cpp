#include "client/gamestarter.h"

#include "hosting/localhost.h"

#include "chat/chatlog.h"
#include "chat/received.h"
#include "client/model/clientsession.h"
#include "client/windowprompts.h"
#include "messaging/catalogue.h"
#include "messaging/errors.h"
#include "messaging/wire.h"
#include "server/wordfolder.h"
#include "shell/apppaths.h"
#include "shell/downloaddialog.h"
#include "shell/gamestartform.h"
#include "shell/settings.h"

namespace pictova {

GameStarter::GameStarter(ClientSession& session, LocalHost& localHost, ChatLog& log, QWidget* window)
    : QObject(window), m_session(session), m_localHost(localHost), m_log(log), m_window(window)
{
}

QString GameStarter::gamePort()
{
    const QString port = qEnvironmentVariable("PICTOVA_PORT");
    return port.isEmpty() ? QStringLiteral("7772") : port;
}

void GameStarter::setStartForm(GameStartForm* form)
{
    m_form = form;
    form->setWordFolderCheck([](const QString& folder) {
        const WordFolder words = WordFolder::read(folder);
        return GameStartForm::WordFolderCheck{words.report(), words.usable()};
    });
    // The choices of the last start, this run's or an earlier one's, are offered again.
    form->setChoices(loadStartChoices(settingsFilePath()));
    connect(form, &GameStartForm::startRequested, this, [this] {
        try {
            startGame();
        } catch (const PictovaError& error) {
            reportError(error.text());
        }
    });
    // Closing the form without a start leaves the host a way back to it.
    connect(form, &GameStartForm::dismissed, this, [this] {
        GameModel& model = m_session.model();
        if (model.isGameMaster() && (model.phase() == GamePhase::NoGame || model.phase() == GamePhase::Won))
            model.setStartOffered(true);
    });
}

void GameStarter::applyCommandLine(const QStringList& params)
{
    GameModel& model = m_session.model();
    model.setStartOffered(false);
    model.setStartMenuEnabled(false);
    m_session.setLoginName({});
    if (params.isEmpty()) {
        m_log.addlinetochat(tr("Loading Solo Game..Please wait."), kStatusColour);
        if (m_download) {
            m_download->show();
            m_download->raise();
        }
        m_session.setHostAddress(QStringLiteral("127.0.0.1"));
        m_session.setPlayerName(QStringLiteral("You"));
        model.setSolo(true);
        hostGame();
        return;
    }
    m_log.addlinetochat(tr("Loading Multi-player Game.. Please Wait."), kStatusColour);
    // The terminator byte cannot travel inside a message.
    m_session.setPlayerName(withoutTerminator(params.value(0)));
    if (params.size() >= 2)
        m_session.setHostAddress(params.value(1));
    if (params.size() >= 3) {
        if (params.value(2) == QLatin1String("true"))
            hostGame();
        else
            joinGame();
        try {
            m_session.openSideChannel();
        } catch (const PictovaError& error) {
            reportError(error.text());
        }
    }
}

void GameStarter::hostGame()
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
    try {
        m_session.connectTo(QStringLiteral("127.0.0.1"), port);
    } catch (const PictovaError& error) {
        reportError(error.text());
    }
    model.setStartOffered(true);
    model.setStartMenuEnabled(true);
}

void GameStarter::joinGame()
{
    m_session.setLoginName(m_session.playerName());
    try {
        m_session.connectTo(m_session.hostAddress(), gamePort());
    } catch (const PictovaError& error) {
        reportError(error.text());
    }
}

void GameStarter::onStartClicked()
{
    if (!m_session.model().loggedIn()) {
        prompts::showNotice(m_window, tr("You are not connected"), {});
        return;
    }
    if (m_session.model().gameRunning()) {
        prompts::askToRestart(m_window, [this] {
            if (m_session.model().loggedIn())
                openStartForm();
        });
        return;
    }
    openStartForm();
}

void GameStarter::openStartForm()
{
    if (m_form) {
        m_form->setHostsGame(m_session.model().hosting());
        m_form->setRevealLettersOffered(m_session.serverFeatures().contains(feature::revealLetters));
    }
    emit presentRequested(m_form);
    m_session.model().setStartOffered(false);
}

void GameStarter::startGame()
{
    if (!m_form)
        return;
    try {
        saveStartChoices(settingsFilePath(), m_form->choices());
    } catch (const PictovaError&) {
        // Not remembering the choices does not stop the game.
    }
    m_localHost.useWordFolder(m_form->wordFolder(), m_form->wordsLanguage());
    m_session.requestStart(m_form->teamChecked(), m_form->playtoText(), m_form->timeText(),
                           m_form->revealLettersChecked());
}

} // namespace pictova
