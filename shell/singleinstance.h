#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

namespace pictova {

// Lets one copy of the game run per user session. The first copy holds the lock "kavrel" and
// listens beside it; a later copy asks that one to come forward and then leaves. Every copy
// that gets past the check also holds the marker lock "pictova" until it ends.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // `runtimeFolder` empty: $XDG_RUNTIME_DIR, or the temporary folder when that is unset.
    explicit SingleInstance(QObject* parent = nullptr, const QString& runtimeFolder = QString());
    ~SingleInstance() override;

    // true: we are the first (or the check itself could not be made, and we run anyway);
    // false: another copy runs and was asked to raise its window.
    bool acquire();

    QString lockPath() const;
    QString socketPath() const;
    static QString defaultRuntimeFolder();

signals:
    void raiseRequested();

private:
    void serveRaiseRequests();
    bool askFirstToRaise() const;

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLockFile> m_marker;
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace pictova
