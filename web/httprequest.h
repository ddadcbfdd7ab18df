#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace pictova::web {

// A request head (request line and header lines, through the blank line) may be this long.
inline constexpr qsizetype kMaxHeadBytes = 8 * 1024;

// One HTTP/1.x request head, as a browser sends it. Only what serving a few files and a
// WebSocket upgrade needs: no body is ever read.
struct HttpRequest
{
    QByteArray method;
    QByteArray target;
    int minorVersion = 1; // HTTP/1.<minorVersion>
    // Names in lower case, values without surrounding blanks, in the order given.
    std::vector<std::pair<QByteArray, QByteArray>> headers;

    // The first value of the header (name in lower case); empty when there is none.
    QByteArray header(QByteArrayView name) const;
    bool hasHeader(QByteArrayView name) const;
    // Whether a comma-separated header holds `token`, whatever its case.
    bool headerHasToken(QByteArrayView name, QByteArrayView token) const;
    // Whether the connection stays open after the answer (HTTP/1.1 unless "close", HTTP/1.0
    // only with "keep-alive").
    bool keepAlive() const;
};

// How long the head at the start of `bytes` is, through its blank line; 0 while the blank line
// has not arrived. Lines end in CRLF, or LF alone as some clients send.
qsizetype headLength(QByteArrayView bytes);

// The request in a complete head; nothing when it is not a well-formed HTTP/1.0 or 1.1 head.
std::optional<HttpRequest> parseHead(QByteArrayView head);

// The embedded file a request target names ("index.html" for "/" and for every "/r/..."), its
// query left aside; nothing for a target that cannot name one of them: not starting with "/", a
// bad or encoded-away escape, "..", a backslash or a control character anywhere once decoded.
std::optional<QString> fileNameOf(QByteArrayView target);

// Whether a WebSocket's Origin header names the page's own site: exactly the host (and port) the
// request was sent to, over https, or over http when the port itself is plain (a proxy in front
// may serve it as https).
bool sameOrigin(QByteArrayView origin, QByteArrayView host, bool secure);

// The Content-Type of a served file, by its extension.
QByteArray contentTypeOf(const QString& fileName);

} // namespace pictova::web
