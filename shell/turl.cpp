#include "shell/turl.h"

namespace pictova {

QString urlTypePrefix(TURLType type)
{
    switch (type) {
    case utFile:
        return QStringLiteral("file://");
    case utFtp:
        return QStringLiteral("ftp://");
    case utGopher:
        return QStringLiteral("gopher://");
    case utHttp:
        return QStringLiteral("http://");
    case utHttps:
        return QStringLiteral("https://");
    case utMailto:
        return QStringLiteral("mailto:");
    case utNews:
        return QStringLiteral("news:");
    case utTelnet:
        return QStringLiteral("telnet:");
    case utWais:
        return QStringLiteral("wais:");
    case utnone:
        break;
    }
    return QString();
}

TURL::TURL(QObject* parent) : QObject(parent) {}

QString TURL::fullAddress() const
{
    return urlTypePrefix(m_type) + m_url;
}

bool TURL::open() const
{
    if (m_url.isEmpty() || !m_opener)
        return false;
    return m_opener(QUrl(fullAddress()));
}

} // namespace pictova
