#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>

class QIODevice;

namespace pictova {

// One HTTP/1.0 GET at a time, streamed into a device the caller opened. It runs on the GUI
// thread's event loop (socket notifiers and one single-shot timer, nothing while idle), so the
// game goes on during the download and abort() takes effect at once.
class HttpDownload : public QObject
{
    Q_OBJECT
public:
    explicit HttpDownload(QObject* parent = nullptr);
    ~HttpDownload() override;

    // false when a download already runs or the request could not be set up.
    bool start(const QString& url, QIODevice* body);
    // Ends a running download with status 404 and "Connection aborted on request"; finished()
    // is emitted before this returns. Does nothing when no download runs.
    void abort();

    bool isRunning() const;
    qint64 bodyBytes() const;
    // Why the last download failed, in a few words for the player ("connection refused",
    // "HTTP 404 Not Found", "aborted"); empty after a download that succeeded.
    QString failureText() const { return m_failureText; }
    // An https address is only fetched from a server whose certificate the system trusts.
    static bool isSecure(const QString& url);

    static constexpr const char* kUserAgent = "Mozilla/3.0 (compatible)";
    static constexpr const char* kAccept = "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*";
    // A server cannot fill the disk or the status label without end.
    static constexpr qint64 kMaxBodyBytes = 256ll * 1024 * 1024;
    static constexpr int kMaxHeaderLines = 200;

signals:
    void headerLine(const QString& line);
    void documentBegin();
    void documentData(qint64 totalBytes);
    // ok: the whole body arrived. Otherwise status is the HTTP status (400 and up), or 404 when
    // the server could not be reached, the request was aborted or the body could not be stored.
    void finished(bool ok, int status, const QString& reason);

private:
    struct Transfer;
    void socketReady(long long socket, int direction);
    void timeoutReached();
    void afterCurl(std::uint64_t generation);
    void finish(bool ok, int status, const QString& reason, const QString& failureText);

    std::unique_ptr<Transfer> m_transfer;
    std::uint64_t m_generation = 0;
    QString m_failureText;
};

} // namespace pictova
