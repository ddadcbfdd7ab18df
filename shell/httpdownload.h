#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QIODevice;
class QNetworkReply;

namespace pictova {

// One HTTP GET at a time, streamed into a device the caller opened. It runs on the GUI thread's
// event loop, so the game goes on during the download and abort() takes effect at once.
class HttpDownload : public QObject
{
    Q_OBJECT
public:
    explicit HttpDownload(QObject* parent = nullptr);
    ~HttpDownload() override;

    // false when a download already runs or the request could not be set up (failureText()
    // then says why when there is a reason to give).
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
    static constexpr int kMaxRedirects = 5;
    static constexpr int kConnectTimeoutMs = 30 * 1000;
    // A server that stops sending for this long has let the download die.
    static constexpr int kStallTimeoutMs = 60 * 1000;

signals:
    void headerLine(const QString& line);
    void documentBegin();
    void documentData(qint64 totalBytes);
    // ok: the whole body arrived. Otherwise status is the HTTP status (400 and up), or 404 when
    // the server could not be reached, the request was aborted or the body could not be stored.
    void finished(bool ok, int status, const QString& reason);

private:
    void readHeaders();
    void readBody();
    void replyFinished();
    void fail(const QString& why);
    void failWithStatus(int status, const QString& reason);
    void finish(bool ok, int status, const QString& reason, const QString& failureText);
    bool isCurrent(const QNetworkReply* reply) const;

    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    QIODevice* m_body = nullptr;
    // Runs for the connection (and handshake) first, then from each piece of the reply to the next.
    QTimer m_watchdog;
    bool m_certificateRejected = false;
    bool m_begun = false;
    int m_headerLines = 0;
    qint64 m_bytes = 0;
    QString m_failureText;
};

} // namespace pictova
