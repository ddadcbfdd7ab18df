#include "shell/downloaddialog.h"

#include "resources/artwork.h"
#include "shell/designscale.h"
#include "shell/dialogzoom.h"
#include "translations/livetexts.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace pictova {

namespace {

const QColor kFrameColour{0x60, 0x5C, 0x8D};
const QColor kTextColour{0x71, 0x85, 0xBB};

// Lets a long path wrap at its separators; a path has no spaces to wrap at.
QString wrappablePath(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
    return shown;
}

QFrame* panel(QWidget* parent, const QString& name)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setStyleSheet(QStringLiteral("QFrame#%1 { background: white; border: 1px solid %2; }")
                             .arg(name, kFrameColour.name()));
    return frame;
}

QLabel* explanation(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("explanation"));
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

QLabel* statusLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
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

QPushButton* bigButton(QWidget* parent, const QString& name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    QPalette colours = button->palette();
    colours.setColor(QPalette::ButtonText, Qt::red);
    button->setPalette(colours);
    return button;
}

// A panel of the right column: why, and the button that does it.
QFrame* choicePanel(QWidget* parent, const QString& name, const QString& why, QPushButton* button)
{
    QFrame* frame = panel(parent, name);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(12, 14, 12, 14);
    layout->addWidget(explanation(frame, why), 1);
    layout->addWidget(button, 0, Qt::AlignHCenter);
    button->setParent(frame);
    return frame;
}

} // namespace

DownloadDialog::DownloadDialog(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("download"));
    m_downloader.setMessageSink([this](const QString& text) { showMessage(this, text); });

    QFrame* left = panel(this, QStringLiteral("advertPanel"));
    m_advert = new QLabel(left);
    m_advert->setObjectName(QStringLiteral("advert"));
    m_advert->setPixmap(artwork::lobbyAdvert());
    DialogZoom::whenZoomed(
        this, [this] { m_advert->setPixmap(design::picture(m_advert, artwork::lobbyAdvertAt)); });
    m_getbutton = bigButton(left, QStringLiteral("getbutton"), QString());
    m_infolabel = statusLabel(left, QStringLiteral("infolabel"));
    m_infolabel3 = statusLabel(left, QStringLiteral("infolabel3"));
    m_infolabel2 = statusLabel(left, QStringLiteral("infolabel2"));
    m_infolabel2->hide();
    m_abortbutton = bigButton(left, QStringLiteral("abortbutton"), QString());
    auto* advertColumn = new QVBoxLayout(left);
    advertColumn->setContentsMargins(8, 4, 8, 8);
    advertColumn->setSpacing(2);
    advertColumn->addWidget(m_advert, 0, Qt::AlignHCenter);
    QLabel* advertWhy = explanation(left, QString());
    advertColumn->addWidget(advertWhy);
    advertColumn->addWidget(m_getbutton, 0, Qt::AlignHCenter);
    advertColumn->addWidget(m_infolabel);
    advertColumn->addWidget(m_infolabel3);
    advertColumn->addWidget(m_infolabel2);
    advertColumn->addWidget(m_abortbutton, 0, Qt::AlignHCenter);

    // Over the foot of the advert.
    m_savedPanel = panel(m_advert, QStringLiteral("savedpanel"));
    m_savedLabel = statusLabel(m_savedPanel, QStringLiteral("savedlabel"));
    m_savedLabel->setWordWrap(true);
    auto* showFolder = bigButton(m_savedPanel, QStringLiteral("showfolderbutton"), QString());
    auto* saved = new QVBoxLayout(m_savedPanel);
    saved->addWidget(m_savedLabel, 1);
    saved->addWidget(showFolder, 0, Qt::AlignHCenter);
    auto* overAdvert = new QVBoxLayout(m_advert);
    overAdvert->setContentsMargins(0, 0, 0, 0);
    overAdvert->addStretch();
    overAdvert->addWidget(m_savedPanel);
    m_savedPanel->hide();

    auto* solo = bigButton(this, QStringLiteral("soloButton"), QString());
    auto* others = bigButton(this, QStringLiteral("othersButton"), QString());
    QFrame* soloPanel = choicePanel(this, QStringLiteral("soloPanel"), QString(), solo);
    QFrame* othersPanel = choicePanel(this, QStringLiteral("othersPanel"), QString(), others);
    auto* choices = new QVBoxLayout;
    choices->addWidget(soloPanel);
    choices->addWidget(othersPanel);
    auto* texts = new LiveTexts(this);
    texts->add([=, this] {
        setWindowTitle(tr("Download The Quorix Lobby"));
        m_getbutton->setText(tr("Download And Install The Quorix Lobby Now"));
        m_abortbutton->setText(tr("Stop Download"));
        advertWhy->setText(tr("Download The Quorix Lobby Now to play this  and other exciting games "
                              "online with other players!"));
        showFolder->setText(tr("Show in Folder"));
        solo->setText(tr("Play Solo Game"));
        others->setText(tr("Play with Others"));
        soloPanel->findChild<QLabel*>(QStringLiteral("explanation"))
            ->setText(tr("To proceed to the game without the ability to play against "
                         "others click the button below."));
        othersPanel->findChild<QLabel*>(QStringLiteral("explanation"))
            ->setText(tr("If you already have The Quorix Lobby and you wish to play with "
                         "others then click the button below to close this game and "
                         "open The Quorix Lobby."));
    });
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(6);
    // Its size follows its text and its picture: nothing to drag.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(left);
    layout->addLayout(choices);
    fitToText();

    connect(m_getbutton, &QPushButton::clicked, this, &DownloadDialog::startDownload);
    connect(m_abortbutton, &QPushButton::clicked, this, &DownloadDialog::stopDownload);
    connect(solo, &QPushButton::clicked, this, &DownloadDialog::playSolo);
    connect(others, &QPushButton::clicked, this, &DownloadDialog::playWithOthers);
    connect(showFolder, &QPushButton::clicked, this, &DownloadDialog::showSavedFile);
    connect(&m_downloader, &LobbyDownloader::changed, this, &DownloadDialog::showState);
    connect(&m_downloader, &LobbyDownloader::closeGameRequested, this, &DownloadDialog::closeGameRequested);
    showState();
}

// Status lines keep their room while empty; the explanations of the right column wrap at about
// thirty characters, the advert's at its width, at any text size.
void DownloadDialog::fitToText()
{
    for (QLabel* status : {m_infolabel, m_infolabel3, m_infolabel2})
        status->setMinimumHeight(status->fontMetrics().lineSpacing());
    for (QLabel* why : findChildren<QLabel*>(QStringLiteral("explanation"))) {
        const QFontMetrics text = why->fontMetrics();
        why->setMinimumWidth(why->parentWidget()->objectName() == QLatin1String("advertPanel")
                                 ? 0
                                 : text.averageCharWidth() * 30);
        why->setMinimumHeight(text.lineSpacing() * 3);
    }
    m_savedLabel->setMinimumHeight(m_savedLabel->fontMetrics().lineSpacing() * 3);
    // The buttons keep room around their text as it grows.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        const QFontMetrics text = button->fontMetrics();
        button->setMinimumSize(text.horizontalAdvance(button->text()) + 3 * text.height(),
                               text.height() * 8 / 5);
    }
}

void DownloadDialog::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToText();
}

void DownloadDialog::startDownload()
{
    m_downloader.download();
}

void DownloadDialog::stopDownload()
{
    m_downloader.stop();
}

void DownloadDialog::playSolo()
{
    hide();
}

void DownloadDialog::playWithOthers()
{
    if (m_downloader.lobbyInstalled()) {
        m_downloader.openLobby();
        return;
    }
    hide();
    emit joinRequested();
}

void DownloadDialog::showSavedFile()
{
    m_downloader.showInFolder();
}

void DownloadDialog::showState()
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

void DownloadDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape leaves the choice as "Play Solo Game" does.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        playSolo();
        return;
    }
    QWidget::keyPressEvent(event);
}

void DownloadDialog::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    if (const QScreen* where = screen())
        move(where->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

} // namespace pictova
