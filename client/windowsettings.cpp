#include "client/windowsettings.h"

#include "board/snapshot.h"
#include "chat/chatinput.h"
#include "chat/chatlog.h"
#include "chat/phrasebuttons.h"
#include "client/gamemenus.h"
#include "client/model/gamemodel.h"
#include "client/soundcues.h"
#include "messaging/errors.h"
#include "shell/apppaths.h"
#include "shell/settings.h"
#include "translations/uilanguage.h"

#include <QAction>
#include <QDir>

namespace pictova {

WindowSettings::WindowSettings(const GameModel& model, Parts parts, QObject* parent)
    : QObject(parent), m_model(model), m_parts(parts)
{
    // The language was put in place before the window was built; the menu shows which.
    m_parts.menus->showUiLanguage(loadUiLanguage(settingsFilePath()));
}

void WindowSettings::chooseUiLanguage(const QString& code)
{
    m_parts.menus->showUiLanguage(code);
    applyUiLanguage(code);
    saveUiLanguage(settingsFilePath(), code);
}

void WindowSettings::load()
{
    const LoadedSettings loaded = loadSettings(settingsFilePath(), m_snapshotCounter);
    m_parts.menus->showTextSize(loaded.textsize);
    m_snapshotCounter = loaded.snapcount;
    m_parts.input->setTextColour(loaded.textcolour);
    m_parts.log->setTextSize(loaded.textsize);
    m_parts.input->setActionColour(loaded.actioncolour);
    for (int n = 1; n <= 10; ++n)
        if (!loaded.phrases.value(n - 1).isEmpty())
            m_parts.phrases->setPhraseText(n, loaded.phrases.value(n - 1));
    m_parts.menus->playSounds()->setChecked(loaded.playsounds);
    m_parts.sounds->setEnabled(loaded.playsounds);
}

void WindowSettings::save()
{
    SavedSettings saved;
    saved.textsize = m_parts.log->textSize();
    saved.snapcount = m_snapshotCounter;
    saved.textcolour = m_parts.input->textColour();
    saved.actioncolour = m_parts.input->actionColour();
    saved.playsounds = m_parts.menus->playSounds()->isChecked();
    saveSettings(settingsFilePath(), saved);
}

void WindowSettings::setChatTextSize(int size)
{
    m_parts.log->setTextSize(size);
    save();
}

void WindowSettings::onPlaySoundsToggled()
{
    m_parts.sounds->setEnabled(m_parts.menus->playSounds()->isChecked());
    save();
}

void WindowSettings::chooseTextColour()
{
    m_parts.input->chooseTextColour();
    // Saved whether or not the dialog was confirmed.
    save();
}

void WindowSettings::chooseActionColour()
{
    m_parts.input->chooseActionColour();
}

void WindowSettings::takeSnapshot()
{
    const QString caption = m_model.turnCaption();
    if (caption.isEmpty())
        return;
    ++m_snapshotCounter;
    QDir().mkpath(snapshotFolder());
    pictova::takeSnapshot(*m_parts.canvas, caption, m_snapshotCounter, snapshotFolder());
    save();
}

} // namespace pictova
