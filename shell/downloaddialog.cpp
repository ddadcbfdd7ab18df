#include "shell/downloaddialog.h"

#include "resources/artwork.h"
#include "shell/designscale.h"
#include "shell/dialogzoom.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace pictova {

namespace {

const QColor kFrameColour{0x60, 0x5C, 0x8D};
const QColor kTextColour{0x71, 0x85, 0xBB};

QFrame* panel(QWidget* parent, const QString& name, const QRect& place)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(place);
    frame->setStyleSheet(QStringLiteral("QFrame#%1 { background: white; border: 1px solid %2; }")
                             .arg(name, kFrameColour.name()));
    return frame;
}

QLabel* explanation(QWidget* parent, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(16);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, kTextColour);
    label->setPalette(colours);
    return label;
}

QLabel* statusLabel(QWidget* parent, const QString& name, const QRect& place)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, kFrameColour);
    label->setPalette(colours);
    return label;
}

QPushButton* bigButton(QWidget* parent, const QString& name, const QString& text, const QRect& place)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    QPalette colours = button->palette();
    colours.setColor(QPalette::ButtonText, Qt::red);
    button->setPalette(colours);
    return button;
}

// Lets a long path wrap at its separators; a path has no spaces to wrap at.
QString wrappablePath(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
    return shown;
}

} // namespace

Tdownload::Tdownload(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("download"));
    setWindowTitle(QStringLiteral("Download The Quorix Lobby"));
    setFixedSize(kClientWidth, kClientHeight);
    m_downloader.setMessageSink([this](const QString& text) { showMessage(this, text); });

    QFrame* left = panel(this, QStringLiteral("Panel1"), QRect(4, 4, 424, 492));
    auto* advert = new QLabel(left);
    advert->setObjectName(QStringLiteral("Image1"));
    advert->setGeometry(12, 4, 400, 339);
    advert->setPixmap(artwork::lobbyAdvert());
    DialogZoom::whenZoomed(this,
                           [advert] { advert->setPixmap(design::picture(advert, artwork::lobbyAdvertAt)); });
    explanation(
        left,
        QStringLiteral("Download The Quorix Lobby Now to play this  and other exciting games online with "
                       "other players!"),
        QRect(8, 345, 408, 56));
    m_getbutton =
        bigButton(left, QStringLiteral("getbutton"),
                  QStringLiteral("Download And Install The Quorix Lobby Now"), QRect(52, 403, 320, 24));
    m_infolabel = statusLabel(left, QStringLiteral("infolabel"), QRect(8, 429, 408, 16));
    m_infolabel3 = statusLabel(left, QStringLiteral("infolabel3"), QRect(8, 445, 408, 16));
    m_infolabel2 = statusLabel(left, QStringLiteral("infolabel2"), QRect(8, 445, 408, 16));
    m_infolabel2->hide();
    m_abortbutton = bigButton(left, QStringLiteral("abortbutton"), QStringLiteral("Stop Download"),
                              QRect(137, 463, 150, 22));

    m_savedPanel = panel(left, QStringLiteral("savedpanel"), QRect(12, 247, 400, 96));
    m_savedLabel = statusLabel(m_savedPanel, QStringLiteral("savedlabel"), QRect(8, 4, 384, 58));
    m_savedLabel->setWordWrap(true);
    auto* showFolder = bigButton(m_savedPanel, QStringLiteral("showfolderbutton"),
                                 QStringLiteral("Show in Folder"), QRect(125, 66, 150, 24));
    m_savedPanel->hide();

    QFrame* top = panel(this, QStringLiteral("Panel2"), QRect(434, 4, 286, 244));
    explanation(
        top,
        QStringLiteral(
            "To proceed to the game without the ability to play against others click the button below."),
        QRect(12, 24, 262, 120));
    bigButton(top, QStringLiteral("Button1"), QStringLiteral("Play Solo Game"), QRect(53, 170, 180, 30));

    QFrame* bottom = panel(this, QStringLiteral("Panel3"), QRect(434, 252, 286, 244));
    explanation(
        bottom,
        QStringLiteral("If you already have The Quorix Lobby and you wish to play with others then click the "
                       "button below to close this game and open The Quorix Lobby."),
        QRect(12, 14, 262, 140));
    bigButton(bottom, QStringLiteral("Button2"), QStringLiteral("Play with Others"), QRect(53, 170, 180, 30));

    connect(m_getbutton, &QPushButton::clicked, this, &Tdownload::getbuttonClick);
    connect(m_abortbutton, &QPushButton::clicked, this, &Tdownload::abortbuttonClick);
    connect(findChild<QPushButton*>(QStringLiteral("Button1")), &QPushButton::clicked, this,
            &Tdownload::Button1Click);
    connect(findChild<QPushButton*>(QStringLiteral("Button2")), &QPushButton::clicked, this,
            &Tdownload::Button2Click);
    connect(showFolder, &QPushButton::clicked, this, &Tdownload::showFolderClick);
    connect(&m_downloader, &LobbyDownloader::changed, this, &Tdownload::showState);
    connect(&m_downloader, &LobbyDownloader::closeGameRequested, this, &Tdownload::closeGameRequested);
    showState();
}

void Tdownload::getbuttonClick()
{
    m_downloader.download();
}

void Tdownload::abortbuttonClick()
{
    m_downloader.stop();
}

void Tdownload::Button1Click()
{
    hide();
}

void Tdownload::Button2Click()
{
    if (m_downloader.lobbyInstalled()) {
        m_downloader.openLobby();
        return;
    }
    hide();
    emit joinRequested();
}

void Tdownload::showFolderClick()
{
    m_downloader.showInFolder();
}

void Tdownload::showState()
{
    m_savedLabel->setText(wrappablePath(m_downloader.savedText()));
    m_savedLabel->setToolTip(m_downloader.savedText());
    m_savedPanel->setVisible(m_downloader.hasSavedFile());
    m_infolabel->setText(m_downloader.infoText());
    m_infolabel2->setText(m_downloader.fileName());
    m_infolabel3->setText(m_downloader.phaseText());
    m_getbutton->setEnabled(m_downloader.getEnabled());
    m_abortbutton->setEnabled(m_downloader.abortEnabled());
}

void Tdownload::keyPressEvent(QKeyEvent* event)
{
    // Escape leaves the choice as "Play Solo Game" does.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Button1Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Tdownload::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    if (const QScreen* where = screen())
        move(where->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

} // namespace pictova
