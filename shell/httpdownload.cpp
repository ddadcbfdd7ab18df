#include "shell/httpdownload.h"

#include <QIODevice>
#include <QSocketNotifier>
#include <QTimer>
#include <QUrl>

#include <curl/curl.h>

#include <cerrno>
#include <deque>
#include <map>

namespace pictova {

namespace {

const QString kAbortedReason = QStringLiteral("Connection aborted on request");
constexpr long kConnectTimeoutSeconds = 30;
// A server that stops sending for this long has let the download die.
constexpr long kStallSeconds = 60;
constexpr int kMaxHeaderLineLength = 1024;

// The server's reason phrase is its own text: only a short piece of it reaches the status line.
constexpr int kMaxShownReasonLength = 60;

QString describeCurlFailure(CURLcode result, long osError)
{
    switch (result) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
        return QStringLiteral("could not resolve the server's name");
    case CURLE_COULDNT_CONNECT:
        return osError == ECONNREFUSED ? QStringLiteral("connection refused")
                                       : QStringLiteral("could not reach the server");
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("timed out");
    case CURLE_PEER_FAILED_VERIFICATION:
        return QStringLiteral("the server's certificate is not trusted");
    case CURLE_SSL_CONNECT_ERROR:
        return QStringLiteral("no secure connection could be made");
    case CURLE_PARTIAL_FILE:
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
        return QStringLiteral("the server closed the connection early");
    case CURLE_FILESIZE_EXCEEDED:
        return QStringLiteral("The file is too large");
    default:
        return QString::fromUtf8(curl_easy_strerror(result));
    }
}

void initialiseCurlOnce()
{
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(initialised);
}

} // namespace

struct HttpDownload::Transfer
{
    struct Event
    {
        enum Kind { Header, Begin, Data } kind;
        QString line;
        qint64 total = 0;
    };
    struct Watch
    {
        QSocketNotifier* read = nullptr;
        QSocketNotifier* write = nullptr;
    };

    explicit Transfer(HttpDownload* owner) : owner(owner) { timer.setSingleShot(true); }
    ~Transfer()
    {
        // Quiet the notifiers before curl closes their sockets.
        for (auto& [socket, watch] : watches) {
            watch.read->setEnabled(false);
            watch.write->setEnabled(false);
        }
        if (multi && easy)
            curl_multi_remove_handle(multi, easy);
        if (easy)
            curl_easy_cleanup(easy);
        if (multi)
            curl_multi_cleanup(multi);
        curl_slist_free_all(headers);
        timer.stop();
        for (auto& [socket, watch] : watches)
            forget(watch);
    }

    // A notifier may be the very sender whose signal we are inside of, so it goes later.
    static void forget(Watch& watch)
    {
        for (QSocketNotifier* notifier : {watch.read, watch.write}) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    }

    HttpDownload* owner;
    CURLM* multi = nullptr;
    CURL* easy = nullptr;
    curl_slist* headers = nullptr;
    QIODevice* body = nullptr;
    QTimer timer;
    std::map<curl_socket_t, Watch> watches;
    std::deque<Event> pending; // signals wait until curl has returned, so no slot re-enters it
    bool inCurl = false;
    bool aborted = false;
    QString failure;
    int status = 0;
    QString reason;
    int headerLines = 0;
    bool begun = false;
    qint64 bytes = 0;

    // Curl's callbacks. They only record: signals wait in `pending` until curl has returned.
    static size_t onHeader(char* data, size_t size, size_t count, void* user)
    {
        auto* t = static_cast<Transfer*>(user);
        const size_t length = size * count;
        if (t->aborted)
            return 0;
        QByteArray line(data, static_cast<qsizetype>(length));
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            // An error page is not the file we asked for: stop before any of it is stored.
            return t->status >= 400 ? 0 : length;
        if (line.startsWith("HTTP/")) {
            const QList<QByteArray> parts = line.split(' ');
            t->status = parts.size() > 1 ? parts[1].toInt() : 0;
            const qsizetype reasonStart =
                parts.size() > 2 ? parts[0].size() + parts[1].size() + 2 : line.size();
            t->reason = QString::fromLatin1(line.mid(reasonStart).left(kMaxHeaderLineLength));
        }
        if (++t->headerLines > HttpDownload::kMaxHeaderLines) {
            t->failure = QStringLiteral("Too many header lines");
            return 0;
        }
        t->pending.push_back({Event::Header, QString::fromLatin1(line.left(kMaxHeaderLineLength))});
        return length;
    }

    static size_t onBody(char* data, size_t size, size_t count, void* user)
    {
        auto* t = static_cast<Transfer*>(user);
        const auto length = static_cast<qint64>(size * count);
        if (t->aborted)
            return 0;
        if (t->bytes + length > HttpDownload::kMaxBodyBytes) {
            t->failure = QStringLiteral("The file is too large");
            return 0;
        }
        if (!t->begun) {
            t->begun = true;
            t->pending.push_back({Event::Begin, {}});
        }
        if (t->body->write(data, length) != length) {
            t->failure = QStringLiteral("Unable to write the file");
            return 0;
        }
        t->bytes += length;
        t->pending.push_back({Event::Data, {}, t->bytes});
        return static_cast<size_t>(length);
    }

    static int onSocket(CURL*, curl_socket_t socket, int what, void* user, void*)
    {
        auto* t = static_cast<Transfer*>(user);
        if (what == CURL_POLL_REMOVE) {
            const auto found = t->watches.find(socket);
            if (found != t->watches.end()) {
                forget(found->second);
                t->watches.erase(found);
            }
            return 0;
        }
        auto& watch = t->watches[socket];
        if (!watch.read) {
            HttpDownload* owner = t->owner;
            const auto descriptor = static_cast<long long>(socket);
            watch.read = new QSocketNotifier(socket, QSocketNotifier::Read);
            watch.write = new QSocketNotifier(socket, QSocketNotifier::Write);
            QObject::connect(watch.read, &QSocketNotifier::activated, owner,
                             [owner, descriptor] { owner->socketReady(descriptor, CURL_CSELECT_IN); });
            QObject::connect(watch.write, &QSocketNotifier::activated, owner,
                             [owner, descriptor] { owner->socketReady(descriptor, CURL_CSELECT_OUT); });
        }
        watch.read->setEnabled(what == CURL_POLL_IN || what == CURL_POLL_INOUT);
        watch.write->setEnabled(what == CURL_POLL_OUT || what == CURL_POLL_INOUT);
        return 0;
    }

    static int onTimer(CURLM*, long timeoutMs, void* user)
    {
        auto* t = static_cast<Transfer*>(user);
        if (timeoutMs < 0)
            t->timer.stop();
        else
            t->timer.start(static_cast<int>(qMin<long>(timeoutMs, 24 * 3600 * 1000)));
        return 0;
    }
};

HttpDownload::HttpDownload(QObject* parent) : QObject(parent)
{
    initialiseCurlOnce();
}

HttpDownload::~HttpDownload() = default;

bool HttpDownload::isRunning() const
{
    return m_transfer != nullptr;
}

qint64 HttpDownload::bodyBytes() const
{
    return m_transfer ? m_transfer->bytes : 0;
}

bool HttpDownload::isSecure(const QString& url)
{
    return QUrl(url).scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
}

bool HttpDownload::start(const QString& url, QIODevice* body)
{
    if (m_transfer || !body)
        return false;
    m_failureText.clear();
    auto t = std::make_unique<Transfer>(this);
    t->body = body;
    t->multi = curl_multi_init();
    t->easy = curl_easy_init();
    if (!t->multi || !t->easy)
        return false;

    const QByteArray address = url.toUtf8();
    CURL* easy = t->easy;
    curl_easy_setopt(easy, CURLOPT_URL, address.constData());
    curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(easy, CURLOPT_USERAGENT, kUserAgent);
    t->headers = curl_slist_append(nullptr, (QByteArray("Accept: ") + kAccept).constData());
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, t->headers);
    curl_easy_setopt(easy, CURLOPT_PROXY, "");
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    // A download that began over https never continues over plain http.
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, isSecure(url) ? "https" : "http,https");
    // Libcurl's defaults, set again so the file cannot come from a server whose certificate
    // does not check out: the file is a program the player may run.
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, kStallSeconds);
    curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(kMaxBodyBytes));
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, Transfer::onHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, t.get());
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, Transfer::onBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, t.get());

    curl_multi_setopt(t->multi, CURLMOPT_SOCKETFUNCTION, Transfer::onSocket);
    curl_multi_setopt(t->multi, CURLMOPT_SOCKETDATA, t.get());
    curl_multi_setopt(t->multi, CURLMOPT_TIMERFUNCTION, Transfer::onTimer);
    curl_multi_setopt(t->multi, CURLMOPT_TIMERDATA, t.get());
    connect(&t->timer, &QTimer::timeout, this, &HttpDownload::timeoutReached);

    ++m_generation;
    m_transfer = std::move(t);
    if (curl_multi_add_handle(m_transfer->multi, m_transfer->easy) != CURLM_OK) {
        // Nothing was added, so there is nothing to remove on the way out.
        curl_easy_cleanup(m_transfer->easy);
        m_transfer->easy = nullptr;
        m_transfer.reset();
        return false;
    }
    return true;
}

void HttpDownload::abort()
{
    if (!m_transfer)
        return;
    if (m_transfer->inCurl) {
        // Curl is on the stack; it learns of the abort from its callbacks and we finish after it.
        m_transfer->aborted = true;
        return;
    }
    finish(false, 404, kAbortedReason, QStringLiteral("aborted on request"));
}

void HttpDownload::socketReady(long long socket, int direction)
{
    if (!m_transfer)
        return;
    const std::uint64_t generation = m_generation;
    int running = 0;
    m_transfer->inCurl = true;
    curl_multi_socket_action(m_transfer->multi, static_cast<curl_socket_t>(socket), direction, &running);
    m_transfer->inCurl = false;
    afterCurl(generation);
}

void HttpDownload::timeoutReached()
{
    if (!m_transfer)
        return;
    const std::uint64_t generation = m_generation;
    int running = 0;
    m_transfer->inCurl = true;
    curl_multi_socket_action(m_transfer->multi, CURL_SOCKET_TIMEOUT, 0, &running);
    m_transfer->inCurl = false;
    afterCurl(generation);
}

void HttpDownload::afterCurl(std::uint64_t generation)
{
    const auto current = [this, generation] { return m_transfer && m_generation == generation; };
    while (current() && !m_transfer->pending.empty()) {
        const Transfer::Event event = m_transfer->pending.front();
        m_transfer->pending.pop_front();
        switch (event.kind) {
        case Transfer::Event::Header:
            emit headerLine(event.line);
            break;
        case Transfer::Event::Begin:
            emit documentBegin();
            break;
        case Transfer::Event::Data:
            emit documentData(event.total);
            break;
        }
    }
    if (!current())
        return;
    if (m_transfer->aborted) {
        finish(false, 404, kAbortedReason, QStringLiteral("aborted on request"));
        return;
    }
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(m_transfer->multi, &left)) {
        if (message->msg != CURLMSG_DONE)
            continue;
        const CURLcode result = message->data.result;
        Transfer& t = *m_transfer;
        if (t.status >= 400) {
            const QString shown = QStringLiteral("HTTP %1 %2")
                                      .arg(t.status)
                                      .arg(t.reason.left(kMaxShownReasonLength))
                                      .trimmed();
            finish(false, t.status, t.reason, shown);
        } else if (result != CURLE_OK) {
            long osError = 0;
            curl_easy_getinfo(t.easy, CURLINFO_OS_ERRNO, &osError);
            const QString why = t.failure.isEmpty() ? describeCurlFailure(result, osError) : t.failure;
            finish(false, 404, why, why);
        } else {
            if (!t.begun)
                emit documentBegin();
            if (current())
                finish(true, t.status, t.reason, {});
        }
        return;
    }
}

void HttpDownload::finish(bool ok, int status, const QString& reason, const QString& failureText)
{
    m_failureText = failureText;
    m_transfer.reset();
    ++m_generation;
    emit finished(ok, status, reason);
}

} // namespace pictova
