#include "web/httprequest.h"

#include <QList>

namespace pictova::web {

namespace {
bool isTokenChar(char c)
{
    // RFC 9110 tchar.
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

QByteArray trimmed(QByteArrayView text)
{
    return text.trimmed().toByteArray();
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<QByteArray> percentDecoded(QByteArrayView text)
{
    QByteArray decoded;
    decoded.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            decoded.append(text[i]);
            continue;
        }
        if (i + 2 >= text.size())
            return std::nullopt;
        const int high = hexValue(text[i + 1]);
        const int low = hexValue(text[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        decoded.append(static_cast<char>(high * 16 + low));
        i += 2;
    }
    return decoded;
}
} // namespace

QByteArray HttpRequest::header(QByteArrayView name) const
{
    for (const auto& [key, value] : headers)
        if (key == name)
            return value;
    return {};
}

bool HttpRequest::hasHeader(QByteArrayView name) const
{
    for (const auto& header : headers)
        if (header.first == name)
            return true;
    return false;
}

bool HttpRequest::headerHasToken(QByteArrayView name, QByteArrayView token) const
{
    for (const auto& [key, value] : headers) {
        if (key != name)
            continue;
        for (const QByteArray& part : value.split(','))
            if (part.trimmed().compare(token, Qt::CaseInsensitive) == 0)
                return true;
    }
    return false;
}

bool HttpRequest::keepAlive() const
{
    if (headerHasToken("connection", "close"))
        return false;
    return minorVersion >= 1 || headerHasToken("connection", "keep-alive");
}

qsizetype headLength(QByteArrayView bytes)
{
    for (qsizetype i = bytes.indexOf('\n'); i >= 0; i = bytes.indexOf('\n', i + 1)) {
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
            return i + 2;
        if (i + 2 < bytes.size() && bytes[i + 1] == '\r' && bytes[i + 2] == '\n')
            return i + 3;
    }
    return 0;
}

std::optional<HttpRequest> parseHead(QByteArrayView head)
{
    if (head.size() > kMaxHeadBytes)
        return std::nullopt;
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    for (qsizetype end = head.indexOf('\n'); end >= 0; end = head.indexOf('\n', start)) {
        QByteArrayView line = head.sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(line);
        start = end + 1;
    }
    // The last line is the blank one that ends the head.
    if (lines.size() < 2 || !lines.last().isEmpty() || start != head.size())
        return std::nullopt;
    lines.removeLast();

    const QList<QByteArray> parts = lines.first().toByteArray().split(' ');
    if (parts.size() != 3 || parts[0].isEmpty() || parts[1].isEmpty())
        return std::nullopt;
    HttpRequest request;
    for (char c : parts[0])
        if (!isTokenChar(c))
            return std::nullopt;
    for (char c : parts[1])
        if (static_cast<unsigned char>(c) <= 0x20 || static_cast<unsigned char>(c) >= 0x7F)
            return std::nullopt;
    if (parts[2] == "HTTP/1.1")
        request.minorVersion = 1;
    else if (parts[2] == "HTTP/1.0")
        request.minorVersion = 0;
    else
        return std::nullopt;
    request.method = parts[0];
    request.target = parts[1];

    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArrayView line = lines[i];
        const qsizetype colon = line.indexOf(':');
        // No folded lines, no blank before the colon, a name of token characters.
        if (colon <= 0)
            return std::nullopt;
        const QByteArrayView name = line.first(colon);
        for (char c : name)
            if (!isTokenChar(c))
                return std::nullopt;
        const QByteArrayView value = line.sliced(colon + 1);
        for (char c : value)
            if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F)
                return std::nullopt;
        request.headers.emplace_back(name.toByteArray().toLower(), trimmed(value));
    }
    return request;
}

std::optional<QString> fileNameOf(QByteArrayView target)
{
    if (!target.startsWith('/'))
        return std::nullopt;
    if (const qsizetype query = target.indexOf('?'); query >= 0)
        target = target.first(query);
    const std::optional<QByteArray> path = percentDecoded(target);
    if (!path)
        return std::nullopt;
    for (char c : *path)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '\\')
            return std::nullopt;
    if (path->contains(".."))
        return std::nullopt;
    // A room's link is the page itself; the page reads the room from its address.
    if (*path == "/" || path->startsWith("/r/"))
        return QStringLiteral("index.html");
    // The name of an embedded file: plain letters, digits, dots, dashes, underscores and folders.
    const QByteArray name = path->mid(1);
    if (name.isEmpty() || name.startsWith('/') || name.endsWith('/') || name.contains("//"))
        return std::nullopt;
    for (char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
              c == '-' || c == '_' || c == '/'))
            return std::nullopt;
    return QString::fromLatin1(name);
}

bool sameOrigin(QByteArrayView origin, QByteArrayView host, bool secure)
{
    if (host.isEmpty())
        return false;
    // Behind a proxy that speaks https for it, a plain server's page is an https page.
    for (const QByteArrayView scheme : {QByteArrayView("https://"), QByteArrayView("http://")}) {
        if (secure && scheme == "http://")
            continue;
        if (origin.startsWith(scheme) && origin.sliced(scheme.size()).compare(host, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QByteArray contentTypeOf(const QString& fileName)
{
    static const std::pair<const char*, const char*> kTypes[] = {
        {".html", "text/html; charset=utf-8"},
        {".js", "text/javascript; charset=utf-8"},
        {".mjs", "text/javascript; charset=utf-8"},
        {".css", "text/css; charset=utf-8"},
        {".json", "application/json"},
        {".webmanifest", "application/manifest+json"},
        {".png", "image/png"},
        {".svg", "image/svg+xml"},
        {".ico", "image/x-icon"},
        {".wav", "audio/wav"},
        {".woff2", "font/woff2"},
        {".txt", "text/plain; charset=utf-8"},
    };
    for (const auto& [extension, type] : kTypes)
        if (fileName.endsWith(QLatin1String(extension)))
            return type;
    return "application/octet-stream";
}

} // namespace pictova::web
