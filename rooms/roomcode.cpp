#include "rooms/roomcode.h"

#include <QUrl>

namespace pictova::rooms {

namespace {
constexpr int kAlphabetSize = sizeof(kAlphabet) - 1;

bool inAlphabet(QChar c)
{
    for (int i = 0; i < kAlphabetSize; ++i)
        if (c == QLatin1Char(kAlphabet[i]))
            return true;
    return false;
}
} // namespace

QString newCode(QRandomGenerator* random)
{
    QString code;
    for (int i = 0; i < kCodeLength; ++i)
        code += QLatin1Char(kAlphabet[random->bounded(kAlphabetSize)]);
    return code;
}

std::optional<QString> parseCode(const QString& text)
{
    const QString code = text.trimmed().toUpper();
    if (code.size() != kCodeLength)
        return std::nullopt;
    for (QChar c : code)
        if (!inAlphabet(c))
            return std::nullopt;
    return code;
}

std::optional<RoomLink> parseLink(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (const std::optional<QString> code = parseCode(trimmed))
        return RoomLink{{}, 0, *code, false};
    const QUrl url(trimmed, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || !url.query().isEmpty() || !url.fragment().isEmpty())
        return std::nullopt;
    const QString scheme = url.scheme().toLower();
    const int port = url.port(0);
    if (port < 0 || port > 65535)
        return std::nullopt;
    QString path = url.path();
    bool web = false;
    if (scheme == QLatin1String("pictova")) {
        path = path.mid(1);
    } else if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
        if (!path.startsWith(QLatin1String("/r/")))
            return std::nullopt;
        path = path.mid(3);
        web = true;
    } else {
        return std::nullopt;
    }
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    const std::optional<QString> code = parseCode(path);
    if (!code || path.trimmed() != path)
        return std::nullopt;
    return RoomLink{url.host(), quint16(port), *code, web};
}

namespace {
QString linkTo(const QString& scheme, const QString& host, quint16 port, const QString& path)
{
    QUrl url;
    url.setScheme(scheme);
    url.setHost(host);
    url.setPort(port);
    url.setPath(path);
    return url.toString();
}
} // namespace

QString desktopLink(const QString& host, quint16 port, const QString& code)
{
    return linkTo(QStringLiteral("pictova"), host, port, QLatin1Char('/') + code);
}

QString webLink(const QString& host, quint16 webPort, const QString& code)
{
    return linkTo(QStringLiteral("http"), host, webPort, QStringLiteral("/r/") + code);
}

} // namespace pictova::rooms
