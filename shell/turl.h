#pragma once

#include "shell/desktop.h"

#include <QObject>
#include <QString>

namespace pictova {

enum TURLType { utFile, utFtp, utGopher, utHttp, utHttps, utMailto, utNews, utTelnet, utWais, utnone };

// The scheme put in front of an address of the type; empty for utnone.
QString urlTypePrefix(TURLType type);

// A link that knows its scheme: the address is kept without it and the type supplies it.
class TURL : public QObject
{
    Q_OBJECT
public:
    explicit TURL(QObject* parent = nullptr);

    QString URL() const { return m_url; }
    void setURL(const QString& url) { m_url = url; }
    TURLType URLType() const { return m_type; }
    void setURLType(TURLType type) { m_type = type; }

    // The address as handed over: prefix and address.
    QString fullAddress() const;

    // false for an empty address; otherwise hands the full address to the desktop and tells
    // whether it took it.
    bool open() const;

    void setOpener(UrlOpener opener) { m_opener = std::move(opener); }

private:
    QString m_url;
    TURLType m_type = utHttp;
    UrlOpener m_opener = openWithDesktop;
};

} // namespace pictova
