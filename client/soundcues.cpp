#include "client/soundcues.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

static void registerSoundResources()
{
    Q_INIT_RESOURCE(sound_files);
}

namespace pictova {

SoundCues::SoundCues(QObject* parent) : QObject(parent)
{
    registerSoundResources();
}

bool SoundCues::silent()
{
    // Asked on the first cue rather than at start-up: opening the audio system takes a while.
    // Without an audio device there is nothing to play on; stay quiet instead of complaining.
    if (!m_silenceKnown) {
        m_silent = qEnvironmentVariableIsSet("PICTOVA_NO_SOUND") || QMediaDevices::audioOutputs().isEmpty();
        m_silenceKnown = true;
    }
    return m_silent;
}

QStringList SoundCues::cueNames()
{
    return {"cat0",    "cat1",    "cat2",     "cat3",     "cat4", "cat5", "cat6",
            "correct", "entered", "gameover", "noanswer", "pass", "turn"};
}

QSoundEffect* SoundCues::effect(const QString& name)
{
    const QString key = name.toLower();
    if (!cueNames().contains(key))
        return nullptr;
    auto it = m_effects.find(key);
    if (it != m_effects.end())
        return *it;
    auto* sound = new QSoundEffect(this);
    sound->setSource(QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(key)));
    m_effects.insert(key, sound);
    return sound;
}

void SoundCues::playsounds(const QString& name)
{
    if (!m_enabled)
        return;
    m_history << name.toLower();
    if (m_history.size() > 100)
        m_history.removeFirst();
    if (silent())
        return;
    QSoundEffect* sound = effect(name);
    if (!sound)
        return;
    if (m_playing && m_playing != sound)
        m_playing->stop();
    m_playing = sound;
    sound->play();
}

} // namespace pictova
