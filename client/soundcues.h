#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QSoundEffect;

namespace pictova {

// The game's sound cues, played by name without waiting. A new cue cuts off one still playing;
// a machine without sound stays silent and never reports an error.
class SoundCues : public QObject
{
    Q_OBJECT
public:
    explicit SoundCues(QObject* parent = nullptr);

    void playsounds(const QString& name);

    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool enabled() const { return m_enabled; }

    // The latest cues asked for while enabled, oldest first (tests and diagnostics).
    const QStringList& history() const { return m_history; }

    static QStringList cueNames();

private:
    QSoundEffect* effect(const QString& name);
    bool silent();

    bool m_enabled = true;
    bool m_silent = false;
    bool m_silenceKnown = false;
    QHash<QString, QSoundEffect*> m_effects;
    QSoundEffect* m_playing = nullptr;
    QStringList m_history;
};

} // namespace pictova
