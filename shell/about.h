#pragma once

#include "shell/desktop.h"

#include <QPixmap>
#include <QUrl>
#include <QWidget>

class QLabel;

namespace pictova {

// The small About box: product name, the maker's web address (a link), credits and version.
class AboutBox : public QWidget
{
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    // The maker's web site, opened by a click on its address.
    QUrl webAddress() const { return m_webAddress; }
    void setOpener(UrlOpener opener) { m_opener = std::move(opener); }
    QString versionText() const; // the protocol version, as the `version` label shows it

    void openWebAddress();
    void done();

    static constexpr int kClientWidth = 202;
    static constexpr int kClientHeight = 203;
    static constexpr const char* kWebAddress = "www.quorix.example";

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitToPicture();

    // The picture as drawn for the zoom and screen it was last painted at.
    QPixmap m_picture;
    qreal m_pictureScale = 0.0;
    QUrl m_webAddress;
    UrlOpener m_opener = openWithDesktop;
    QLabel* m_versionCaption;
    QLabel* m_version;
};

} // namespace pictova
