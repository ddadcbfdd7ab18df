#include "shell/httpdownload.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QUrl>

namespace pictova {

namespace {

const QString kAbortedReason = QStringLiteral("Connection aborted on request");
QString tooLarge()
{
    return QCoreApplication::translate("pictova::HttpDownload", "The file is too large");
}

QString unsupportedProtocol()
{
    return QCoreApplication::translate("pictova::HttpDownload", "Unsupported protocol");
}
constexpr int kMaxHeaderLineLength = 1024;

// The server's reason phrase is its own text: only a short piece of it reaches the status line.
constexpr int kMaxShownReasonLength = 60;

QString describeFailure(QNetworkReply::NetworkError error, bool certificateRejected, const QString& details)
{
    switch (error) {
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::ProxyNotFoundError:
        return QCoreApplication::translate("pictova::HttpDownload", "could not resolve the server's name");
    case QNetworkReply::ConnectionRefusedError:
        return QCoreApplication::translate("pictova::HttpDownload", "connection refused");
    case QNetworkReply::TimeoutError:
        return QCoreApplication::translate("pictova::HttpDownload", "timed out");
    case QNetworkReply::SslHandshakeFailedError:
        return certificateRejected ? QCoreApplication::translate("pictova::HttpDownload",
                                                                 "the server's certificate is not trusted")
                                   : QCoreApplication::translate("pictova::HttpDownload",
                                                                 "no secure connection could be made");
    case QNetworkReply::RemoteHostClosedError:
        return QCoreApplication::translate("pictova::HttpDownload", "the server closed the connection early");
    case QNetworkReply::ProtocolUnknownError:
    case QNetworkReply::InsecureRedirectError:
        return unsupportedProtocol();
    case QNetworkReply::TooManyRedirectsError:
        return QCoreApplication::translate("pictova::HttpDownload", "Number of redirects hit maximum amount");
    default:
        return details.isEmpty()
                   ? QCoreApplication::translate("pictova::HttpDownload", "could not reach the server")
                   : details;
    }
}

} // namespace

HttpDownload::HttpDownload(QObject* parent) : QObject(parent)
{
    // Nothing between us and the server but what the address names.
    m_network.setProxy(QNetworkProxy::NoProxy);
    m_watchdog.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this,
            [this] { fail(QCoreApplication::translate("pictova::HttpDownload", "timed out")); });
}

HttpDownload::~HttpDownload()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

bool HttpDownload::isRunning() const
{
    return m_reply != nullptr;
}

qint64 HttpDownload::bodyBytes() const
{
    return m_reply ? m_bytes : 0;
}

// A slot may end the download (and even start the next) while we are still in a reply's signal.
bool HttpDownload::isCurrent(const QNetworkReply* reply) const
{
    return reply && m_reply == reply;
}

bool HttpDownload::isSecure(const QString& url)
{
    return QUrl(url).scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
}

bool HttpDownload::start(const QString& url, QIODevice* body)
{
    if (m_reply || !body)
        return false;
    m_failureText.clear();
    const QUrl address(url);
    const QString scheme = address.scheme().toLower();
    // The network access manager also reads local files and resources: only the web is asked.
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        m_failureText = unsupportedProtocol();
        return false;
    }

    QNetworkRequest request(address);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArray(kUserAgent));
    request.setRawHeader("Accept", kAccept);
    // The file is stored as the server sends it, and the connection serves this request alone.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setRawHeader("Connection", "close");
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    // A download that began over https never continues over plain http.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    // Qt's defaults, set again so the file cannot come from a server whose certificate does not
    // check out: the file is a program the player may run.
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    request.setSslConfiguration(tls);

    m_body = body;
    m_certificateRejected = false;
    m_begun = false;
    m_headerLines = 0;
    m_bytes = 0;
    QNetworkReply* reply = m_network.get(request);
    m_reply = reply;
    m_watchdog.start(kConnectTimeoutMs);
    connect(reply, &QNetworkReply::requestSent, this, [this] { m_watchdog.start(kStallTimeoutMs); });
    connect(reply, &QNetworkReply::metaDataChanged, this, &HttpDownload::readHeaders);
    connect(reply, &QNetworkReply::readyRead, this, &HttpDownload::readBody);
    connect(reply, &QNetworkReply::finished, this, &HttpDownload::replyFinished);
    // Errors are not ignored, so the handshake fails; this only tells that failure apart.
    connect(reply, &QNetworkReply::sslErrors, this, [this] { m_certificateRejected = true; });
    return true;
}

void HttpDownload::abort()
{
    if (m_reply)
        finish(false, 404, kAbortedReason, tr("aborted on request"));
}

void HttpDownload::readHeaders()
{
    QNetworkReply* reply = m_reply;
    if (!reply)
        return;
    m_watchdog.start(kStallTimeoutMs);
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QString reason =
        QString::fromLatin1(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray())
            .left(kMaxHeaderLineLength);
    QStringList lines{QStringLiteral("HTTP %1 %2").arg(status).arg(reason).trimmed()};
    for (const auto& [name, value] : reply->rawHeaderPairs())
        lines.append(QString::fromLatin1((name + ": " + value).left(kMaxHeaderLineLength)));
    for (const QString& line : lines) {
        if (++m_headerLines > kMaxHeaderLines) {
            fail(QCoreApplication::translate("pictova::HttpDownload", "Too many header lines"));
            return;
        }
        emit headerLine(line);
        if (!isCurrent(reply))
            return;
    }
    // An error page is not the file we asked for: stop before any of it is stored.
    if (status >= 400) {
        failWithStatus(status, reason);
        return;
    }
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > kMaxBodyBytes)
        fail(tooLarge());
}

void HttpDownload::readBody()
{
    QNetworkReply* reply = m_reply;
    if (!reply)
        return;
    m_watchdog.start(kStallTimeoutMs);
    const QByteArray data = reply->readAll();
    if (data.isEmpty())
        return;
    if (m_bytes + data.size() > kMaxBodyBytes) {
        fail(tooLarge());
        return;
    }
    if (!m_begun) {
        m_begun = true;
        emit documentBegin();
        if (!isCurrent(reply))
            return;
    }
    if (m_body->write(data) != data.size()) {
        fail(QCoreApplication::translate("pictova::HttpDownload", "Unable to write the file"));
        return;
    }
    m_bytes += data.size();
    emit documentData(m_bytes);
}

void HttpDownload::replyFinished()
{
    QNetworkReply* reply = m_reply;
    if (!reply)
        return;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400) {
        failWithStatus(status, QString::fromLatin1(
                                   reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray())
                                   .left(kMaxHeaderLineLength));
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        fail(describeFailure(reply->error(), m_certificateRejected, reply->errorString()));
        return;
    }
    // The last piece may come with the end.
    readBody();
    if (!isCurrent(reply))
        return;
    if (!m_begun) {
        emit documentBegin();
        if (!isCurrent(reply))
            return;
    }
    finish(true, status,
           QString::fromLatin1(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray()),
           {});
}

void HttpDownload::fail(const QString& why)
{
    finish(false, 404, why, why);
}

void HttpDownload::failWithStatus(int status, const QString& reason)
{
    const QString shown =
        QStringLiteral("HTTP %1 %2").arg(status).arg(reason.left(kMaxShownReasonLength)).trimmed();
    finish(false, status, reason, shown);
}

void HttpDownload::finish(bool ok, int status, const QString& reason, const QString& failureText)
{
    m_watchdog.stop();
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    m_body = nullptr;
    if (reply) {
        // Quiet first: a reply that is cut off still reports its end, and that is ours to tell.
        reply->disconnect(this);
        // Cut off once we are out of its signals: an abort inside one leaves Qt to report the
        // reply's error twice, and a deleted reply may leave its connection open.
        QMetaObject::invokeMethod(
            reply,
            [reply] {
                if (!reply->isFinished())
                    reply->abort();
                reply->deleteLater();
            },
            Qt::QueuedConnection);
    }
    m_failureText = failureText;
    emit finished(ok, status, reason);
}

} // namespace pictova
